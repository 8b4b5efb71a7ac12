#include "Papy/Race/GPLRpyFile.h"

#include "Papy/Race/GPLRpyReader.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
GPLRpyFile::GPLRpyFile(Util::BinaryStream& stream)
{
    Reader(*this).Load(stream);
}

const GPLRpyFile::Driver& GPLRpyFile::GetDriver(int d) const
{
    VELMO_ASSERT(d >= 0 && std::size_t(d) < m_drivers.size());
    return m_drivers[std::size_t(d)];
}

std::string GPLRpyFile::GetDriverName(int d) const
{
    const Driver& driver = GetDriver(d);
    return driver.firstName + " " + driver.lastName;
}

std::string GPLRpyFile::GetCarNumber(int d) const
{
    const U32 number = GetDriver(d).carNumber;
    if (number >= 2000 && number <= 2009)
        return std::string{'0', char('0' + (number - 2000))};
    return std::to_string(number);
}

U32 GPLRpyFile::GetCarNumberValue(int d) const
{
    return GetDriver(d).carNumber;
}

const std::array<U8, 32>& GPLRpyFile::GetDriverBlock(int d) const
{
    return GetDriver(d).block;
}

int GPLRpyFile::GetLapTableCount() const
{
    return int(m_lapTables.size());
}

GPLRpyFile::Laps GPLRpyFile::GetLaps(int table, int d) const
{
    GetDriver(d);
    if (table < 0 || std::size_t(table) >= m_lapTables.size())
        return {};
    auto found = m_lapTables[std::size_t(table)].find(d);
    if (found == m_lapTables[std::size_t(table)].end())
        return LapBook().GetLaps();
    return found->second.GetLaps();
}

int GPLRpyFile::GetLapCount(int table, int d) const
{
    GetDriver(d);
    if (table < 0 || std::size_t(table) >= m_lapTables.size())
        return -1;
    auto found = m_lapTables[std::size_t(table)].find(d);
    if (found == m_lapTables[std::size_t(table)].end())
        return 0;
    return int(found->second.GetLaps().size()) - 1;
}

const GPLRpyFile::LapEntry& GPLRpyFile::GetLap(int table, int d, int lap) const
{
    VELMO_ASSERT(lap >= 0 && lap < GetLapCount(table, d));
    return m_lapTables[std::size_t(table)].find(d)->second.GetLaps()[std::size_t(lap) + 1];
}

double GPLRpyFile::GetLapTime(int table, int d, int lap) const
{
    const LapEntry& entry = GetLap(table, d, lap);
    const LapEntry& before = *(&entry - 1);
    return (double(entry.time) - double(before.time)) / 1000;
}

int GPLRpyFile::GetLapStatus(int table, int d, int lap) const
{
    return GetLap(table, d, lap).status;
}

int GPLRpyFile::GetLapFirstFrame(int table, int d, int lap) const
{
    return GetLap(table, d, lap).first;
}

int GPLRpyFile::GetLapEndFrame(int table, int d, int lap) const
{
    return GetLap(table, d, lap).end;
}

int GPLRpyFile::GetHeaderInteger(int i) const
{
    VELMO_ASSERT(i >= 0 && std::size_t(i) < m_headerIntegers.size());
    return m_headerIntegers[std::size_t(i)];
}

const GPLRpySample* GPLRpyFile::FindSample(int d, int frame) const
{
    GetDriver(d);
    return FindFrame(m_samples[std::size_t(d)], frame);
}

bool GPLRpyFile::IsSampleValid(int d, int frame) const
{
    return FindSample(d, frame) != nullptr;
}

double GPLRpyFile::GetSampleLongitude(int d, int frame) const
{
    const GPLRpySample* sample = FindSample(d, frame);
    return sample != nullptr ? sample->longitude : 0;
}

double GPLRpyFile::GetSampleLatitude(int d, int frame) const
{
    const GPLRpySample* sample = FindSample(d, frame);
    return sample != nullptr ? sample->latitude : 0;
}

double GPLRpyFile::GetSampleAngle(int d, int frame) const
{
    const GPLRpySample* sample = FindSample(d, frame);
    return sample != nullptr ? sample->angle : 0;
}
} // namespace Velmo::Papy
