#include "Papy/Race/N3RplFile.h"

#include <algorithm>

#include "Util/Angles.h"
#include "Util/Exception.h"
#include "Util/RecordReader.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 HeaderSize = 16;
constexpr U32 TrackNameAt = 8;
constexpr U32 DriverAt = 143;
constexpr U32 DriverStride = 49;
constexpr U32 DriverNameSize = 48;
constexpr U32 CarRecordSize = 11;
// The four skipped groups: bytes per record.
constexpr U32 GroupRecordSizes[4] = {14, 7, 16, 13};
// Raw longitudes around the line: a car below the first after being beyond the second crossed it.
constexpr U32 LineLow = 2000;
constexpr U32 LineHigh = 20000;
constexpr double MetresPerUnit = 0.0000508;

// Status bits of a lap entry while reading.
constexpr S32 Absent = 1;
constexpr S32 Present = 2;
constexpr S32 Entered = 4;
constexpr S32 Left = 8;

// Text up to the first NUL within the field.
std::string FieldText(const U8* field, std::size_t size)
{
    const U8* end = std::find(field, field + size, U8(0));
    return std::string(reinterpret_cast<const char*>(field), std::size_t(end - field));
}
} // namespace

N3RplFile::N3RplFile(Util::BinaryStream& stream)
{
    stream.Seek(0);
    Util::RecordReader file(stream);
    const std::string& name = file.GetName();
    auto fail = [&name](const char* message) { throw Util::XFileFormat(name, message); };

    U32 blockSize = file.ReadU32();
    U32 dataSize = file.ReadU32();
    U32 reserved = file.ReadU32();
    U32 driverCount = file.ReadU32();
    // In 64 bits: no pair of sizes wraps to the file's size.
    if (stream.Size() != U64(blockSize) + dataSize + HeaderSize)
        fail("N3 rpl file size mismatch");
    if (reserved != 0)
        fail("N3 rpl header reserved not zero");
    if (blockSize != BlockSize)
        fail("N3 rpl length1 error");
    // The block holds 79 driver records; an 80th would lie past its end.
    if (driverCount > MaxDrivers)
        fail("N3 rpl header driver count error");

    std::vector<U8> block(BlockSize);
    file.ReadBytes(block.data(), BlockSize);
    m_trackName = FieldText(block.data() + TrackNameAt, BlockSize - TrackNameAt);
    m_drivers.resize(driverCount);
    for (U32 i = 0; i < driverCount; ++i)
    {
        const U8* record = block.data() + DriverAt + DriverStride * i;
        m_drivers[i].name = FieldText(record, DriverNameSize);
        m_drivers[i].carNumber = record[DriverNameSize];
    }

    file.CheckCount(dataSize, 1);
    std::vector<U8> data(dataSize);
    file.ReadBytes(data.data(), dataSize);
    ReadFrames(data, name);

    for (Driver& driver : m_drivers)
        for (std::size_t i = 1; i < driver.laps.size(); ++i)
        {
            S32& status = driver.laps[i].status;
            status = status == (Present | Entered | Left) ? 2 : (status & Present) != 0 ? 1 : 0;
        }
}

void N3RplFile::ReadFrames(const std::vector<U8>& bytes, const std::string& name)
{
    Util::RecordReader data(bytes, name);
    std::vector<char> present(m_drivers.size());
    while (!data.AtEnd())
    {
        const U32 frame = m_frameCount;
        std::fill(present.begin(), present.end(), 0);
        U64 size = 0;

        U8 cars = data.ReadU8();
        size += 1 + U64(cars) * CarRecordSize;
        for (U32 c = 0; c < cars; ++c)
        {
            U8 record[CarRecordSize];
            data.ReadBytes(record, CarRecordSize);
            U32 index = record[0] >> 1;
            if (index >= m_drivers.size())
                continue; // a car of no listed driver
            Driver& driver = m_drivers[index];
            Sample sample{frame, U32(record[1]) | U32(record[2]) << 8 | U32(record[3]) << 16,
                          Util::DecodeLE<S16>(record + 4), Util::DecodeLE<S16>(record + 6)};
            if (present[index])
            {
                // A second record of the car in one frame replaces the first: one sample a frame.
                driver.samples.back() = sample;
                continue;
            }
            if (driver.lap == driver.laps.size())
                driver.laps.push_back({0, 0});
            const Sample* previous = frame > 0 ? FindSample(int(index), int(frame - 1)) : nullptr;
            if (frame > 0 && sample.longitude < LineLow && previous != nullptr && previous->longitude > LineHigh)
            {
                LapEntry& current = driver.laps[driver.lap];
                if (current.status != 0)
                {
                    current.status |= Left;
                    if (driver.lap + 1 < driver.laps.size())
                        driver.laps[driver.lap + 1].status |= Entered;
                }
                ++driver.lap;
            }
            driver.samples.push_back(sample);
            present[index] = 1;
        }

        for (U32 size1 : GroupRecordSizes)
        {
            U8 count = data.ReadU8();
            data.Skip(U64(count) * size1);
            size += 1 + U64(count) * size1;
        }
        size += 4;
        if (data.ReadU32() != size)
            throw Util::XFileFormat(name, "N3 rpl frame trailer size mismatch");

        for (std::size_t d = 0; d < m_drivers.size(); ++d)
        {
            Driver& driver = m_drivers[d];
            if (driver.lap < driver.laps.size())
            {
                LapEntry& entry = driver.laps[driver.lap];
                entry.status |= present[d] ? Present : Absent;
                if (present[d])
                    entry.end = S32(frame);
            }
        }
        ++m_frameCount;
    }
}

