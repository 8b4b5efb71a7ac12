// Reads a 64 MiB file through BinaryFile in 4-byte reads and in one read, and prints both
// times and their ratio. Usage: BinaryFileBench [folder for the temporary file]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "Util/BinaryFile.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"

using namespace Velmo;
using namespace Velmo::Util;

namespace
{
constexpr U32 fileSize = 64u << 20;

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Both ways go through the abstract stream, as the format readers do.
double ReadInSmallPieces(const std::string& path, U32& checksum)
{
    auto start = std::chrono::steady_clock::now();
    CountedPointer<BinaryStream> stream(BinaryFile::OpenRead(path));
    BinaryStream& s = *stream;
    U32 sum = 0;
    for (U32 i = 0; i < fileSize / 4; ++i)
    {
        U32 value;
        s.Read(4, &value);
        sum += value;
    }
    checksum = sum;
    return Seconds(start);
}

// The destination is allocated and touched beforehand: only the reading is timed.
double ReadAtOnce(const std::string& path, std::vector<U32>& data, U32& checksum)
{
    auto start = std::chrono::steady_clock::now();
    CountedPointer<BinaryStream> stream(BinaryFile::OpenRead(path));
    stream->Read(fileSize, data.data());
    U32 sum = 0;
    for (U32 value : data)
        sum += value;
    checksum = sum;
    return Seconds(start);
}
} // namespace

int main(int argc, char** argv)
{
    std::string folder = argc > 1 ? argv[1] : (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
    std::string path = folder + "/BinaryFileBench." + std::to_string(getpid()) + ".bin";
    try
    {
        {
            CountedPointer<BinaryFile> file(BinaryFile::CreateNew(path));
            std::vector<U32> block(1 << 16);
            for (U32 offset = 0; offset < fileSize; offset += U32(block.size() * 4))
            {
                for (std::size_t i = 0; i < block.size(); ++i)
                    block[i] = U32(offset / 4 + i) * 2654435761u;
                file->Write(U32(block.size() * 4), block.data());
            }
            file->Commit();
        }

        // Warm the page cache, then take the best of five runs of each.
        U32 small = 0, whole = 0;
        std::vector<U32> data(fileSize / 4);
        ReadAtOnce(path, data, whole);
        double smallBest = 1e9, wholeBest = 1e9;
        for (int run = 0; run < 5; ++run)
        {
            smallBest = std::min(smallBest, ReadInSmallPieces(path, small));
            wholeBest = std::min(wholeBest, ReadAtOnce(path, data, whole));
        }
        unlink(path.c_str());
        if (small != whole)
        {
            std::fprintf(stderr, "checksums differ: %08x %08x\n", small, whole);
            return 1;
        }
        std::printf("64 MiB in 4-byte reads: %.1f ms\n", smallBest * 1000);
        std::printf("64 MiB in one read:     %.1f ms\n", wholeBest * 1000);
        std::printf("ratio: %.2f (target: at most 3)\n", smallBest / wholeBest);
        return 0;
    }
    catch (const Exception& e)
    {
        unlink(path.c_str());
        std::fprintf(stderr, "%s", e.GetText().c_str());
        return 1;
    }
}
