// libFuzzer harness of the GPL, N4 and N2003 replay reader. A file that loads is asked every
// value the replay views ask: names, car numbers, laps and every sample of every driver; the
// lap statuses must be 0, 1 or 2 and each lap's frames must lie in the replay. Our own
// exceptions are the answers a bad file may give; anything else is a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Papy/Race/GPLRpyFile.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"

using namespace Velmo;

namespace
{
[[noreturn]] void Finding(const char* what)
{
    std::fprintf(stderr, "RpyFileFuzz: %s\n", what);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try
    {
        Util::MemoryStream stream(std::vector<U8>(data, data + size), "fuzz.rpy");
        Papy::GPLRpyFile file(stream);
        file.GetTrackName();
        file.GetWideName();
        file.GetPlayerName();
        for (int i = 0; i < file.GetHeaderIntegerCount(); ++i)
            file.GetHeaderInteger(i);
        const int frames = file.GetFrameCount();
        for (int d = 0; d < file.GetDriverCount(); ++d)
        {
            file.GetDriverName(d);
            file.GetCarNumber(d);
            for (int t = 0; t < file.GetLapTableCount(); ++t)
                for (int g = 0; g < file.GetLapCount(t, d); ++g)
                {
                    file.GetLapTime(t, d, g);
                    const int status = file.GetLapStatus(t, d, g);
                    if (status < 0 || status > 2)
                        Finding("a lap status other than 0, 1 or 2");
                    const int first = file.GetLapFirstFrame(t, d, g);
                    const int end = file.GetLapEndFrame(t, d, g);
                    if (first >= 0 && (first >= end || end > frames))
                        Finding("a lap's frames outside the replay");
                }
            for (int f = 0; f < frames; ++f)
                if (file.IsSampleValid(d, f))
                    file.GetSampleAngle(d, f);
        }
    }
    catch (const Util::Exception&)
    {
    }
    return 0;
}