const N3RplFile::Driver& N3RplFile::GetDriver(int d) const
{
    VELMO_ASSERT(d >= 0 && std::size_t(d) < m_drivers.size());
    return m_drivers[std::size_t(d)];
}

const std::vector<N3RplFile::LapEntry>& N3RplFile::GetLapEntries(int d) const
{
    return GetDriver(d).laps;
}

const N3RplFile::LapEntry* N3RplFile::GetEntry(int d, int entry) const
{
    const std::vector<LapEntry>& laps = GetDriver(d).laps;
    VELMO_ASSERT(entry >= 0 && std::size_t(entry) < laps.size());
    return &laps[std::size_t(entry)];
}

std::string N3RplFile::GetPlayerName() const
{
    return m_drivers.size() > 1 ? m_drivers[1].name : std::string();
}

std::string N3RplFile::GetDriverName(int d) const
{
    return GetDriver(d).name;
}

std::string N3RplFile::GetCarNumber(int d) const
{
    return std::to_string(GetDriver(d).carNumber);
}

int N3RplFile::GetLapCount(int table, int d) const
{
    if (table != 0)
        return -1;
    return int(GetDriver(d).laps.size()) - 1;
}

double N3RplFile::GetLapTime(int table, int d, int lap) const
{
    VELMO_ASSERT(table == 0);
    return (GetEntry(d, lap + 1)->end - GetEntry(d, lap)->end) * (1.0 / 15);
}

int N3RplFile::GetLapStatus(int table, int d, int lap) const
{
    VELMO_ASSERT(table == 0);
    return GetEntry(d, lap + 1)->status;
}

// The table keeps the last frame of each lap; the interface gives a lap's frames as [first, end).
int N3RplFile::GetLapFirstFrame(int table, int d, int lap) const
{
    VELMO_ASSERT(table == 0);
    const LapEntry* before = GetEntry(d, lap);
    GetEntry(d, lap + 1);
    // Entry 0 only marks the start: the first lap begins with the replay's first frame.
    return lap == 0 ? 0 : before->end + 1;
}

int N3RplFile::GetLapEndFrame(int table, int d, int lap) const
{
    VELMO_ASSERT(table == 0);
    return GetEntry(d, lap + 1)->end + 1;
}

const N3RplFile::Sample* N3RplFile::FindSample(int d, int frame) const
{
    if (d < 0 || std::size_t(d) >= m_drivers.size())
        return nullptr;
    return FindFrame(m_drivers[std::size_t(d)].samples, frame);
}

bool N3RplFile::IsSampleValid(int d, int frame) const
{
    return FindSample(d, frame) != nullptr;
}

double N3RplFile::GetSampleLongitude(int d, int frame) const
{
    const Sample* s = FindSample(d, frame);
    return s != nullptr ? double(s->longitude) * 256 * MetresPerUnit : 0.0;
}

double N3RplFile::GetSampleLatitude(int d, int frame) const
{
    const Sample* s = FindSample(d, frame);
    return s != nullptr ? double(s->latitude) * 256 * MetresPerUnit : 0.0;
}

double N3RplFile::GetSampleAngle(int d, int frame) const
{
    const Sample* s = FindSample(d, frame);
    return s != nullptr ? 2 * Util::pi * s->angle / 4096 : 0.0;
}
} // namespace Velmo::Papy
