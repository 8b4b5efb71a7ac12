// Implode and explode speed, ours against StormLib's, on the same corpus in one run.
//
// The corpus is at least 16 MiB: half text (C and C++ headers), half binary (shared
// libraries and programs), read from the folders given on the command line or by default
// from /usr/include and /usr/lib, cut into container-entry sized pieces of 64 KiB. Each
// piece is imploded and exploded on its own, as a container entry is; each direction is run
// several times, the coders taking turns, and the best time is taken. Speeds are in MB/s of
// unpacked data (10^6 bytes).
//
// Usage: PkCompressionBench [text folder [binary folder]]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Util/PkCompression.h"

#ifdef VELMO_HAVE_STORMLIB
#include <StormLib.h>
#endif

using namespace Velmo;
using namespace Velmo::Util;

namespace
{
typedef std::vector<U8> Bytes;

constexpr size_t pieceSize = 64 * 1024;
constexpr size_t halfCorpus = 8u << 20;
// Runs of each direction (explode is fast, so it gets more); the best time counts.
constexpr int packRuns = 5;
constexpr int unpackRuns = 15;

// Pieces of 64 KiB from the regular files under folder (in name order) whose names pass
// the filter, until size bytes are gathered.
std::vector<Bytes> Gather(const std::string& folder, size_t size, bool (*wanted)(const std::filesystem::path&))
{
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error), end;
         it != end && !error; it.increment(error))
        if (it->is_regular_file(error) && !it->is_symlink(error) && wanted(it->path()))
            files.push_back(it->path());
    std::sort(files.begin(), files.end());

    std::vector<Bytes> pieces;
    Bytes pending;
    for (const fs::path& file : files)
    {
        std::ifstream in(file, std::ios::binary);
        Bytes content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        pending.insert(pending.end(), content.begin(), content.end());
        while (pending.size() >= pieceSize && pieces.size() * pieceSize < size)
        {
            pieces.emplace_back(pending.begin(), pending.begin() + pieceSize);
            pending.erase(pending.begin(), pending.begin() + pieceSize);
        }
        if (pieces.size() * pieceSize >= size)
            break;
    }
    return pieces;
}

bool IsHeader(const std::filesystem::path& p)
{
    std::string e = p.extension().string();
    return e == ".h" || e == ".hpp" || e == ".hxx" || e == "";
}

