// GPL, N4 and N2003 replays: the smallest files, driver numbering, the frame walk and its
// samples, the lap tables, and the accessors' limits. (Every message and the decoded values of
// fuller files are checked against the independent generator.)
#include <gtest/gtest.h>

#include "Papy/Race/GPLRpyFile.h"
#include "RaceSamples.h"
#include "Util/Exception.h"

using namespace VelmoTest;
using namespace Velmo::Papy;

namespace
{
struct Game
{
    std::uint32_t version;
    std::uint32_t trackRecord, trackPadding, driverRecord, idAt, carAt;
};

const Game GPLGame = {2, 181, 3, 139, 124, 128};
const Game N4Game = {3, 171, 1, 171, 164, 152};
const Game N2003Game = {5, 173, 3, 175, 168, 156};

Bytes Chunk(const std::string& id, std::uint32_t version, const Bytes& payload)
{
    ByteBuilder b;
    b.Text(Letters(id)).U32(version).U32(std::uint32_t(payload.size())).Bytes(payload);
    return b.Get();
}

struct DriverEntry
{
    std::int32_t id;
    std::string first, last;
    std::uint32_t car;
};

// A replay with the player "P Q" and the given drivers, lap tables and frames (item bytes).
Bytes Replay(const Game& game, const std::vector<DriverEntry>& drivers, const std::vector<Bytes>& tables,
             const std::vector<std::vector<Bytes>>& frames, std::uint32_t rptpVersion = 0x40)
{
    ByteBuilder header;
    if (game.version <= 2)
        header.Zeros(32).Text("P").Zeros(15).Text("Q").Zeros(15).Zeros(12);
    else
        header.Zeros(16).Text("P").Zeros(15).Text("Q").Zeros(15).Zeros(12);
    ByteBuilder track;
    track.Text("Spa").Zeros(game.trackRecord - 3);
    ByteBuilder list;
    for (const auto& d : drivers)
    {
        Bytes record(game.driverRecord, 0);
        std::copy(d.first.begin(), d.first.end(), record.begin());
        std::copy(d.last.begin(), d.last.end(), record.begin() + 16);
        for (int k = 0; k < 4; ++k)
        {
            record[game.idAt + k] = std::uint8_t(std::uint32_t(d.id) >> (8 * k));
            record[game.carAt + k] = std::uint8_t(d.car >> (8 * k));
        }
        list.Bytes(Chunk("DRNT", 0, record)).U8(0);
    }
    ByteBuilder rptp;
    std::uint16_t previous = 0;
    for (const auto& items : frames)
    {
        ByteBuilder frame;
        for (const auto& item : items)
            frame.Bytes(item);
        const auto size = std::uint16_t(frame.Size() + 8);
        rptp.U16(size).U16(previous).U32(0).Bytes(frame.Get());
        previous = size;
    }
    ByteBuilder payload;
    payload.Bytes(Chunk("RPHD", 0, header.Get()))
        .Bytes(Chunk("WKNF", 0, track.Get()))
        .Zeros(game.trackPadding)
        .Bytes(Chunk("DRLS", 0, list.Get()));
    for (const auto& table : tables)
        payload.Bytes(Chunk("LPTB", 0, table));
    payload.Bytes(Chunk("RPTP", rptpVersion, rptp.Get()));
    return Chunk("RPLY", game.version, payload.Get());
}

Bytes Item(std::uint16_t type, const Bytes& body)
{
    ByteBuilder b;
    b.U16(type).U16(std::uint16_t(body.size() + 4)).Bytes(body);
    while (b.Size() % 4 != 0)
        b.U8(0);
    return b.Get();
}

// A GPL item 1 of the player at raw longitude (unit 500 per metre).
Bytes Player(std::uint32_t rawLongitude)
{
    ByteBuilder b;
    b.U32(rawLongitude).Zeros(24);
    return Item(1, b.Get());
}

// A GPL item 3 of one car.
Bytes Other(std::uint32_t id, std::uint32_t rawLongitude)
{
    ByteBuilder b;
    b.U32(0).U32(rawLongitude | id << 26).U32(0).U32(0);
    return Item(3, b.Get());
}

Bytes Clock(std::uint32_t tenMilliseconds)
{
    ByteBuilder b;
    b.U32(tenMilliseconds * 256);
    return Item(13, b.Get());
}

Bytes LapTable(std::int32_t driver, const std::vector<std::uint32_t>& times)
{
    ByteBuilder b;
    b.S32(driver);
    for (auto t : times)
        b.U32(t);
    return Chunk("LPRO", 0, b.Get());
}
} // namespace

