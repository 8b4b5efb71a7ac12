#include "Papy/Race/GPLRpyFile.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Papy/Model/ChunkHeader.h"
#include "Util/Exception.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 RplyId = MakeChunkId('R', 'P', 'L', 'Y');
constexpr U32 RphdId = MakeChunkId('R', 'P', 'H', 'D');
constexpr U32 WknfId = MakeChunkId('W', 'K', 'N', 'F');
constexpr U32 DrlsId = MakeChunkId('D', 'R', 'L', 'S');
constexpr U32 DrntId = MakeChunkId('D', 'R', 'N', 'T');
constexpr U32 LptbId = MakeChunkId('L', 'P', 'T', 'B');
constexpr U32 LproId = MakeChunkId('L', 'P', 'R', 'O');
constexpr U32 RptpId = MakeChunkId('R', 'P', 'T', 'P');

constexpr U32 FloatPlayerBit = 0x20;
constexpr U32 FineLongitudeBit = 0x40;
constexpr double AngleUnit = 0.0015347302; // pi / 2047
constexpr double LineFar = 100;            // metres: a car this far along ...
constexpr double LineNear = 10;            // ... and then this near the start crossed the line

// What differs between the three games' records.
struct GameLayout
{
    const char* name;
    U32 trackRecord;  // WKNF record, without padding
    U32 trackPadding;
    U32 driverRecord; // DRNT record, without its padding byte
    U32 driverIdAt;
    U32 carNumberAt;
    U32 playerItem; // body size of a type-1 item
};

constexpr GameLayout Layouts[] = {
    {"GPL", 181, 3, 139, 124, 128, 28},
    {"N4", 171, 1, 171, 164, 152, 36},
    {"N2003", 173, 3, 175, 168, 156, 36},
};

S32 SignExtend(U32 value, unsigned bits)
{
    const U32 sign = U32(1) << (bits - 1);
    value &= (sign << 1) - 1;
    return S32(value ^ sign) - S32(sign);
}

// Turns a signed raw latitude of n bits into metres: tan(v * e / h) * g / t, with
// s = sqrt(512), e = acos(1 / s), t = tan(e), h the largest raw value and g = 300 metres, so
// the largest values give +-300 m and small values are the finest. Every step is rounded to a
// 32-bit float, as the games compute it.
class LatitudeQuantizer
{
public:
    explicit LatitudeQuantizer(unsigned bits)
    {
        const F32 s = F32(std::sqrt(512.0));
        const F32 e = F32(std::acos(double(1.0f / s)));
        const F32 t = F32(std::tan(double(e)));
        const F32 h = F32((U32(1) << (bits - 1)) - 1);
        m_inScale = e / h;
        m_outScale = 300.0f / t;
    }

    F32 Decode(S32 raw) const { return F32(std::tan(double(F32(raw) * m_inScale))) * m_outScale; }

private:
    F32 m_inScale;
    F32 m_outScale;
};
} // namespace

// The load: the chunks in file order, then the frames with the lap bookkeeping.
class GPLRpyFile::Reader
{
public:
    Reader(GPLRpyFile& file, Util::RecordReader& reader)
        : m_file(file), m_reader(reader), m_name(reader.GetName()), m_quantizer1(20),
          m_quantizer2(file.m_version > 2 ? 17 : 16), m_layout(Layouts[file.m_game])
    {
    }

    void ReadHeader();
    void ReadTrack();
    void ReadDrivers();
    void FindPlayer();
    void ReadLapTables();
    void ReadFrames();

private:
    [[noreturn]] void Fail(const char* message) const { throw Util::XFileFormat(m_name, message); }
    [[noreturn]] void Fail(const std::string& message) const { throw Util::XFileFormat(m_name, message); }

    void ReadFrame(Util::RecordReader& frame, U32 index);
    void AddSample(int d, U32 frame, F64 longitude, F64 latitude, F64 angle, bool fromPlayer);
    void AfterClock(U32 frame, S64 clock);
    void WalkBack(int d, U32 frame);
    void Finish();

