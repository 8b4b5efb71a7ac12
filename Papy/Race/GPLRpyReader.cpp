#include "Papy/Race/GPLRpyReader.h"

#include <algorithm>
#include <vector>

#include "Papy/Model/ChunkHeader.h"
#include "Papy/Race/GPLRpyItems.h"
#include "Papy/Race/GPLRpyLaps.h"
#include "Util/Exception.h"

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

// RPHD: the record before the wide name, and GPL's whole header.
constexpr U32 HeaderSize = 60;
constexpr U32 GPLHeaderSize = 76;
constexpr U64 FrameHeaderSize = 8;
constexpr U64 DriverBlockAt = 72;

// The reader of a record's field at offset at.
Util::RecordReader FieldAt(Util::RecordReader record, U64 at)
{
    record.Skip(at);
    return record;
}
} // namespace

// By GPLRpyFile::Game.
const GPLRpyFile::Reader::Layout GPLRpyFile::Reader::Layouts[3] = {
    {181, 3, "GPL rpy wknf size error", 139, 124, 128, "GPL rpy driver entry size error"},
    {171, 1, "N4 rpy wknf size error", 171, 164, 152, "N4 rpy driver entry size error"},
    {173, 3, "N2003 rpy wknf size error", 175, 168, 156, "N2003 rpy driver entry size error"},
};

void GPLRpyFile::Reader::Fail(const char* message) const
{
    throw Util::XFileFormat(m_name, message);
}

void GPLRpyFile::Reader::Load(Util::BinaryStream& stream)
{
    stream.Seek(0);
    // The frames are most of the file and are walked in memory: read it whole.
    std::vector<U8> bytes;
    {
        Util::RecordReader file(stream);
        bytes.resize(std::size_t(file.Remaining()));
        file.ReadBytes(bytes.data(), bytes.size());
    }
    Util::RecordReader reader(bytes, stream.GetName());
    m_name = reader.GetName();
    const ChunkHeader rply(reader);
    if (rply.GetId() != RplyId)
        Fail("GPL rpy file id not RPLY");
    if (rply.GetVersion() > 5)
        Fail("GPL rpy file unsupported version");
    m_file.m_version = rply.GetVersion();
    m_file.m_game = m_file.m_version <= 2 ? GPL : m_file.m_version <= 4 ? N4 : N2003;

    ReadHeader(reader);
    ReadTrack(reader);
    ReadDrivers(reader);
    FindPlayer();
    ReadLapTables(reader);
    ReadFrames(reader);
}

void GPLRpyFile::Reader::ReadHeader(Util::RecordReader& reader)
{
    const ChunkHeader header(reader);
    if (header.GetId() != RphdId)
        Fail("GPL rpy header id not RPHD");
    if (header.GetVersion() > 1)
        Fail("GPL rpy file header unsupported version");
    // The header of GPL's layout has 16 bytes before the record of the other one, keeps no
    // fourth integer and has no wide name after it.
    const bool gplLayout = m_file.m_version <= 2 && header.GetVersion() == 0;
    if (gplLayout && header.GetSize() != GPLHeaderSize)
        Fail("GPL rpy file header size error");
    if (!gplLayout && header.GetSize() < HeaderSize)
        Fail("N4 rpy file header size error");
    Util::RecordReader body = reader.Slice(header.GetSize());
    if (gplLayout)
        body.Skip(GPLHeaderSize - HeaderSize);
    body.ReadArray(m_file.m_header.data(), m_file.m_header.size());
    const S32 fourth = body.ReadS32();
    m_file.m_playerFirstName = body.ReadFixedString(16);
    m_file.m_playerLastName = body.ReadFixedString(16);
    m_file.m_headerIntegers.push_back(m_file.m_header[2]);
    if (!gplLayout)
        m_file.m_headerIntegers.push_back(fourth);
    for (int i = 0; i < 3; ++i)
        m_file.m_headerIntegers.push_back(body.ReadS32());
    if (gplLayout)
        return;
    const U64 characters = (U64(header.GetSize()) - HeaderSize) / 2;
    for (U64 i = 0; i < characters; ++i)
    {
        const char16_t c = char16_t(body.ReadU16());
        if (c == 0)
            break;
        m_file.m_wideName.push_back(c);
    }
    if (characters % 2 != 0)
        reader.Skip(2);
}

void GPLRpyFile::Reader::ReadTrack(Util::RecordReader& reader)
{
    const Layout& layout = Layouts[m_file.m_game];
    ChunkHeader::ReadExpected(reader, WknfId, "GPL rpy wknf not found", "GPL rpy wknf unsupported version",
                              layout.trackSizeMessage, layout.trackRecord);
    m_file.m_trackName = reader.ReadFixedString(layout.trackRecord);
    reader.Skip(layout.trackPadding);
}

