// DAT containers and the factory registry:
//   - parse the directory of an N4 archive of 10,000 entries (target 50 ms);
//   - open its 10,000 entries by name, in shuffled order (target 100 ms);
//   - a cached GetFactory of a folder (target 5 us);
//   - Build + Save of an N4 archive from 1,000 files of 20 KB each, 20 MB, imploded (target 5 s).
// Files are written under a temporary folder; the best and the median of several runs are printed.
//
//   DatBench [folder for the temporary files, default $TMPDIR or /tmp]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>
#include <unistd.h>

#include "Papy/Container/N4DatFile.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Util/BinaryStream.h"
#include "Util/Exception.h"
#include "Util/PkCompression.h"
#include "Util/StreamIO.h"

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
typedef std::chrono::steady_clock Clock;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Figures
{
    std::vector<double> runs;
    void Print(const char* what, double scale, const char* unit, double target) const
    {
        std::vector<double> sorted = runs;
        std::sort(sorted.begin(), sorted.end());
        double best = sorted.front() * scale, median = sorted[sorted.size() / 2] * scale;
        std::printf("%-44s best %9.3f %s, median %9.3f %s (target %g %s) %s\n", what, best, unit, median, unit, target,
                    unit, median < target ? "ok" : "SLOW");
    }
};

// Text-like bytes that implode to about a third.
std::string Content(std::size_t size, unsigned seed)
{
    static const char* words[] = {"track ", "section ", "wall ", "grass ", "kerb ", "0.125 ", "-3.5 ", "\r\n"};
    std::mt19937 random(seed);
    std::string text;
    text.reserve(size + 16);
    while (text.size() < size)
    {
        text += words[random() % 8];
        if (random() % 5 == 0)
            text += char('a' + random() % 26);
    }
    text.resize(size);
    return text;
}

// An N4 archive of count small entries, every other one imploded, written byte by byte.
void WriteLargeArchive(const std::string& path, int count, std::vector<std::string>& names)
{
    std::vector<std::vector<U8>> data;
    std::vector<U8> methods;
    std::vector<U32> sizes;
    U32 directorySize = 0;
    for (int i = 0; i < count; ++i)
    {
        bool packed = i % 2 == 1;
        std::string name = std::string(i % 3 == 0 ? "art\\" : "") + "entry" + std::to_string(i) + (packed ? ".txt" : ".mip");
        names.push_back(name);
        std::string content = Content(64 + i % 64, unsigned(i));
        std::vector<U8> bytes(content.begin(), content.end());
        sizes.push_back(U32(bytes.size()));
        if (packed)
        {
            std::vector<U8> out(Util::PkCompression::MaxCompressedSize(U32(bytes.size())));
            out.resize(Util::PkCompression::Compress(bytes.data(), U32(bytes.size()), out.data(), U32(out.size())));
            bytes = out;
        }
        data.push_back(bytes);
        methods.push_back(packed ? 2 : 0);
        directorySize += U32(16 + name.size());
    }
    std::vector<U8> file(10);
    Util::EncodeLE<S16>(S16(-count), file.data());
    Util::EncodeLE<U32>(directorySize, file.data() + 2);
    U32 offset = 10 + directorySize;
    for (int i = 0; i < count; ++i)
    {
        U8 head[15];
        head[0] = 5;
        head[1] = methods[i];
        Util::EncodeLE<U32>(sizes[i], head + 2);
        Util::EncodeLE<U32>(U32(data[i].size()), head + 6);
        Util::EncodeLE<U32>(offset, head + 10);
        head[14] = U8(names[i].size());
        file.insert(file.end(), head, head + 15);
        file.insert(file.end(), names[i].begin(), names[i].end());
        file.push_back(0);
        offset += U32(data[i].size());
    }
    for (const auto& bytes : data)
        file.insert(file.end(), bytes.begin(), bytes.end());
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
}