    // The laps of the last table that driver d is followed in, or null.
    Laps* Current(int d)
    {
        if (m_file.m_lapTables.empty())
            return nullptr;
        auto& table = m_file.m_lapTables.back();
        auto found = table.find(d);
        if (found == table.end() || m_lap[d] >= found->second.size())
            return nullptr;
        return &found->second;
    }
    // Leaves the current lap at frame: its frames end there. A lap entered in this same frame
    // (a line crossing, then the race clock past the lap's time) has no frames at all.
    void Advance(int d, Laps& laps, U32 frame)
    {
        LapEntry& entry = laps[m_lap[d]];
        if (entry.first >= 0 && U32(entry.first) < frame)
            entry.end = S32(frame);
        else if (entry.first >= 0)
        {
            entry.first = -1;
            entry.end = 0;
        }
        ++m_lap[d];
    }
    void Entered(Laps& laps, std::size_t lap, U32 frame)
    {
        if (lap < laps.size() && laps[lap].first < 0)
        {
            laps[lap].first = S32(frame);
            laps[lap].end = S32(frame) + 1;
        }
    }

    GPLRpyFile& m_file;
    Util::RecordReader& m_reader;
    std::string m_name;
    LatitudeQuantizer m_quantizer1;
    LatitudeQuantizer m_quantizer2;
    const GameLayout& m_layout;

    double m_longitudeUnit = 2000.0;
    bool m_floatPlayer = false;
    // Bookkeeping of the last lap table: each driver's current lap, the drivers seen in the
    // frame, and whether a frame with a race clock has been handled.
    std::vector<std::size_t> m_lap;
    std::vector<int> m_seen;
    bool m_clocked = false;
};

void GPLRpyFile::Reader::ReadHeader()
{
    const ChunkHeader header = ChunkHeader(m_reader);
    if (header.GetId() != RphdId)
        Fail("GPL rpy header id not RPHD");
    if (header.GetVersion() > 1)
        Fail("GPL rpy file header unsupported version");
    const bool gplLayout = m_file.m_version <= 2 && header.GetVersion() == 0;
    if (gplLayout)
    {
        if (header.GetSize() != 76)
            Fail("GPL rpy file header size error");
        Util::RecordReader body = m_reader.Slice(76);
        body.Skip(16);
        for (S32& value : m_file.m_header)
            value = body.ReadS32();
        body.Skip(4);
        m_file.m_playerFirstName = body.ReadFixedString(16);
        m_file.m_playerLastName = body.ReadFixedString(16);
        m_file.m_headerIntegers.push_back(m_file.m_header[2]);
        for (int i = 0; i < 3; ++i)
            m_file.m_headerIntegers.push_back(body.ReadS32());
        return;
    }
    if (header.GetSize() < 60)
        Fail("N4 rpy file header size error");
    Util::RecordReader body = m_reader.Slice(header.GetSize());
    for (S32& value : m_file.m_header)
        value = body.ReadS32();
    const S32 further = body.ReadS32();
    m_file.m_playerFirstName = body.ReadFixedString(16);
    m_file.m_playerLastName = body.ReadFixedString(16);
    m_file.m_headerIntegers.push_back(m_file.m_header[2]);
    m_file.m_headerIntegers.push_back(further);
    for (int i = 0; i < 3; ++i)
        m_file.m_headerIntegers.push_back(body.ReadS32());
    const U64 characters = (U64(header.GetSize()) - 60) / 2;
    for (U64 i = 0; i < characters; ++i)
    {
        const char16_t c = char16_t(body.ReadU16());
        if (c == 0)
            break;
        m_file.m_wideName.push_back(c);
    }
    if (characters % 2 != 0)
        m_reader.Skip(2);
}

void GPLRpyFile::Reader::ReadTrack()
{
    const ChunkHeader header =
        ChunkHeader::ReadExpected(m_reader, WknfId, "GPL rpy wknf not found", "GPL rpy wknf unsupported version");
    if (header.GetSize() != m_layout.trackRecord)
        Fail(std::string(m_layout.name) + " rpy wknf size error");
    Util::RecordReader body = m_reader.Slice(m_layout.trackRecord);
    m_file.m_trackName = body.ReadFixedString(m_layout.trackRecord);
    m_reader.Skip(m_layout.trackPadding);
}

