#include "Papy/Track/LpFile.h"

#include <cmath>
#include <limits>

#include "Util/Exception.h"

namespace Velmo::Papy
{
// Fields a game's records do not have: asking for them is an error of the caller, apart from
// the few that answer a neutral value.

int LpFile::GetRecordIndex(double) const
{
    VELMO_ASSERT_TEXT(false, "false");
    return 0;
}

double LpFile::GetRecordLongitude(int i) const
{
    return (i + 1) * GetSpacing();
}

int LpFile::FindRecord(double longitude, int storedCount) const
{
    VELMO_ASSERT(longitude >= GetRecordLongitude(0));
    VELMO_ASSERT(longitude <= GetRecordLongitude(GetRecordCount() - 1));
    int index = int(longitude / GetSpacing());
    VELMO_ASSERT(index > 0);
    // The last record's own longitude gives index = the record count: it is the last record.
    VELMO_ASSERT_TEXT(index <= storedCount, "index < Records.size()");
    return index - 1;
}

F32 LpFile::ToSingle(double value)
{
    const double largest = std::numeric_limits<F32>::max();
    if (value > largest)
        return std::numeric_limits<F32>::max();
    if (value < -largest)
        return -std::numeric_limits<F32>::max();
    return F32(value);
}

int LpFile::NewRecordCount(double value)
{
    if (!(value >= 0 && value < 1e8))
        throw Util::XUsage("Lp file record count out of range");
    return int(value) + 1;
}

std::string LpFile::TypeName(std::span<const char* const> names, int i)
{
    VELMO_ASSERT_TEXT(i >= 0 && i < int(names.size()), "i < GetTypeCount()");
    return names[std::size_t(i)];
}

double LpFile::GetPathLength(int) const
{
    return GetSpacing();
}

double LpFile::GetScaledValue(int) const
{
    return 1.0;
}

bool LpFile::GetExtraFlag1(int) const
{
    return false;
}

bool LpFile::GetExtraFlag2(int) const
{
    return false;
}

void LpFile::SetPathLength(int, double)
{
}

double LpFile::GetLatitude(int) const
{
    VELMO_ASSERT_TEXT(false, "false");
    return double();
}

double LpFile::GetSpeed1(int) const
{
    VELMO_ASSERT_TEXT(false, "false");
    return double();
}

double LpFile::GetSpeed2(int) const
{
    VELMO_ASSERT_TEXT(false, "false");
    return double();
}

double LpFile::GetSpeed3(int) const
{
    VELMO_ASSERT_TEXT(false, "false");
    return double();
}

U32 LpFile::GetFlags(int) const
{
    VELMO_ASSERT_TEXT(false, "false");
    return U32();
}

int LpFile::GetExtraValue(int) const
{
    VELMO_ASSERT_TEXT(false, "false");
    return int();
}

int LpFile::GetExtraValue2(int) const
{
    VELMO_ASSERT_TEXT(false, "false");
    return int();
}

int LpFile::GetExtraValue3(int) const
{
    VELMO_ASSERT_TEXT(false, "false");
    return int();
}

bool LpFile::GetFlagBit0(int) const
{
    return false;
}

bool LpFile::GetFlagBit1(int) const
{
    return false;
}

bool LpFile::GetFlagBit2(int) const
{
    return false;
}

bool LpFile::GetFlagBit3(int) const
{
    return false;
}

bool LpFile::GetFlagBit4(int) const
{
    return false;
}

bool LpFile::GetFlagBit5(int) const
{
    return false;
}

bool LpFile::GetFlagBit6(int) const
{
    return false;
}

bool LpFile::GetFlagBit8(int) const
{
    return false;
}

bool LpFile::GetFlagBit9(int) const
{
    return false;
}

bool LpFile::GetFlagBit10(int) const
{
    return false;
}

bool LpFile::GetFlagBit12(int) const
{
    return false;
}

bool LpFile::GetFlagBit13(int) const
{
    return false;
}

bool LpFile::GetFlagBit14(int) const
{
    return false;
}

bool LpFile::GetFlagBit15(int) const
{
    return false;
}

bool LpFile::GetFlagBit16(int) const
{
    return false;
}

void LpFile::SetLatitude(int, double)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetSpeed1(int, double)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetSpeed2(int, double)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetSpeed3(int, double)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetScaledValue(int, double)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetFlags(int, U32)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetExtraValue(int, int)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetExtraFlags(int, bool, bool)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetFlagBit0(int, bool)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetFlagBit1(int, bool)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetFlagBit2(int, bool)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetFlagBit3(int, bool)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetFlagBit4(int, bool)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetFlagBit5(int, bool)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetFlagBit6(int, bool)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetFlagBit8(int, bool)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetFlagBit9(int, bool)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetFlagBit10(int, bool)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetFlagBit12(int, bool)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetFlagBit13(int, bool)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetFlagBit14(int, bool)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetFlagBit15(int, bool)
{
    VELMO_ASSERT_TEXT(false, "false");
}

void LpFile::SetFlagBit16(int, bool)
{
    VELMO_ASSERT_TEXT(false, "false");
}

} // namespace Velmo::Papy