void GPLRpyFile::Reader::ReadDrivers(Util::RecordReader& reader)
{
    const Layout& layout = Layouts[m_file.m_game];
    const ChunkHeader header = ChunkHeader::ReadExpected(reader, DrlsId, "GPL rpy driver list id not DRLS",
                                                         "GPL rpy driver list unsupported version");
    const U64 entrySize = U64(layout.driverRecord) + 1 + ChunkHeader::ByteSize;
    if (header.GetSize() % entrySize != 0)
        Fail("GPL rpy driver list size error");
    const U64 count = header.GetSize() / entrySize;
    for (U64 i = 0; i < count; ++i)
    {
        ChunkHeader::ReadExpected(reader, DrntId, "GPL rpy driver entry id not DRNT",
                                  "GPL rpy driver entry unsupported version", layout.driverSizeMessage,
                                  layout.driverRecord);
        const Util::RecordReader record = reader.Slice(layout.driverRecord);
        reader.Skip(1);
        Driver driver;
        driver.firstName = FieldAt(record, 0).ReadFixedString(16);
        driver.lastName = FieldAt(record, 16).ReadFixedString(16);
        FieldAt(record, DriverBlockAt).ReadBytes(driver.block.data(), driver.block.size());
        driver.carNumber = FieldAt(record, layout.carNumberAt).ReadU32();
        const S32 id = FieldAt(record, layout.driverIdAt).ReadS32();
        // The driver vector is indexed by the id: a wild id must not grow it without bound.
        if (id < 0 || id > 255)
            Fail("GPL rpy driver entry id error");
        if (m_file.m_drivers.size() <= std::size_t(id))
            m_file.m_drivers.resize(std::size_t(id) + 1);
        m_file.m_drivers[std::size_t(id)] = std::move(driver);
    }
    m_file.m_samples.resize(m_file.m_drivers.size());
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

void GPLRpyFile::Reader::ReadLapTables(Util::RecordReader& reader)
{
    for (;;)
    {
        if (reader.Remaining() < 4)
            return;
        Util::RecordReader peek = reader;
        if (peek.ReadU32() != LptbId)
            return;
        const ChunkHeader header = ChunkHeader::ReadExpected(reader, LptbId, "GPL rpy lap table id not LPTB",
                                                             "GPL rpy lap table unsupported version");
        Util::RecordReader payload = reader.Slice(header.GetSize());
        LapTable& table = m_file.m_lapTables.emplace_back();
        while (!payload.AtEnd())
        {
            if (payload.Remaining() < ChunkHeader::ByteSize)
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
            // A second read-out of a driver adds its laps after the first one's.
            LapBook& laps = table[d];
            while (!values.AtEnd())
                laps.Add(S32(values.ReadU32() & 0xFFFFFF));
            laps.Add(LapBook::OpenTime);
        }
    }
}

void GPLRpyFile::Reader::ReadFrames(Util::RecordReader& reader)
{
    const ChunkHeader header(reader);
    if (header.GetId() != RptpId)
        Fail("GPL rpy type id not RPTP");
    if ((header.GetVersion() & ~(GPLRpyItems::FloatPlayerBit | GPLRpyItems::FineLongitudeBit)) != 0)
        Fail("GPL rpy type unsupported version");
    Util::RecordReader payload = reader.Slice(header.GetSize());

    const GPLRpyItems items(m_file.m_game, header.GetVersion(), m_file.m_playerDriver, m_file.m_drivers.size());
    GPLRpyLaps laps(m_file.m_lapTables.empty() ? nullptr : &m_file.m_lapTables.back(), m_file.m_samples);
    GPLRpyItems::Frame frame;
    U32 previousSize = 0;
    U32 index = 0;
    while (!payload.AtEnd())
    {
        if (payload.Remaining() < FrameHeaderSize)
            Fail("GPL rpy no room for frame header");
        const U32 size = payload.ReadU16();
        const U32 previous = payload.ReadU16();
        payload.Skip(4);
        if (size < FrameHeaderSize)
            Fail("GPL rpy frame header size error");
        if (previous != previousSize)
            Fail("GPL rpy frame header size mismatch");
        if (size - FrameHeaderSize > payload.Remaining())
            Fail("GPL rpy frame size mismatch");
        previousSize = size;
        Util::RecordReader bytes = payload.Slice(size - FrameHeaderSize);
        items.Read(bytes, index, frame);
        for (const GPLRpyItems::Frame::Car& car : frame.cars)
            AddSample(car.driver, car.sample, laps);
        laps.EndFrame(index, frame.hasClock, frame.clock);
        ++index;
    }
    m_file.m_frameCount = index;
    laps.Finish(index);
    for (LapTable& table : m_file.m_lapTables)
        for (auto& [d, book] : table)
            book.Finish();
    m_file.m_header[0] = S32(index);
}

void GPLRpyFile::Reader::AddSample(int d, const GPLRpySample& sample, GPLRpyLaps& laps)
{
    std::vector<GPLRpySample>& samples = m_file.m_samples[std::size_t(d)];
    // One sample per driver and frame: a second record of the car in one frame replaces the
    // first, so that frame numbers and samples stay in step.
    if (!samples.empty() && samples.back().frame == sample.frame)
    {
        samples.back() = sample;
        return;
    }
    laps.Adding(d, samples.empty() ? nullptr : &samples.back(), sample);
    samples.push_back(sample);
}
} // namespace Velmo::Papy