void GPLRpyFile::Reader::ReadDrivers()
{
    const ChunkHeader header = ChunkHeader::ReadExpected(m_reader, DrlsId, "GPL rpy driver list id not DRLS",
                                               "GPL rpy driver list unsupported version");
    const U64 entrySize = U64(m_layout.driverRecord) + 1 + ChunkHeader::ByteSize;
    if (header.GetSize() % entrySize != 0)
        Fail("GPL rpy driver list size error");
    const U64 count = header.GetSize() / entrySize;
    for (U64 i = 0; i < count; ++i)
    {
        const ChunkHeader entry = ChunkHeader::ReadExpected(m_reader, DrntId, "GPL rpy driver entry id not DRNT",
                                                  "GPL rpy driver entry unsupported version");
        if (entry.GetSize() != m_layout.driverRecord)
            Fail(std::string(m_layout.name) + " rpy driver entry size error");
        const U8* record = m_reader.Take(m_layout.driverRecord);
        m_reader.Skip(1);
        Util::RecordReader names(record, 32, m_name);
        Driver driver;
        driver.firstName = names.ReadFixedString(16);
        driver.lastName = names.ReadFixedString(16);
        std::copy(record + 72, record + 104, driver.block.begin());
        const S32 id = Util::DecodeLE<S32>(record + m_layout.driverIdAt);
        driver.carNumber = Util::DecodeLE<U32>(record + m_layout.carNumberAt);
        // The driver vector is indexed by the id: a wild id must not grow it without bound.
        if (id < 0 || id > 255)
            Fail("GPL rpy driver entry id error");
        if (m_file.m_drivers.size() <= std::size_t(id))
            m_file.m_drivers.resize(std::size_t(id) + 1);
        m_file.m_drivers[std::size_t(id)] = std::move(driver);
    }
}

void GPLRpyFile::Reader::FindPlayer()
{
    for (std::size_t d = 0; d < m_file.m_drivers.size(); ++d)
    {
        const Driver& driver = m_file.m_drivers[d];
        if (driver.firstName == m_file.m_playerFirstName && driver.lastName == m_file.m_playerLastName)
        {
            m_file.m_playerDriver = int(d);
            return;
        }
    }
    Fail("GPL/N4 rpy player driver not found");
}

void GPLRpyFile::Reader::ReadLapTables()
{
    for (;;)
    {
        if (m_reader.Remaining() < 4)
            return;
        Util::RecordReader peek = m_reader;
        if (peek.ReadU32() != LptbId)
            return;
        const ChunkHeader header = ChunkHeader::ReadExpected(m_reader, LptbId, "GPL rpy lap table id not LPTB",
                                                   "GPL rpy lap table unsupported version");
        Util::RecordReader payload = m_reader.Slice(header.GetSize());
        LapTable& table = m_file.m_lapTables.emplace_back();
        while (!payload.AtEnd())
        {
            if (payload.Remaining() < 12)
                Fail("GPL rpy no room for lap read-out header");
            const ChunkHeader readout = ChunkHeader::ReadExpected(payload, LproId, "GPL rpy lap read-out id not LPRO",
                                                        "GPL rpy lap read-out unsupported version");
            const U32 size = readout.GetSize();
            if (size == 0 || size % 4 != 0 || size > payload.Remaining())
                Fail("GPL rpy lap read-out size error");
            Util::RecordReader values = payload.Slice(size);
            const S32 d = values.ReadS32();
            // A read-out of a driver the list does not name has nobody to belong to.
            if (d < 0 || std::size_t(d) >= m_file.m_drivers.size())
                continue;
            Laps& laps = table[d];
            if (laps.empty())
                laps.push_back({0, 0, -1, 0});
            while (!values.AtEnd())
                laps.push_back({S32(values.ReadU32() & 0xFFFFFF), 0, -1, 0});
            laps.push_back({-1, 0, -1, 0});
        }
    }
}