TEST(GPLRpyFile, SmallestFileOfEachGame)
{
    const struct
    {
        Game game;
        std::size_t size;
        GPLRpyFile::Game expected;
    } cases[] = {{GPLGame, 472, GPLRpyFile::GPL}, {N4Game, 476, GPLRpyFile::N4}, {N2003Game, 484, GPLRpyFile::N2003}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.size);
        const Bytes bytes = Replay(c.game, {{0, "P", "Q", 7}}, {}, {});
        ASSERT_EQ(bytes.size(), c.size);
        auto file = LoadRace<GPLRpyFile>(bytes);
        EXPECT_EQ(file->GetGame(), c.expected);
        EXPECT_EQ(file->GetTrackName(), "Spa");
        EXPECT_EQ(file->GetPlayerName(), "P Q");
        EXPECT_EQ(file->GetDriverCount(), 1);
        EXPECT_EQ(file->GetFrameCount(), 0);
        EXPECT_EQ(file->GetLapTableCount(), 0);
        EXPECT_EQ(file->GetLapCount(0, 0), -1);
        EXPECT_FALSE(file->IsSampleValid(0, 0));
        EXPECT_EQ(file->GetFrameDuration(), 1.0 / 36);
        EXPECT_EQ(file->GetPlayerIndex(), 0);
        // Every prefix is refused: each byte is needed.
        for (std::size_t n = 0; n < bytes.size(); ++n)
            EXPECT_THROW(LoadRace<GPLRpyFile>(Bytes(bytes.begin(), bytes.begin() + n)), Velmo::Util::Exception);
    }
}

TEST(GPLRpyFile, DriversByIdWithGapsAndCarNumbers)
{
    auto file = LoadRace<GPLRpyFile>(
        Replay(GPLGame, {{3, "A", "B", 2003}, {0, "P", "Q", 3}, {5, "C", "D", 2010}}, {}, {}));
    ASSERT_EQ(file->GetDriverCount(), 6);
    EXPECT_EQ(file->GetPlayerDriver(), 0);
    EXPECT_EQ(file->GetDriverName(3), "A B");
    EXPECT_EQ(file->GetCarNumber(3), "03");
    EXPECT_EQ(file->GetCarNumber(0), "3");
    EXPECT_EQ(file->GetCarNumber(5), "2010");
    EXPECT_EQ(file->GetDriverName(1), " ");
    EXPECT_EQ(file->GetCarNumber(1), "0");
    EXPECT_EQ(AssertionOf([&] { file->GetDriverName(6); }), "d >= 0 && std::size_t(d) < m_drivers.size()");
}

TEST(GPLRpyFile, EveryDriverHasOneSampleAFrame)
{
    // Frame 1 records the player twice: the second record is the one kept. Driver 9 and
    // driver 63 are named by nobody and are skipped.
    auto file = LoadRace<GPLRpyFile>(Replay(GPLGame, {{0, "P", "Q", 1}, {2, "R", "S", 2}}, {},
                                            {{Player(500), Other(2, 1000)},
                                             {Player(1500), Other(9, 5), Player(2500), Other(63, 5)},
                                             {Other(2, 3000)}}));
    ASSERT_EQ(file->GetFrameCount(), 3);
    EXPECT_EQ(file->GetHeaderValue1(), 3);
    EXPECT_EQ(file->GetDriverCount(), 3);
    EXPECT_EQ(file->GetSampleLongitude(0, 0), 1.0);
    EXPECT_EQ(file->GetSampleLongitude(0, 1), 5.0);
    EXPECT_FALSE(file->IsSampleValid(0, 2));
    EXPECT_EQ(file->GetSampleLongitude(0, 2), 0.0);
    EXPECT_TRUE(file->IsSampleValid(2, 0));
    EXPECT_FALSE(file->IsSampleValid(2, 1));
    EXPECT_EQ(file->GetSampleLongitude(2, 2), 6.0);
    EXPECT_FALSE(file->IsSampleValid(1, 0));
    EXPECT_FALSE(file->IsSampleValid(0, 3));
    EXPECT_FALSE(file->IsSampleValid(0, -1));
}

