#include "Papy/Track/N4LpFile.h"

#include "Util/ByteWriter.h"
#include "Util/Exception.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
namespace
{
constexpr U64 RecordSize = 24;
const char* const TypeNames[] = {"raceline", "race",  "maxrace", "minrace", "maxpanic", "minpanic", "pit0",
                                 "maxpit0",  "minpit0", "pit1", "maxpit1", "minpit1",  "limp"};
} // namespace

int N4LpFile::GetTypeCount()
{
    return int(std::size(TypeNames));
}

std::string N4LpFile::GetTypeName(int i)
{
    VELMO_ASSERT_TEXT(i >= 0 && i < GetTypeCount(), "i < GetTypeCount()");
    return TypeNames[i];
}

N4LpFile::N4LpFile(Util::BinaryStream& stream)
{
    stream.Seek(0);
    Util::RecordReader reader(stream);
    if (reader.ReadU32() != Version)
        throw Util::XFileFormat(stream.GetName(), "N4 Lp file version error");
    S32 count = reader.ReadS32();
    if (count < 0)
        throw Util::XFileFormat(stream.GetName(), "N4 Lp file record count error");
    reader.CheckCount(U64(count), RecordSize);
    m_records.resize(count);
    for (RecordData& record : m_records)
    {
        record.Speed1 = reader.ReadF32();
        record.Speed2 = reader.ReadF32();
        record.Latitude = reader.ReadF32();
        record.Speed3 = reader.ReadF32();
        record.PathLength = reader.ReadF32();
        record.Flags = reader.ReadU32();
    }
}

N4LpFile::N4LpFile(double length, double spacing)
{
    if (spacing != 0)
        m_spacing = spacing;
    m_records.resize(NewRecordCount(length / m_spacing));
    for (RecordData& record : m_records)
        record.PathLength = 3.0f;
}

const N4LpFile::RecordData& N4LpFile::Record(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_records.size()));
    return m_records[i];
}

int N4LpFile::GetRecordIndex(double longitude) const
{
    return FindRecord(longitude, int(m_records.size()));
}

void N4LpFile::Save(Util::BinaryStream& stream) const
{
    Util::ByteWriter out(8 + m_records.size() * RecordSize);
    out.PutU32(Version);
    out.PutS32(S32(m_records.size()));
    for (const RecordData& record : m_records)
    {
        out.PutF32(record.Speed1);
        out.PutF32(record.Speed2);
        out.PutF32(record.Latitude);
        out.PutF32(record.Speed3);
        out.PutF32(record.PathLength);
        out.PutU32(record.Flags);
    }
    stream.Seek(0);
    out.WriteTo(stream);
}
} // namespace Velmo::Papy
