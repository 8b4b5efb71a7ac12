#include "Papy/Track/GPLLpFile.h"

#include <cmath>
#include <iterator>

#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
const char* const TypeNames[] = {"race", "maxrace", "minrace", "pass1", "pass2", "pit"};
} // namespace

int GPLLpFile::GetRecordCountFor(const TrkFile& track)
{
    // The game takes the product in single precision: a 2D length of 4999.5 m gives 1668.
    F32 thirds = track.GetLength2D() * 0.33333334f;
    return NewRecordCount(double(thirds) + 0.5);
}

int GPLLpFile::GetTypeCount()
{
    return int(std::size(TypeNames));
}

std::string GPLLpFile::GetTypeName(int i)
{
    return TypeName(TypeNames, i);
}

GPLLpFile::GPLLpFile(Util::BinaryStream& stream, const TrkFile& track)
{
    Read(stream, [&](S32 count) {
        // The rule in double precision first: a track too long for any line refuses every count.
        double thirds = double(F32(track.GetLength2D() * 0.33333334f)) + 0.5;
        if (!(thirds >= 0 && thirds < 1e8) || count != int(thirds) + 1)
            throw Util::XFileFormat(stream.GetName(), "Contains incorrect number of records");
    });
}

GPLLpFile::GPLLpFile(const TrkFile& track, double spacing)
{
    if (spacing == 0)
        m_records.resize(GetRecordCountFor(track));
    else
    {
        m_spacing = spacing;
        m_records.resize(NewRecordCount(track.GetLength2D() / spacing + 0.5));
    }
}

void GPLLpFile::SetScaledValue(int i, double value)
{
    // The top byte holds 0 to 255 steps of 0.005; values beyond either end are held there.
    double steps = std::ceil(value / 0.005);
    U32 byte = steps >= 255 ? 255 : steps > 0 ? U32(steps) : 0;
    Record& record = AtRef(i);
    record.Flags = (record.Flags & 0x00FFFFFF) | byte << 24;
}

void GPLLpFile::SetBit(int i, int bit, bool value)
{
    Record& record = AtRef(i);
    record.Flags = value ? record.Flags | U32(1) << bit : record.Flags & ~(U32(1) << bit);
}
} // namespace Velmo::Papy
