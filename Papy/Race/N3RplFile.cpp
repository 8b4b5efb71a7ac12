#include "Papy/Race/N3RplFile.h"

#include <algorithm>

#include "Util/Angles.h"
#include "Util/Exception.h"
#include "Util/RecordFields.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 TrackNameAt = 8;
constexpr U32 DriverAt = 143;
constexpr U32 DriverNameSize = 48;
// The four skipped groups: bytes per record.
constexpr U32 GroupRecordSizes[4] = {14, 7, 16, 13};
// Raw longitudes around the line: a car below the first after being beyond the second crossed it.
constexpr U32 LineLow = 2000;
constexpr U32 LineHigh = 20000;
constexpr double MetresPerUnit = 0.0000508;

struct Header
{
    U32 blockSize;
    U32 dataSize;
    U32 reserved;
    U32 driverCount;

    template <class IO>
    void Fields(IO& io)
    {
        io(blockSize);
        io(dataSize);
        io(reserved);
        io(driverCount);
    }
};
constexpr U64 HeaderSize = 16;

// A car in a frame.
struct CarRecord
{
    U8 driver;       // the driver's index in bits 1-7
    U8 longitude[3]; // 24 bits
    S16 latitude;
    S16 angle;
    U8 unknown[3];

    template <class IO>
    void Fields(IO& io)
    {
        io(driver);
        io(longitude);
        io(latitude);
        io(angle);
        io(unknown);
    }
};
constexpr U64 CarRecordSize = 11;

// The frame that ends a lap table's entry: the lap's last frame, 0 for the start.
S32 LastFrame(const std::vector<LapBook::Lap>& laps, std::size_t entry)
{
    return entry == 0 ? 0 : laps[entry].end - 1;
}
} // namespace

N3RplFile::N3RplFile(Util::BinaryStream& stream)
{
    stream.Seek(0);
    Util::RecordReader file(stream);
    const std::string& name = file.GetName();
    auto fail = [&name](const char* message) { throw Util::XFileFormat(name, message); };

    Header header;
    Util::ReadFields(file, header);
    // In 64 bits: no pair of sizes wraps to the file's size.
    if (stream.Size() != U64(header.blockSize) + header.dataSize + HeaderSize)
        fail("N3 rpl file size mismatch");
    if (header.reserved != 0)
        fail("N3 rpl header reserved not zero");
    if (header.blockSize != BlockSize)
        fail("N3 rpl length1 error");
    // The block holds 79 driver records; an 80th would lie past its end.
    if (header.driverCount > MaxDrivers)
        fail("N3 rpl header driver count error");

    // The block and the frames are the rest of the file, as the sizes say: read once, then sliced.
    const U64 restSize = U64(BlockSize) + header.dataSize;
    file.CheckCount(restSize, 1);
    std::vector<U8> bytes(static_cast<std::size_t>(restSize));
    file.ReadBytes(bytes.data(), restSize);
    Util::RecordReader rest(bytes, name);

    Util::RecordReader block = rest.Slice(BlockSize);
    Util::RecordReader track = block;
    track.Skip(TrackNameAt);
    m_trackName = track.ReadFixedString(BlockSize - TrackNameAt);
    block.Skip(DriverAt);
    m_drivers.resize(header.driverCount);
    for (Driver& driver : m_drivers)
    {
        driver.name = block.ReadFixedString(DriverNameSize);
        driver.carNumber = block.ReadU8();
    }

    Util::RecordReader data = rest.Slice(header.dataSize);
    ReadFrames(data);
    for (Driver& driver : m_drivers)
        driver.laps.Finish();
}

void N3RplFile::ReadFrames(Util::RecordReader& data)
{
    std::vector<char> present(m_drivers.size());
    while (!data.AtEnd())
    {
        const U64 start = data.Tell();
        const U32 frame = m_frameCount;
        std::fill(present.begin(), present.end(), 0);

        const U8 cars = data.ReadU8();
        Util::RecordReader records = data.Slice(cars * CarRecordSize);
        while (!records.AtEnd())
        {
            CarRecord car;
            Util::ReadFields(records, car);
            const U32 index = car.driver >> 1u;
            if (index >= m_drivers.size())
                continue; // a car of no listed driver
            Driver& driver = m_drivers[index];
            const Sample sample{frame, U32(car.longitude[0]) | U32(car.longitude[1]) << 8 | U32(car.longitude[2]) << 16,
                                car.latitude, car.angle};
            if (present[index])
            {
                // A second record of the car in one frame replaces the first: one sample a frame.
                driver.samples.back() = sample;
                continue;
            }
            if (!driver.laps.HasCurrent())
                driver.laps.Continue();
            if (!driver.samples.empty() && driver.samples.back().frame + 1 == frame &&
                driver.samples.back().longitude > LineHigh && sample.longitude < LineLow)
                driver.laps.CrossLine(frame);
            driver.samples.push_back(sample);
            present[index] = 1;
        }

        for (U32 recordSize : GroupRecordSizes)
            data.Skip(U64(data.ReadU8()) * recordSize);
        const U32 trailer = data.ReadU32();
        if (trailer != data.Tell() - start)
            throw Util::XFileFormat(data.GetName(), "N3 rpl frame trailer size mismatch");

        for (std::size_t d = 0; d < m_drivers.size(); ++d)
        {
            LapBook& laps = m_drivers[d].laps;
            if (!laps.HasCurrent())
                continue;
            laps.Mark(present[d] != 0);
            if (present[d])
                laps.Extend(frame);
        }
        ++m_frameCount;
    }
}

const N3RplFile::Driver& N3RplFile::GetDriver(int d) const
{
    VELMO_ASSERT(d >= 0 && std::size_t(d) < m_drivers.size());
    return m_drivers[std::size_t(d)];
}

std::vector<N3RplFile::LapEntry> N3RplFile::GetLapEntries(int d) const
{
    const std::vector<LapBook::Lap>& laps = GetDriver(d).laps.GetLaps();
    std::vector<LapEntry> entries;
    for (std::size_t i = 0; i < laps.size(); ++i)
        entries.push_back({laps[i].status, LastFrame(laps, i)});
    return entries;
}

const LapBook::Lap& N3RplFile::GetLap(int table, int d, int lap) const
{
    VELMO_ASSERT(lap >= 0 && lap < GetLapCount(table, d));
    return GetDriver(d).laps.GetLaps()[std::size_t(lap) + 1];
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
    return int(GetDriver(d).laps.GetLaps().size()) - 1;
}

double N3RplFile::GetLapTime(int table, int d, int lap) const
{
    GetLap(table, d, lap);
    const std::vector<LapBook::Lap>& laps = GetDriver(d).laps.GetLaps();
    const std::size_t entry = std::size_t(lap) + 1;
    return (LastFrame(laps, entry) - LastFrame(laps, entry - 1)) * (1.0 / 15);
}

int N3RplFile::GetLapStatus(int table, int d, int lap) const
{
    return GetLap(table, d, lap).status;
}

int N3RplFile::GetLapFirstFrame(int table, int d, int lap) const
{
    return GetLap(table, d, lap).first;
}

int N3RplFile::GetLapEndFrame(int table, int d, int lap) const
{
    return GetLap(table, d, lap).end;
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