void GPLRpyFile::Reader::ReadFrames()
{
    const ChunkHeader header = ChunkHeader(m_reader);
    if (header.GetId() != RptpId)
        Fail("GPL rpy type id not RPTP");
    if ((header.GetVersion() & ~(FloatPlayerBit | FineLongitudeBit)) != 0)
        Fail("GPL rpy type unsupported version");
    m_longitudeUnit = (header.GetVersion() & FineLongitudeBit) != 0 ? 500.0 : 2000.0;
    m_floatPlayer = m_file.m_game == GPL && (header.GetVersion() & FloatPlayerBit) != 0;
    Util::RecordReader payload = m_reader.Slice(header.GetSize());

    m_lap.assign(m_file.m_drivers.size(), 1);
    U32 previousSize = 0;
    U32 index = 0;
    while (!payload.AtEnd())
    {
        if (payload.Remaining() < 8)
            Fail("GPL rpy no room for frame header");
        const U32 size = payload.ReadU16();
        const U32 previous = payload.ReadU16();
        payload.Skip(4);
        if (size < 8)
            Fail("GPL rpy frame header size error");
        if (previous != previousSize)
            Fail("GPL rpy frame header size mismatch");
        if (size - 8 > payload.Remaining())
            Fail("GPL rpy frame size mismatch");
        previousSize = size;
        Util::RecordReader frame = payload.Slice(size - 8);
        ReadFrame(frame, index);
        ++index;
    }
    m_file.m_frameCount = index;
    Finish();
}

void GPLRpyFile::Reader::ReadFrame(Util::RecordReader& frame, U32 index)
{
    m_seen.clear();
    bool hasClock = false;
    S64 clock = 0;
    while (!frame.AtEnd())
    {
        if (frame.Remaining() < 4)
            Fail("GPL rpy no room for type header");
        const U32 type = frame.ReadU16();
        const U32 size = frame.ReadU16();
        if (size < 4)
            Fail("GPL rpy type header size error");
        const U32 rounded = (size + 3) & ~U32(3);
        if (rounded - 4 > frame.Remaining())
            Fail("GPL rpy type size mismatch");
        Util::RecordReader body = frame.Slice(size - 4);
        frame.Skip(rounded - size);
        if (type == 1)
        {
            // An item shorter than the record it holds would be read past its end.
            if (body.Size() < m_layout.playerItem)
                Fail("GPL rpy type header size error");
            const int d = m_file.m_playerDriver;
            if (m_floatPlayer)
            {
                body.Skip(16);
                const F32 longitude = body.ReadF32();
                const F32 latitude = body.ReadF32();
                const F32 angle = body.ReadF32();
                AddSample(d, index, longitude, latitude, angle, true);
            }
            else
            {
                const U32 w0 = body.ReadU32();
                const U32 w1 = body.ReadU32();
                const U32 w2 = body.ReadU32();
                AddSample(d, index, (w0 & 0x3FFFFFF) / m_longitudeUnit, m_quantizer1.Decode(SignExtend(w1, 20)),
                          SignExtend(w2 >> 10, 12) * AngleUnit, true);
            }
        }
        else if (type == 3)
        {
            while (body.Remaining() >= 16)
            {
                body.Skip(4);
                const U32 w1 = body.ReadU32();
                const U32 w2 = body.ReadU32();
                const U32 w3 = body.ReadU32();
                U32 raw, id;
                S32 latitude, angle;
                if (m_file.m_game == GPL)
                {
                    raw = w1 & 0x3FFFFFF;
                    id = w1 >> 26;
                    latitude = SignExtend(w2, 16);
                    angle = SignExtend(w3 >> 7, 12);
                }
                else
                {
                    raw = w1 & 0xFFFFFF;
                    id = (w1 >> 24) & 0x7F;
                    latitude = SignExtend(w3 >> 12, 17);
                    angle = SignExtend(w3, 12);
                }
                // A car of an id that the driver list does not name is not anybody's sample.
                if (id >= m_file.m_drivers.size())
                    continue;
                AddSample(int(id), index, raw / m_longitudeUnit, m_quantizer2.Decode(latitude), angle * AngleUnit,
                          false);
            }
        }
        else if (type == 13)
        {
            if (body.Size() < 4)
                Fail("GPL rpy type header size error");
            clock = body.ReadU32() / 256;
            hasClock = true;
        }
    }
    if (hasClock)
    {
        AfterClock(index, clock);
        if (!m_clocked)
        {
            for (std::size_t d = 0; d < m_file.m_drivers.size(); ++d)
                WalkBack(int(d), index);
            m_clocked = true;
        }
    }
    if (m_clocked)
        for (int d : m_seen)
            if (Laps* laps = Current(d); laps != nullptr && (*laps)[m_lap[d]].first >= 0)
                (*laps)[m_lap[d]].end = S32(index) + 1;
}