// A recognizer that takes every folder, for the registry's cache.
class AnyFolder : public FileFactoryRecognizer
{
public:
    explicit AnyFolder(FileFactoryRegistry& registry) : FileFactoryRecognizer(true, registry) {}
    Util::CountedPointer<FileFactory> MakeDirectoryFactory(const PapyDirectory&, bool) override
    {
        return Util::CountedPointer<FileFactory>(new FileFactory);
    }
    Util::CountedPointer<FileFactory> MakeDatFactory(const std::string&, bool) override { return {}; }
    bool RecognizeDatHeader(const std::string&) override { return false; }
    bool RecognizeDatContent(const std::string&) override { return false; }
    bool RecognizeDirectory(const PapyDirectory&) override { return true; }
};
} // namespace

int main(int argc, char** argv)
{
    const char* tmp = std::getenv("TMPDIR");
    std::string base = argc > 1 ? argv[1] : (tmp != nullptr && *tmp ? tmp : "/tmp");
    std::string folder = base + "/DatBench-" + std::to_string(getpid());
    std::filesystem::create_directories(folder + "/Oval/art");
    try
    {
        // Parsing and opening by name.
        std::vector<std::string> names;
        const std::string large = folder + "/large.dat";
        WriteLargeArchive(large, 10000, names);
        Figures parse, open;
        std::mt19937 random(2026);
        for (int run = 0; run < 15; ++run)
        {
            Clock::time_point start = Clock::now();
            N4DatFile dat(large, false);
            parse.runs.push_back(Seconds(start));
            if (dat.GetEntryCount() != 10000)
                throw Util::XUsage("wrong entry count");

            std::shuffle(names.begin(), names.end(), random);
            start = Clock::now();
            U64 total = 0;
            for (const std::string& name : names)
                total += dat.OpenEntry(name)->Size();
            open.runs.push_back(Seconds(start));
            if (total == 0)
                throw Util::XUsage("nothing opened");
        }
        parse.Print("parse an N4 archive of 10,000 entries", 1e3, "ms", 50);
        open.Print("10,000 OpenEntry(name)", 1e3, "ms", 100);

        // The registry's cache.
        FileFactoryRegistry registry;
        AnyFolder recognizer(registry);
        const std::string oval = folder + "/Oval";
        registry.GetFactory(oval, false);
        Figures cached;
        const int calls = 20000;
        for (int run = 0; run < 9; ++run)
        {
            Clock::time_point start = Clock::now();
            for (int i = 0; i < calls; ++i)
                registry.GetFactory(i % 2 ? oval : oval + "/", false);
            cached.runs.push_back(Seconds(start) / calls);
        }
        cached.Print("cached GetFactory", 1e6, "us", 5);

        // Build and Save: 1,000 files of 20 KB, imploded.
        for (int i = 0; i < 1000; ++i)
        {
            std::string content = Content(20000, unsigned(i) + 7);
            std::ofstream(oval + (i % 4 == 0 ? "/art/" : "/") + "part" + std::to_string(i) + ".txt", std::ios::binary)
                .write(content.data(), std::streamsize(content.size()));
        }
        Figures build;
        U64 archived = 0;
        for (int run = 0; run < 3; ++run)
        {
            std::filesystem::remove(oval + "/Oval.dat");
            Clock::time_point start = Clock::now();
            N4DatFile dat(oval + "/Oval.dat");
            dat.Build(false);
            dat.Save();
            build.runs.push_back(Seconds(start));
            archived = 0;
            for (int i = 0; i < dat.GetEntryCount(); ++i)
                archived += dat.GetEntryCompressedSize(i);
        }
        build.Print("Build + Save of 1,000 files, 20 MB", 1, "s", 5);
        std::printf("  (20,000,000 bytes imploded to %llu)\n", static_cast<unsigned long long>(archived));
    }
    catch (const Util::Exception& e)
    {
        std::printf("failed: %s\n", e.GetText().c_str());
        std::filesystem::remove_all(folder);
        return 1;
    }
    std::filesystem::remove_all(folder);
    return 0;
}
