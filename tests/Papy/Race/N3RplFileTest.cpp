// The N3 replay: the edge cases of the format (the 9-byte empty frame, the quarter-turn angle,
// the 79-driver block), laps at the line crossings, samples of unlisted drivers and repeated
// records, and what a file of many small frames costs.
#include <gtest/gtest.h>

#include <cmath>

#include "Papy/Race/N3RplFile.h"
#include "RaceSamples.h"
#include "Util/Angles.h"
#include "Util/Exception.h"

using namespace VelmoTest;
using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
// A replay of the given drivers (name, car number) and frame bytes.
Bytes Replay(int drivers, const Bytes& frames, std::uint32_t count = 0xFFFFFFFF)
{
    ByteBuilder b;
    b.U32(4061).U32(std::uint32_t(frames.size())).U32(0).U32(count == 0xFFFFFFFF ? std::uint32_t(drivers) : count);
    Bytes block(4061);
    const char track[] = "Estoril";
    std::copy(track, track + sizeof track, block.begin() + 8);
    for (int i = 0; i < drivers && i < 79; ++i)
    {
        std::string name = "Driver " + std::to_string(i);
        std::copy(name.begin(), name.end(), block.begin() + 143 + 49 * i);
        block[191 + 49 * i] = std::uint8_t(10 + i);
    }
    Bytes out = b.Get();
    out.insert(out.end(), block.begin(), block.end());
    out.insert(out.end(), frames.begin(), frames.end());
    return out;
}

// One frame with cars (driver byte, longitude, latitude, angle) and no group records.
Bytes Frame(const std::vector<std::array<int, 4>>& cars)
{
    ByteBuilder b;
    b.U8(std::uint8_t(cars.size()));
    for (const auto& car : cars)
    {
        b.U8(std::uint8_t(car[0])).U8(car[1] & 255).U8((car[1] >> 8) & 255).U8((car[1] >> 16) & 255);
        b.S16(std::int16_t(car[2])).S16(std::int16_t(car[3])).U8(0).U8(0).U8(0);
    }
    b.U8(0).U8(0).U8(0).U8(0).U32(std::uint32_t(1 + 11 * cars.size() + 4 + 4));
    return b.Get();
}

Bytes Join(const std::vector<Bytes>& parts)
{
    Bytes out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

std::string Message(const Bytes& bytes)
{
    try
    {
        LoadRace<N3RplFile>(bytes, "test.rpl");
    }
    catch (const Util::XFileFormat& e)
    {
        return e.GetMessage();
    }
    return "loaded";
}
} // namespace

TEST(N3RplFile, EmptyFrameAndHeaderValues)
{
    Bytes empty = Frame({});
    ASSERT_EQ(empty.size(), 9u);
    auto file = LoadRace<N3RplFile>(Replay(2, Join({empty, empty})));
    EXPECT_EQ(file->GetTrackName(), "Estoril");
    EXPECT_EQ(file->GetFrameCount(), 2);
    EXPECT_EQ(file->GetDriverCount(), 2);
    EXPECT_EQ(file->GetPlayerIndex(), 1);
    EXPECT_EQ(file->GetPlayerName(), "Driver 1");
    EXPECT_EQ(file->GetCarNumber(1), "11");
    EXPECT_EQ(file->GetLapTableCount(), 1);
    EXPECT_EQ(file->GetLapCount(0, 0), 0);
    EXPECT_EQ(file->GetLapCount(1, 0), -1);
    EXPECT_DOUBLE_EQ(file->GetFrameDuration(), 1.0 / 15);
    EXPECT_FALSE(file->IsSampleValid(0, 0));
    EXPECT_FALSE(file->IsSampleValid(0, 5));
    EXPECT_EQ(file->GetSampleLongitude(0, 0), 0.0);
    EXPECT_TRUE(file->GetWideName().empty());
    // One driver: no player.
    EXPECT_EQ(LoadRace<N3RplFile>(Replay(1, empty))->GetPlayerName(), "");
}

TEST(N3RplFile, SampleUnits)
{
    auto file = LoadRace<N3RplFile>(Replay(1, Frame({{1, 0xFFFFFF, -2, 1024}})));
    ASSERT_TRUE(file->IsSampleValid(0, 0));
    EXPECT_DOUBLE_EQ(file->GetSampleAngle(0, 0), Util::pi / 2);
    EXPECT_DOUBLE_EQ(file->GetSampleLongitude(0, 0), 0xFFFFFF * 256.0 * 0.0000508);
    EXPECT_DOUBLE_EQ(file->GetSampleLatitude(0, 0), -2 * 256.0 * 0.0000508);
}

TEST(N3RplFile, DriverCountOfTheBlock)
{
    EXPECT_EQ(Message(Replay(79, Frame({{2 * 78, 5, 0, 0}})) ), "loaded");
    EXPECT_EQ(Message(Replay(79, Frame({}), 80)), "N3 rpl header driver count error");
    EXPECT_EQ(Message(Replay(79, Frame({}), 0xFFFFFFFE)), "N3 rpl header driver count error");
}