TEST(GPLRpyFile, LapTablesAndTheirLimits)
{
    ByteBuilder table;
    table.Bytes(LapTable(0, {0xFF000000u | 1000, 2000})).Bytes(LapTable(7, {5})).Bytes(LapTable(-1, {5}));
    // The player drives laps of 150 m at 50 m a frame; the clock runs from frame 2, 0.5 s a frame.
    std::vector<std::vector<Bytes>> frames;
    for (std::uint32_t f = 0; f < 12; ++f)
    {
        std::vector<Bytes> items = {Player((f * 50 % 150 + 120) % 150 * 500)};
        if (f >= 2)
            items.push_back(Clock((f - 2) * 50));
        frames.push_back(items);
    }
    auto file = LoadRace<GPLRpyFile>(Replay(GPLGame, {{0, "P", "Q", 1}, {1, "R", "S", 2}}, {table.Get()}, frames));
    ASSERT_EQ(file->GetLapTableCount(), 1);
    ASSERT_EQ(file->GetLapCount(0, 0), 3);
    EXPECT_EQ(file->GetLapCount(0, 1), 0);
    EXPECT_EQ(file->GetLapTime(0, 0, 0), 1.0);
    EXPECT_EQ(file->GetLapTime(0, 0, 1), 1.0);
    for (int lap = 0; lap < 3; ++lap)
    {
        SCOPED_TRACE(lap);
        const int status = file->GetLapStatus(0, 0, lap);
        EXPECT_TRUE(status >= 0 && status <= 2);
        const int first = file->GetLapFirstFrame(0, 0, lap);
        const int end = file->GetLapEndFrame(0, 0, lap);
        if (first >= 0)
        {
            EXPECT_TRUE(first < end && end <= file->GetFrameCount()) << first << " " << end;
        }
    }
    EXPECT_EQ(file->GetLapStatus(0, 0, 1), 2);
    EXPECT_EQ(AssertionOf([&] { file->GetLapTime(0, 0, 3); }), "lap >= 0 && lap < GetLapCount(table, d)");
    EXPECT_EQ(AssertionOf([&] { file->GetLapStatus(0, 1, 0); }), "lap >= 0 && lap < GetLapCount(table, d)");
    EXPECT_EQ(AssertionOf([&] { file->GetLapTime(1, 0, 0); }), "lap >= 0 && lap < GetLapCount(table, d)");
}

TEST(GPLRpyFile, LineCrossingsBeforeTheClockStayAtTheFirstLap)
{
    // Two crossings before the first clocked frame, the driver still on lap 1: the walk back
    // over the earlier samples stops at lap 1.
    ByteBuilder table;
    table.Bytes(LapTable(0, {100000}));
    std::vector<std::vector<Bytes>> frames;
    const std::uint32_t metres[] = {140, 5, 140, 5, 60, 120, 140};
    for (std::uint32_t f = 0; f < 7; ++f)
    {
        std::vector<Bytes> items = {Player(metres[f] * 500)};
        if (f >= 4)
            items.push_back(Clock(f));
        frames.push_back(items);
    }
    auto file = LoadRace<GPLRpyFile>(Replay(GPLGame, {{0, "P", "Q", 1}}, {table.Get()}, frames));
    ASSERT_EQ(file->GetLapCount(0, 0), 2);
    EXPECT_EQ(file->GetLapFirstFrame(0, 0, 0), 3);
    EXPECT_EQ(file->GetLapEndFrame(0, 0, 0), 7);
    EXPECT_EQ(file->GetLapStatus(0, 0, 0), 1);
}

TEST(GPLRpyFile, PlayerFloatsWithBitFive)
{
    const Bytes bytes = ReadRaceSample("gplfloat.rpy");
    auto file = LoadRace<GPLRpyFile>(bytes);
    const int player = file->GetPlayerDriver();
    ASSERT_EQ(player, 2);
    // The model's player is at 230 + 31 f metres (mod 250), the floats half a metre further.
    EXPECT_EQ(file->GetSampleLongitude(player, 5), double(float(135.5)));
    EXPECT_EQ(file->GetSampleLatitude(player, 5), -6.25);
    // Other cars from the integers: 200 + 30 f metres in units of 2000 per metre.
    EXPECT_EQ(file->GetSampleLongitude(0, 1), 230.0);
}

TEST(GPLRpyFile, LapLeftInTheFrameItWasEnteredHasNoFrames)
{
    // Frame 1: the player crosses the line into lap 2 and the race clock is already past lap
    // 2's end, so lap 3 begins in the same frame.
    ByteBuilder table;
    table.Bytes(LapTable(0, {100, 300}));
    auto file = LoadRace<GPLRpyFile>(Replay(GPLGame, {{0, "P", "Q", 1}}, {table.Get()},
                                            {{Player(140 * 500), Clock(0)}, {Player(5 * 500), Clock(50)},
                                             {Player(20 * 500), Clock(60)}}));
    ASSERT_EQ(file->GetLapCount(0, 0), 3);
    EXPECT_EQ(file->GetLapFirstFrame(0, 0, 0), 0);
    EXPECT_EQ(file->GetLapEndFrame(0, 0, 0), 1);
    EXPECT_EQ(file->GetLapFirstFrame(0, 0, 1), -1);
    EXPECT_EQ(file->GetLapFirstFrame(0, 0, 2), 1);
    EXPECT_EQ(file->GetLapEndFrame(0, 0, 2), 3);
}