void GPLRpyFile::Reader::AddSample(int d, U32 frame, F64 longitude, F64 latitude, F64 angle, bool fromPlayer)
{
    Driver& driver = m_file.m_drivers[std::size_t(d)];
    driver.lastFromPlayer = fromPlayer;
    // One sample per driver and frame: a second record of the car in one frame replaces the
    // first, so that frame numbers and samples stay in step.
    if (!driver.samples.empty() && driver.samples.back().frame == frame)
    {
        Sample& sample = driver.samples.back();
        sample.longitude = longitude;
        sample.latitude = latitude;
        sample.angle = angle;
        return;
    }
    if (m_clocked && !driver.samples.empty() && driver.samples.back().frame + 1 == frame &&
        driver.samples.back().longitude > LineFar && longitude < LineNear)
    {
        if (Laps* laps = Current(d); laps != nullptr && m_lap[d] + 1 < laps->size())
        {
            std::size_t& lap = m_lap[d];
            if ((*laps)[lap].status != 0)
            {
                (*laps)[lap].status |= 8;
                (*laps)[lap + 1].status |= 4;
            }
            Advance(d, *laps, frame);
            Entered(*laps, lap, frame);
        }
    }
    driver.samples.push_back({frame, longitude, latitude, angle});
    m_seen.push_back(d);
}

void GPLRpyFile::Reader::AfterClock(U32 frame, S64 clock)
{
    const S64 time = clock * 10;
    for (std::size_t d = 0; d < m_file.m_drivers.size(); ++d)
    {
        Laps* laps = Current(int(d));
        if (laps == nullptr)
            continue;
        const Driver& driver = m_file.m_drivers[d];
        const bool seen = !driver.samples.empty() && driver.samples.back().frame == frame;
        std::size_t& lap = m_lap[d];
        const std::size_t last = laps->size() - 1;
        const std::size_t before = lap;
        while (lap < laps->size())
        {
            LapEntry& entry = (*laps)[lap];
            if (lap == last && seen)
                entry.time = S32(time);
            if (entry.time >= time || lap == last)
                break;
            if (entry.status != 0)
            {
                entry.status |= 8;
                (*laps)[lap + 1].status |= 4;
            }
            Advance(int(d), *laps, frame);
        }
        if (lap != before)
            Entered(*laps, lap, frame);
        (*laps)[lap].status |= seen ? 2 : 1;
    }
}

// At the first frame with a race clock: the laps of the samples before it, found by walking
// back over the line crossings from the current lap. The walk stops at lap 1: a crossing
// before it is the way to the start.
void GPLRpyFile::Reader::WalkBack(int d, U32 frame)
{
    Laps* laps = Current(d);
    if (laps == nullptr)
        return;
    const auto& samples = m_file.m_drivers[std::size_t(d)].samples;
    std::size_t lap = m_lap[std::size_t(d)];
    S32 end = S32(frame) + 1;
    for (std::size_t i = samples.size(); i-- > 1;)
    {
        const Sample& before = samples[i - 1];
        const Sample& after = samples[i];
        if (after.frame == before.frame + 1 && before.longitude > LineFar && after.longitude < LineNear)
        {
            (*laps)[lap].first = S32(after.frame);
            (*laps)[lap].end = end;
            end = S32(after.frame);
            if (lap <= 1)
                return;
            --lap;
        }
    }
    if (!samples.empty())
    {
        (*laps)[lap].first = S32(samples.front().frame);
        (*laps)[lap].end = std::max(end, (*laps)[lap].first);
    }
}

