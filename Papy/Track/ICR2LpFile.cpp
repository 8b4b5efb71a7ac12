#include "Papy/Track/ICR2LpFile.h"

#include <cmath>
#include <iterator>

#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
const char* const TypeNames[] = {"race", "maxrace", "minrace", "pass1", "pass2", "maxpanic", "minpanic", "pit", "pace",
                                 "spot1"};

// A value held within 32 bits (NaN as 0).
S32 ToS32(double value)
{
    if (!(value == value))
        return 0;
    if (value >= 2147483647.0)
        return 2147483647;
    if (value <= -2147483648.0)
        return -2147483647 - 1;
    return S32(value);
}
} // namespace

int ICR2LpFile::GetTypeCount()
{
    return int(std::size(TypeNames));
}

std::string ICR2LpFile::GetTypeName(int i)
{
    return TypeName(TypeNames, i);
}

ICR2LpFile::ICR2LpFile(Util::BinaryStream& stream)
{
    ReadLine<Header>(stream, m_records, [&](S32 count) {
        // The closing record is always there.
        if (count < 1)
            throw Util::XFileFormat(stream.GetName(), "ICR2 Lp file record count error");
    });
}

ICR2LpFile::ICR2LpFile(const TrkFile& track, double spacing)
{
    if (spacing != 0)
        m_spacing = spacing;
    double length = track.GetLength() * TrkFile::LengthUnit;
    m_records.resize(NewRecordCount(std::ceil(length / m_spacing) + 0.5));
}

int ICR2LpFile::GetRecordIndex(double longitude) const
{
    return FindRecord(longitude, int(m_records.size()));
}

void ICR2LpFile::SetField(int i, S32 RecordData::*field, S32 value)
{
    Record(i);
    m_records[i].*field = value;
    if (i == 0)
        m_records.back().*field = value;
}

void ICR2LpFile::SetLatitude(int i, double value)
{
    SetField(i, &RecordData::Latitude, ToS32(value / TrkFile::LengthUnit));
}

void ICR2LpFile::SetSpeed1(int i, double value)
{
    SetField(i, &RecordData::Speed1, ToS32(value / SpeedUnit + 0.5));
}

void ICR2LpFile::SetSpeed2(int i, double value)
{
    SetField(i, &RecordData::Speed2, ToS32(std::round(value / SpeedUnit)));
}

void ICR2LpFile::Save(Util::BinaryStream& stream) const
{
    SaveLine<Header>(stream, m_records);
}
} // namespace Velmo::Papy
