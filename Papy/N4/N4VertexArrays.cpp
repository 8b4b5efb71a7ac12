#include "Papy/N4/N4VertexArrays.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
void N4VertexArrays::WriteArray(N4Archiver& archive, const std::vector<F64>& values)
{
    archive.WriteU32(U32(values.size() * sizeof(F64)));
    archive.WriteF64s(values.data(), values.size());
}

void N4VertexArrays::WriteUv(N4Archiver& archive, const std::vector<TextureVertex>& points)
{
    if (points.empty())
    {
        archive.WriteU32(0);
        archive.WriteU32(0);
        return;
    }
    archive.WriteU32(U32(points.size() * sizeof(F64)));
    archive.WriteF64Array(points.size(), [&](U64 i) { return points[i].GetU(); });
    archive.WriteU32(U32(points.size() * sizeof(F64)));
    archive.WriteF64Array(points.size(), [&](U64 i) { return points[i].GetV(); });
}

void N4VertexArrays::WriteChannels(N4Archiver& archive, U32 n, int first, int end, const std::vector<int>& numbers,
                                   const std::vector<double>& values, size_t& next)
{
    for (int channel = first; channel < end; ++channel)
    {
        if (next < numbers.size() && numbers[next] == channel)
        {
            VELMO_ASSERT((next + 1) * U64(n) <= values.size());
            archive.WriteU32(U32(U64(n) * sizeof(F64)));
            archive.WriteF64s(values.data() + next * U64(n), n);
            ++next;
        }
        else
            archive.WriteU32(0);
    }
}
} // namespace Velmo::Papy