TEST(N3RplFile, LapsEndWhereTheLineIsCrossed)
{
    // Driver 0 goes round twice (line crossings after frames 2 and 5); a car of driver 3 (not
    // listed) is skipped; driver 1 is seen twice in frame 1: the second record counts.
    std::vector<Bytes> frames;
    const int longitudes[] = {10000, 20000, 25000, 100, 21000, 22000, 1500};
    for (int f = 0; f < 7; ++f)
    {
        std::vector<std::array<int, 4>> cars = {{0, longitudes[f], 0, 0}, {6, 50, 0, 0}};
        if (f == 1)
        {
            cars.push_back({2, 300, 1, 1});
            cars.push_back({3, 400, 2, 2});
        }
        frames.push_back(Frame(cars));
    }
    auto file = LoadRace<N3RplFile>(Replay(2, Join(frames)));
    // The crossing in the last frame opens no lap: a lap's entry is made by its first record.
    EXPECT_EQ(file->GetLapCount(0, 0), 2);
    const auto& laps = file->GetLapEntries(0);
    ASSERT_EQ(laps.size(), 3u);
    EXPECT_EQ(laps[1].end, 2);
    EXPECT_EQ(laps[2].end, 5);
    // Frames [first, end): the first lap from frame 0, the second from the frame after frame 2
    // to its last frame, 5.
    EXPECT_EQ(file->GetLapFirstFrame(0, 0, 0), 0);
    EXPECT_EQ(file->GetLapEndFrame(0, 0, 0), 3);
    EXPECT_EQ(file->GetLapFirstFrame(0, 0, 1), 3);
    EXPECT_EQ(file->GetLapEndFrame(0, 0, 1), 6);
    EXPECT_DOUBLE_EQ(file->GetLapTime(0, 0, 1), 3.0 / 15);
    EXPECT_EQ(file->GetLapStatus(0, 0, 0), 1);
    // Driver 1 only in frame 1, with its second record.
    EXPECT_FALSE(file->IsSampleValid(1, 0));
    ASSERT_TRUE(file->IsSampleValid(1, 1));
    EXPECT_DOUBLE_EQ(file->GetSampleLongitude(1, 1), 400 * 256.0 * 0.0000508);
    EXPECT_EQ(file->GetLapCount(0, 1), 1);
    EXPECT_EQ(file->GetLapStatus(0, 1, 0), 1);
}

TEST(N3RplFile, SizesAndTrailers)
{
    Bytes frame = Frame({{0, 1, 0, 0}});
    EXPECT_EQ(Message(Replay(1, frame)), "loaded");
    Bytes longer = Replay(1, frame);
    longer.push_back(0);
    EXPECT_EQ(Message(longer), "N3 rpl file size mismatch");
    Bytes bad = frame;
    bad.back() = 1;
    EXPECT_EQ(Message(Replay(1, bad)), "N3 rpl frame trailer size mismatch");
    // A frame cut short is a short read of the frame data.
    Bytes cut(frame.begin(), frame.end() - 2);
    EXPECT_THROW(LoadRace<N3RplFile>(Replay(1, cut)), Util::XFileRead);
}

TEST(N3RplFile, ManySmallFramesStoreOnlyWhatTheyRecord)
{
    // 100,000 empty frames of 79 drivers: no sample is stored, every one reads invalid.
    Bytes frames;
    Bytes empty = Frame({});
    for (int f = 0; f < 100000; ++f)
        frames.insert(frames.end(), empty.begin(), empty.end());
    auto file = LoadRace<N3RplFile>(Replay(79, frames));
    EXPECT_EQ(file->GetFrameCount(), 100000);
    EXPECT_FALSE(file->IsSampleValid(78, 99999));
    EXPECT_EQ(file->GetLapCount(0, 78), 0);
}

TEST(N3RplFile, RecordRepeatedInACrossingFrameKeepsTheLapsInOrder)
{
    // Frame 5 has the car twice: the first record crosses the line, the second (the one kept)
    // is before it again, so frame 6 crosses once more. The lap between the crossings is frame 5.
    std::vector<Bytes> frames;
    for (int longitude : {3000, 6000, 9000, 12000, 25000})
        frames.push_back(Frame({{0, longitude, 0, 0}}));
    frames.push_back(Frame({{0, 100, 0, 0}, {0, 25000, 0, 0}}));
    frames.push_back(Frame({{0, 100, 0, 0}}));
    frames.push_back(Frame({{0, 5000, 0, 0}}));
    auto file = LoadRace<N3RplFile>(Replay(1, Join(frames)));
    const struct
    {
        int first, end, status, frames;
    } laps[] = {{0, 5, 1, 4}, {5, 6, 0, 1}, {6, 8, 1, 2}};
    ASSERT_EQ(file->GetLapCount(0, 0), 3);
    for (int g = 0; g < 3; ++g)
    {
        SCOPED_TRACE(g);
        EXPECT_EQ(file->GetLapFirstFrame(0, 0, g), laps[g].first);
        EXPECT_EQ(file->GetLapEndFrame(0, 0, g), laps[g].end);
        EXPECT_EQ(file->GetLapStatus(0, 0, g), laps[g].status);
        EXPECT_DOUBLE_EQ(file->GetLapTime(0, 0, g), laps[g].frames / 15.0);
    }
    std::vector<std::pair<int, int>> entries;
    for (const auto& entry : file->GetLapEntries(0))
        entries.emplace_back(entry.status, entry.end);
    EXPECT_EQ(entries, (std::vector<std::pair<int, int>>{{0, 0}, {1, 4}, {0, 5}, {1, 7}}));
}
