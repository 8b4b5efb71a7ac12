// Loads a generated GPL replay of many frames and drivers from a file on disk and prints the
// time and the peak memory of the load (measured in a child process, so the generator's own
// memory is not counted). The replay is encoded here, independently of the reader. Then times
// repeated Make requests of one name that the Make cache answers.
//
//   RaceBench [frames] [drivers] [cache hits]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/NormalMakeUnknown.h"
#include "Papy/Race/GPLRpyFile.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"

namespace
{
class Encoder
{
public:
    void U8(std::uint8_t v) { m_bytes.push_back(v); }
    void U16(std::uint16_t v) { Raw(v, 2); }
    void U32(std::uint32_t v) { Raw(v, 4); }
    void Text(const char* id) { m_bytes.insert(m_bytes.end(), id, id + std::strlen(id)); }
    void Zeros(std::size_t n) { m_bytes.insert(m_bytes.end(), n, 0); }
    void Fixed(const std::string& text, std::size_t size)
    {
        Text(text.c_str());
        Zeros(size - text.size());
    }
    // A chunk header whose size is patched by End.
    std::size_t Begin(const char* reversedId, std::uint32_t version)
    {
        Text(reversedId);
        U32(version);
        U32(0);
        return m_bytes.size();
    }
    void End(std::size_t start)
    {
        std::uint32_t size = std::uint32_t(m_bytes.size() - start);
        std::memcpy(&m_bytes[start - 4], &size, 4);
    }
    std::size_t Size() const { return m_bytes.size(); }
    std::vector<std::uint8_t>& Bytes() { return m_bytes; }
    void Patch16(std::size_t at, std::uint16_t v) { std::memcpy(&m_bytes[at], &v, 2); }

private:
    void Raw(std::uint32_t v, int n)
    {
        for (int i = 0; i < n; ++i)
            m_bytes.push_back(std::uint8_t(v >> (8 * i)));
    }
    std::vector<std::uint8_t> m_bytes;
};

std::string DriverName(int d)
{
    return "Driver" + std::to_string(d);
}

// GPL replay (version 2, longitude unit 500 per metre): driver 0 is the player; every frame
// holds the race clock, the player's record and one record for each other car.
std::vector<std::uint8_t> MakeReplay(int frames, int drivers)
{
    Encoder e;
    std::size_t rply = e.Begin("YLPR", 2);
    std::size_t rphd = e.Begin("DHPR", 0);
    e.Zeros(32);
    e.Fixed(DriverName(0), 16);
    e.Fixed("Last", 16);
    e.Zeros(12);
    e.End(rphd);
    std::size_t wknf = e.Begin("FNKW", 0);
    e.Fixed("Monza", 181);
    e.End(wknf);
    e.Zeros(3);
    std::size_t drls = e.Begin("SLRD", 0);
    for (int d = 0; d < drivers; ++d)
    {
        std::size_t drnt = e.Begin("TNRD", 0);
        e.Fixed(DriverName(d), 16);
        e.Fixed("Last", 16);
        e.Zeros(124 - 32);
        e.U32(std::uint32_t(d));
        e.U32(std::uint32_t(d + 1));
        e.Zeros(139 - 132);
        e.End(drnt);
        e.U8(0);
    }
    e.End(drls);
    const double lapMetres = 5000, metresPerFrame = 2.5;
    const int framesPerLap = int(lapMetres / metresPerFrame);
    std::size_t lptb = e.Begin("BTPL", 0);
    for (int d = 0; d < drivers; ++d)
    {
        std::size_t lpro = e.Begin("ORPL", 0);
        e.U32(std::uint32_t(d));
        for (int lap = 1; lap <= frames / framesPerLap; ++lap)
            e.U32(std::uint32_t(lap * framesPerLap * 1000 / 36));
        e.End(lpro);
    }
    e.End(lptb);
    std::size_t rptp = e.Begin("PTPR", 0x40);
    std::uint16_t previous = 0;
    for (int f = 0; f < frames; ++f)
    {
        std::size_t frame = e.Size();
        e.U16(0);
        e.U16(previous);
        e.U32(0);
        e.U16(13);
        e.U16(8);
        e.U32(std::uint32_t(f * 100 / 36 * 256));
        for (int d = 0; d < drivers; ++d)
        {
            const double metres = std::fmod(f * metresPerFrame + d * 7.0, lapMetres);
            const std::uint32_t raw = std::uint32_t(metres * 500);
            if (d == 0)
            {
                e.U16(1);
                e.U16(32);
                e.U32(raw);
                e.U32(std::uint32_t(f % 1000));
                e.U32(std::uint32_t(f % 4096) << 10);
                e.Zeros(16);
            }
            else
            {
                if (d == 1)
                {
                    e.U16(3);
                    e.U16(std::uint16_t(4 + 16 * (drivers - 1)));
                }
                e.U32(0);
                e.U32(raw | std::uint32_t(d) << 26);
                e.U32(std::uint32_t(d * 100));
                e.U32(std::uint32_t(f % 4096) << 7);
            }
        }
        previous = std::uint16_t(e.Size() - frame);
        e.Patch16(frame, previous);
    }
    e.End(rptp);
    e.End(rply);
    return std::move(e.Bytes());
}

double Seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
} // namespace

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? std::atoi(argv[1]) : 50000;
    const int drivers = argc > 2 ? std::atoi(argv[2]) : 40;
    if (drivers < 2 || drivers > 64 || frames < 1)
    {
        std::fprintf(stderr, "RaceBench [frames] [drivers 2-64]\n");
        return 2;
    }
    const char* tmp = std::getenv("TMPDIR");
    const std::string path = std::string(tmp && *tmp ? tmp : "/tmp") + "/RaceBench-" + std::to_string(getpid()) + ".rpy";
    try
    {
        std::vector<std::uint8_t> bytes = MakeReplay(frames, drivers);
        std::unique_ptr<Velmo::Util::BinaryFile> out(Velmo::Util::BinaryFile::CreateAlways(path));
        out->Write(std::uint32_t(bytes.size()), bytes.data());
        out->Commit();
        std::printf("replay: %d frames x %d drivers, %.1f MB\n", frames, drivers, bytes.size() / 1e6);
    }
    catch (const Velmo::Util::Exception& e)
    {
        std::fprintf(stderr, "%s\n", e.GetText().c_str());
        return 1;
    }

    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0)
    {
        try
        {
            auto start = std::chrono::steady_clock::now();
            std::unique_ptr<Velmo::Util::BinaryFile> in(Velmo::Util::BinaryFile::OpenRead(path));
            Velmo::Papy::GPLRpyFile replay(*in);
            const double seconds = Seconds(start);
            std::printf("load: %.3f s (%d frames, %d drivers, %d laps of driver 0)\n", seconds, replay.GetFrameCount(),
                        replay.GetDriverCount(), replay.GetLapCount(0, 0));
            std::fflush(stdout);
            _exit(0);
        }
        catch (const Velmo::Util::Exception& e)
        {
            std::fprintf(stderr, "%s\n", e.GetText().c_str());
            _exit(1);
        }
    }
    int status = 0;
    struct rusage usage;
    wait4(child, &status, 0, &usage);
    std::printf("load peak memory (child's maximum resident set): %.1f MB\n", usage.ru_maxrss / 1024.0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    {
        unlink(path.c_str());
        return 1;
    }

    // The replay's folder as a game folder; the first request loads, every other one is a hit.
    const int hits = argc > 3 ? std::atoi(argv[3]) : 1000000;
    try
    {
        Velmo::Papy::PapyDirectory folder(path);
        const std::string file = path.substr(folder.GetPath().size());
        const std::string base = file.substr(0, file.size() - 4);
        Velmo::Papy::NormalMakeUnknown facet(folder, {});
        Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> first, again;
        facet.Make(first, base, "RPY", false);
        auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < hits; ++i)
            facet.Make(again, base, "RPY", false);
        const double seconds = Seconds(start);
        std::printf("make cache: %d hits in %.3f s (%.0f ns each)%s\n", hits, seconds, seconds / hits * 1e9,
                    again.Get() == first.Get() ? "" : " - NOT THE SAME OBJECT");
    }
    catch (const Velmo::Util::Exception& e)
    {
        std::fprintf(stderr, "%s\n", e.GetText().c_str());
        unlink(path.c_str());
        return 1;
    }
    unlink(path.c_str());
    return 0;
}
