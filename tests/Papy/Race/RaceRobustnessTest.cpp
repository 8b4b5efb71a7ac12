// Camera, replay and layout files are untrusted: every prefix of the samples and thousands of
// mutations of them load or fail with one of our exceptions; what loads is saved (cameras and
// layouts) or walked (replays) without fault.
#include <gtest/gtest.h>

#include "Papy/Race/GPLCamFile.h"
#include "Papy/Race/GPLLytFile.h"
#include "Papy/Race/GPLRpyFile.h"
#include "Papy/Race/N2CamFile.h"
#include "Papy/Race/N3RplFile.h"
#include "RaceSamples.h"
#include "Support/Robustness.h"

using namespace VelmoTest;
using namespace Velmo::Papy;

namespace
{
void UseCameras(const Bytes& bytes)
{
    // What loads is unedited, so it saves as the bytes it was read from (filler and tail too).
    EXPECT_EQ(SaveRace(*LoadRace<GPLCamFile>(bytes)), bytes);
}

void UseN2Cameras(const Bytes& bytes)
{
    auto file = LoadRace<N2CamFile>(bytes);
    for (int i = 0; i < file->GetCameraCount(); ++i)
        file->GetCamera(i)->GetReal(8);
}

void UseReplay(const Bytes& bytes)
{
    auto file = LoadRace<GPLRpyFile>(bytes);
    for (int d = 0; d < file->GetDriverCount(); ++d)
    {
        file->GetDriverName(d);
        file->GetCarNumber(d);
        for (int t = 0; t < file->GetLapTableCount(); ++t)
            for (int g = 0; g < file->GetLapCount(t, d); ++g)
            {
                file->GetLapTime(t, d, g);
                const int status = file->GetLapStatus(t, d, g);
                EXPECT_TRUE(status >= 0 && status <= 2);
                // A lap's frames lie in the replay; a lap without frames has none.
                const int first = file->GetLapFirstFrame(t, d, g);
                const int end = file->GetLapEndFrame(t, d, g);
                EXPECT_TRUE(first < 0 || (first < end && end <= file->GetFrameCount())) << first << " " << end;
            }
        for (int f = 0; f < file->GetFrameCount(); ++f)
            file->GetSampleLongitude(d, f);
    }
}

void UseN3Replay(const Bytes& bytes)
{
    auto file = LoadRace<N3RplFile>(bytes);
    for (int d = 0; d < file->GetDriverCount(); ++d)
    {
        file->GetDriverName(d);
        for (int g = 0; g < file->GetLapCount(0, d); ++g)
        {
            EXPECT_GE(file->GetLapTime(0, d, g), 0.0);
            const int status = file->GetLapStatus(0, d, g);
            EXPECT_TRUE(status >= 0 && status <= 2);
            EXPECT_LE(file->GetLapEndFrame(0, d, g), file->GetFrameCount());
            // The laps follow each other: each has frames, from where the one before ended.
            const int first = file->GetLapFirstFrame(0, d, g);
            EXPECT_LT(first, file->GetLapEndFrame(0, d, g));
            EXPECT_EQ(first, g == 0 ? 0 : file->GetLapEndFrame(0, d, g - 1));
        }
        for (int f = 0; f <= file->GetFrameCount(); ++f)
            file->GetSampleAngle(d, f);
    }
    file->GetPlayerName();
}

void UseLayout(const Bytes& bytes)
{
    auto file = LoadRace<GPLLytFile>(bytes);
    for (int i = 0; i < file->GetControlCount(); ++i)
        file->GetName(i);
    EXPECT_EQ(SaveRace(*file), bytes);
}
} // namespace

TEST(RaceRobustness, Cameras)
{
    for (const char* name : {"gpl0.cam", "gpl2.cam"})
    {
        Robustness check(name, ReadRaceSample(name));
        // A version-2 file cut in its filler still loads.
        check.EveryPrefix(UseCameras, std::string(name) == "gpl0.cam");
        auto tally = check.Mutations(20261209, 2000, UseCameras);
        EXPECT_GT(tally.loaded, 0);
        EXPECT_GT(tally.refused, 0);
    }
    Robustness n2("n2.cam", ReadRaceSample("n2.cam"));
    n2.EveryPrefix(UseN2Cameras, true);
    n2.Mutations(20261209, 1000, UseN2Cameras);
}

TEST(RaceRobustness, Replays)
{
    for (const char* name : {"gpl.rpy", "n4.rpy", "n2003.rpy"})
    {
        Robustness check(name, ReadRaceSample(name));
        check.EveryPrefix(UseReplay);
        auto tally = check.Mutations(20261210, 1500, UseReplay);
        EXPECT_GT(tally.loaded, 0);
        EXPECT_GT(tally.refused, 0);
    }
}

TEST(RaceRobustness, Layouts)
{
    Robustness check("screen.lyt", ReadRaceSample("screen.lyt"));
    check.EveryPrefix(UseLayout);
    auto tally = check.Mutations(20261211, 2000, UseLayout);
    EXPECT_GT(tally.loaded, 0);
    EXPECT_GT(tally.refused, 0);
}

TEST(RaceRobustness, N3Replays)
{
    Robustness check("n3.rpl", ReadRaceSample("n3.rpl"));
    // Every prefix breaks the header's size sum.
    check.EveryPrefix(UseN3Replay, true);
    auto tally = check.Mutations(20261211, 1500, UseN3Replay);
    EXPECT_GT(tally.loaded, 0);
    EXPECT_GT(tally.refused, 0);
}
