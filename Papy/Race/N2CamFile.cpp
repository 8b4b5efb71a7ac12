#include "Papy/Race/N2CamFile.h"

#include "Papy/Race/N2Camera.h"
#include "Util/Exception.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
N2CamFile::N2CamFile(Util::BinaryStream& stream)
{
    stream.Seek(0);
    Util::RecordReader reader(stream);
    for (int type : {Camera::TV1, Camera::TV2})
    {
        const bool reserved = type == Camera::TV2;
        const U32 count = reader.ReadU32();
        // More records than the data holds: the groups do not match the length either.
        reader.CheckCount(count, 4 * N2Camera::ValueCount + (reserved ? 4 : 0), "N2 cam file length mismatch");
        for (U32 i = 0; i < count; ++i)
        {
            std::array<F32, N2Camera::ValueCount> values;
            reader.ReadArray(values.data(), values.size());
            if (reserved && reader.ReadU32() != 0)
                throw Util::XFileFormat(reader.GetName(), "N2 cam file reserved not zero");
            Cameras.emplace_back(new N2Camera(type, values));
        }
    }
    if (!reader.AtEnd())
        throw Util::XFileFormat(reader.GetName(), "N2 cam file length mismatch");
}

void N2CamFile::InsertCamera(int, int)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

void N2CamFile::DeleteCamera(int)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

void N2CamFile::Save(Util::BinaryStream&) const
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}
} // namespace Velmo::Papy
