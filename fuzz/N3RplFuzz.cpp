// libFuzzer harness of the N3 replay reader. A file that loads is asked every value the replay
// views ask: names, car numbers, laps and every sample of every driver; lap statuses must be
// 0, 1 or 2 and lap ends must lie in the replay. Our own exceptions are the answers a bad file
// may give; anything else is a finding.
//
// Seed corpus: python3 tests/Papy/Race/race.py samples s && mkdir corpus-n3 && cp s/*.rpl corpus-n3
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Papy/Race/N3RplFile.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"

using namespace Velmo;

namespace
{
[[noreturn]] void Finding(const char* what)
{
    std::fprintf(stderr, "N3RplFuzz: %s\n", what);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try
    {
        Util::MemoryStream stream(std::vector<U8>(data, data + size), "fuzz.rpl");
        Papy::N3RplFile file(stream);
        file.GetTrackName();
        file.GetPlayerName();
        const int frames = file.GetFrameCount();
        for (int d = 0; d < file.GetDriverCount(); ++d)
        {
            file.GetDriverName(d);
            file.GetCarNumber(d);
            for (int g = 0; g < file.GetLapCount(0, d); ++g)
            {
                file.GetLapTime(0, d, g);
                const int status = file.GetLapStatus(0, d, g);
                if (status < 0 || status > 2)
                    Finding("a lap status other than 0, 1 or 2");
                if (file.GetLapEndFrame(0, d, g) > frames)
                    Finding("a lap ending beyond the replay");
                file.GetLapFirstFrame(0, d, g);
            }
            for (int f = 0; f < frames; ++f)
                if (file.IsSampleValid(d, f))
                {
                    file.GetSampleLongitude(d, f);
                    file.GetSampleLatitude(d, f);
                    file.GetSampleAngle(d, f);
                }
        }
    }
    catch (const Util::Exception&)
    {
    }
    return 0;
}