void GPLRpyFile::Reader::Finish()
{
    const U32 count = m_file.m_frameCount;
    if (count != 0)
        for (int d : m_seen)
            if (Laps* laps = Current(d); laps != nullptr && (*laps)[m_lap[d]].first < 0)
            {
                (*laps)[m_lap[d]].first = S32(count) - 1;
                (*laps)[m_lap[d]].end = S32(count);
            }
    for (LapTable& table : m_file.m_lapTables)
        for (auto& [d, laps] : table)
            for (std::size_t i = 1; i < laps.size(); ++i)
            {
                S32& status = laps[i].status;
                status = status == (2 | 4 | 8) ? 2 : (status & 2) != 0 ? 1 : 0;
            }
    m_file.m_header[0] = S32(count);
}

GPLRpyFile::GPLRpyFile(Util::BinaryStream& stream)
{
    stream.Seek(0);
    // The frames are most of the file and are walked in memory: read it whole.
    std::vector<U8> bytes;
    {
        Util::RecordReader file(stream);
        bytes.resize(std::size_t(file.Remaining()));
        file.ReadBytes(bytes.data(), bytes.size());
    }
    Util::RecordReader reader(bytes.data(), bytes.size(), stream.GetName());
    const U32 id = reader.ReadU32();
    m_version = reader.ReadU32();
    reader.ReadU32();
    if (id != RplyId)
        throw Util::XFileFormat(reader.GetName(), "GPL rpy file id not RPLY");
    if (m_version > 5)
        throw Util::XFileFormat(reader.GetName(), "GPL rpy file unsupported version");
    m_game = m_version <= 2 ? GPL : m_version <= 4 ? N4 : N2003;

    Reader load(*this, reader);
    load.ReadHeader();
    load.ReadTrack();
    load.ReadDrivers();
    load.FindPlayer();
    load.ReadLapTables();
    load.ReadFrames();
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
        return {{0, 0, -1, 0}};
    return found->second;
}

int GPLRpyFile::GetLapCount(int table, int d) const
{
    GetDriver(d);
    if (table < 0 || std::size_t(table) >= m_lapTables.size())
        return -1;
    auto found = m_lapTables[std::size_t(table)].find(d);
    if (found == m_lapTables[std::size_t(table)].end())
        return 0;
    return int(found->second.size()) - 1;
}

const GPLRpyFile::LapEntry& GPLRpyFile::GetLap(int table, int d, int lap) const
{
    VELMO_ASSERT(lap >= 0 && lap < GetLapCount(table, d));
    return m_lapTables[std::size_t(table)].find(d)->second[std::size_t(lap) + 1];
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

const GPLRpyFile::Sample* GPLRpyFile::FindSample(int d, int frame) const
{
    return FindFrame(GetDriver(d).samples, frame);
}

bool GPLRpyFile::IsSampleValid(int d, int frame) const
{
    return FindSample(d, frame) != nullptr;
}

double GPLRpyFile::GetSampleLongitude(int d, int frame) const
{
    const Sample* sample = FindSample(d, frame);
    return sample != nullptr ? sample->longitude : 0;
}

double GPLRpyFile::GetSampleLatitude(int d, int frame) const
{
    const Sample* sample = FindSample(d, frame);
    return sample != nullptr ? sample->latitude : 0;
}

double GPLRpyFile::GetSampleAngle(int d, int frame) const
{
    const Sample* sample = FindSample(d, frame);
    return sample != nullptr ? sample->angle : 0;
}
} // namespace Velmo::Papy