bool IsBinary(const std::filesystem::path& p)
{
    std::string name = p.filename().string();
    return name.find(".so") != std::string::npos || p.extension() == ".a";
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

struct Coder
{
    const char* name;
    // Packs input into out (sized by the caller) and returns the packed size.
    size_t (*pack)(const Bytes& input, Bytes& out);
    // Unpacks packed into out (sized to the unpacked size) and returns the bytes produced.
    size_t (*unpack)(const Bytes& packed, Bytes& out);
};

size_t OurPack(const Bytes& input, Bytes& out)
{
    return PkCompression::Compress(input.data(), U32(input.size()), out.data(), U32(out.size()));
}

size_t OurUnpack(const Bytes& packed, Bytes& out)
{
    return PkCompression::Decompress(packed.data(), U32(packed.size()), out.data(), U32(out.size()));
}

#ifdef VELMO_HAVE_STORMLIB
size_t StormPack(const Bytes& input, Bytes& out)
{
    int size = int(out.size());
    if (!SCompImplode(out.data(), &size, const_cast<U8*>(input.data()), int(input.size())))
        return 0;
    return size_t(size);
}

// Its explode treats equal packed and unpacked sizes as stored data and refuses outputs
// smaller than the packed data; the output buffers here are sized to avoid both.
size_t StormUnpack(const Bytes& packed, Bytes& out)
{
    int size = int(out.size());
    if (!SCompExplode(out.data(), &size, const_cast<U8*>(packed.data()), int(packed.size())))
        return 0;
    return size_t(size);
}
#endif

struct Figures
{
    double packMBs = 0;
    double unpackMBs = 0;
    size_t packedBytes = 0;
    bool roundTrips = true;
};

// Both directions of every coder. The coders take turns run by run, so that a machine whose
// load changes during the measurement slows them alike.
std::vector<Figures> Measure(const std::vector<Coder>& coders, const std::vector<Bytes>& pieces)
{
    size_t total = 0;
    for (const Bytes& p : pieces)
        total += p.size();

    struct Buffers
    {
        std::vector<Bytes> packed;
        std::vector<Bytes> unpacked;
        std::vector<size_t> packedSize;
        std::vector<size_t> unpackedSize;
        double bestPack = 1e30;
        double bestUnpack = 1e30;
    };
    std::vector<Buffers> buffers(coders.size());
    for (Buffers& b : buffers)
    {
        b.packed.resize(pieces.size());
        b.unpacked.resize(pieces.size());
        b.packedSize.resize(pieces.size());
        b.unpackedSize.resize(pieces.size());
        for (size_t i = 0; i < pieces.size(); ++i)
        {
            b.packed[i].resize(PkCompression::MaxCompressedSize(U32(pieces[i].size())) + 64);
            b.unpacked[i].resize(std::max(pieces[i].size(), b.packed[i].size()) + 1);
        }
    }

    for (int run = 0; run < packRuns; ++run)
        for (size_t c = 0; c < coders.size(); ++c)
        {
            Buffers& b = buffers[c];
            auto start = std::chrono::steady_clock::now();
            for (size_t i = 0; i < pieces.size(); ++i)
                b.packedSize[i] = coders[c].pack(pieces[i], b.packed[i]);
            b.bestPack = std::min(b.bestPack, Seconds(start));
        }

    std::vector<Figures> figures(coders.size());
    for (size_t c = 0; c < coders.size(); ++c)
    {
        Buffers& b = buffers[c];
        figures[c].packMBs = total / b.bestPack / 1e6;
        for (size_t i = 0; i < pieces.size(); ++i)
        {
            figures[c].packedBytes += b.packedSize[i];
            b.packed[i].resize(b.packedSize[i]);
        }
    }

    for (int run = 0; run < unpackRuns; ++run)
        for (size_t c = 0; c < coders.size(); ++c)
        {
            Buffers& b = buffers[c];
            auto start = std::chrono::steady_clock::now();
            for (size_t i = 0; i < pieces.size(); ++i)
                b.unpackedSize[i] = coders[c].unpack(b.packed[i], b.unpacked[i]);
            b.bestUnpack = std::min(b.bestUnpack, Seconds(start));
        }

    for (size_t c = 0; c < coders.size(); ++c)
    {
        Buffers& b = buffers[c];
        figures[c].unpackMBs = total / b.bestUnpack / 1e6;
        for (size_t i = 0; i < pieces.size(); ++i)
            figures[c].roundTrips = figures[c].roundTrips && b.unpackedSize[i] == pieces[i].size() &&
                                    std::memcmp(b.unpacked[i].data(), pieces[i].data(), pieces[i].size()) == 0;
    }
    return figures;
}
} // namespace

int main(int argc, char** argv)
{
    std::string textFolder = argc > 1 ? argv[1] : "/usr/include";
    std::string binaryFolder = argc > 2 ? argv[2] : "/usr/lib";
    std::vector<Bytes> text = Gather(textFolder, halfCorpus, IsHeader);
    std::vector<Bytes> binary = Gather(binaryFolder, halfCorpus, IsBinary);
    std::vector<Bytes> corpus;
    // Interleaved, as the entries of a container mix kinds.
    for (size_t i = 0; i < std::max(text.size(), binary.size()); ++i)
    {
        if (i < text.size())
            corpus.push_back(text[i]);
        if (i < binary.size())
            corpus.push_back(binary[i]);
    }
    size_t total = corpus.size() * pieceSize;
    std::printf("corpus: %zu pieces of %zu KiB (%zu text, %zu binary), %.1f MiB\n", corpus.size(), pieceSize / 1024,
                text.size(), binary.size(), total / 1048576.0);
    if (total < 2 * halfCorpus)
        std::printf("warning: the corpus is smaller than 16 MiB; give folders with more files\n");

    std::vector<Coder> coders = {{"ours", OurPack, OurUnpack}};
#ifdef VELMO_HAVE_STORMLIB
    coders.push_back({"StormLib", StormPack, StormUnpack});
#else
    std::printf("StormLib is not installed: only our figures\n");
#endif

    std::printf("%-10s %14s %14s %10s %s\n", "coder", "implode MB/s", "explode MB/s", "ratio", "round trip");
    std::vector<Figures> all = Measure(coders, corpus);
    for (size_t c = 0; c < coders.size(); ++c)
    {
        const Figures& f = all[c];
        std::printf("%-10s %14.1f %14.1f %9.1f%% %s\n", coders[c].name, f.packMBs, f.unpackMBs,
                    100.0 * f.packedBytes / total, f.roundTrips ? "ok" : "FAILED");
    }
    if (all.size() == 2)
        std::printf("ours / StormLib: implode %.2fx, explode %.2fx\n", all[0].packMBs / all[1].packMBs,
                    all[0].unpackMBs / all[1].unpackMBs);
    bool ok = true;
    for (const Figures& f : all)
        ok = ok && f.roundTrips;
    return ok ? 0 : 1;
}
