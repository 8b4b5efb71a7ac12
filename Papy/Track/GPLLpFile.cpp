#include "Papy/Track/GPLLpFile.h"

#include <cmath>

#include "Util/ByteWriter.h"
#include "Util/Exception.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
namespace
{
constexpr U64 RecordSize = 20;
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
    VELMO_ASSERT_TEXT(i >= 0 && i < GetTypeCount(), "i < GetTypeCount()");
    return TypeNames[i];
}

GPLLpFile::GPLLpFile(Util::BinaryStream& stream, const TrkFile& track)
{
    stream.Seek(0);
    Util::RecordReader reader(stream);
    if (reader.ReadU32() != Version)
        throw Util::XFileFormat(stream.GetName(), "GPL Lp file version error");
    S32 count = reader.ReadS32();
    // The rule in double precision first: a track too long for any line refuses every count.
    double thirds = double(F32(track.GetLength2D() * 0.33333334f)) + 0.5;
    if (!(thirds >= 0 && thirds < 1e8) || count != int(thirds) + 1)
        throw Util::XFileFormat(stream.GetName(), "Contains incorrect number of records");
    reader.CheckCount(U64(count), RecordSize);
    m_records.resize(count);
    for (RecordData& record : m_records)
    {
        record.Speed1 = reader.ReadF32();
        record.Speed2 = reader.ReadF32();
        record.Latitude = reader.ReadF32();
        record.Speed3 = reader.ReadF32();
        record.Flags = reader.ReadU32();
    }
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

const GPLLpFile::RecordData& GPLLpFile::Record(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_records.size()));
    return m_records[i];
}

int GPLLpFile::GetRecordIndex(double longitude) const
{
    return FindRecord(longitude, int(m_records.size()));
}

void GPLLpFile::SetScaledValue(int i, double value)
{
    // The top byte holds 0 to 255 steps of 0.005; values beyond either end are held there.
    double steps = std::ceil(value / 0.005);
    U32 byte = steps >= 255 ? 255 : steps > 0 ? U32(steps) : 0;
    RecordData& record = RecordRef(i);
    record.Flags = (record.Flags & 0x00FFFFFF) | byte << 24;
}

void GPLLpFile::SetBit(int i, int bit, bool value)
{
    RecordData& record = RecordRef(i);
    record.Flags = value ? record.Flags | U32(1) << bit : record.Flags & ~(U32(1) << bit);
}

void GPLLpFile::Save(Util::BinaryStream& stream) const
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
        out.PutU32(record.Flags);
    }
    stream.Seek(0);
    out.WriteTo(stream);
}
} // namespace Velmo::Papy
