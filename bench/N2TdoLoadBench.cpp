// Loads a large N2 .3do file and prints the load time and the peak memory of the process.
//
//   N2TdoLoadBench [FILE] [--polygons N] [--vertices V] [--runs R]
//
// Without FILE, the independent generator writes the benchmark file into the temporary
// folder: N sub-kind 13 triangles (200000 by default) under one class texture, V vertices and
// V normals (100000). The file is loaded through a factory of the benchmark's own: a grey
// palette and textures of 256 x 256 pixels whatever their name. On an error the benchmark
// prints its text and ends with exit code 1.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Papy/Bitmap/MipFile.h"
#include "Papy/Bitmap/Palette.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Factory/PaletteServer.h"
#include "Papy/N2/N2TdoFile.h"
#include "Util/BinaryFile.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"

using namespace Velmo;
using Util::CountedPointer;

namespace
{
class Texture : public Papy::MipFile
{
public:
    U32 GetBitmapCount() const override { return 0; }
    CountedPointer<Papy::Bitmap> GetBitmap(U32) const override { return {}; }
    U32 GetWidth() const override { return 256; }
    U32 GetHeight() const override { return 256; }
    bool IsPaletted() const override { return false; }
    bool HasIndividualPalettes() const override { return false; }
    CountedPointer<Papy::Palette> GetPalette(U32) const override { return {}; }
    CountedPointer<Papy::Palette> GetPalette() const override { return {}; }
    Papy::Colour GetHeaderColour() const override { return {}; }
    U8 GetRedBits() const override { return 8; }
    U8 GetGreenBits() const override { return 8; }
    U8 GetBlueBits() const override { return 8; }
    U8 GetAlphaBits() const override { return 8; }
    U8 GetTransparency() const override { return 0; }
    U8 GetCompression() const override { return 0; }
    bool RepeatsHorizontally() const override { return true; }
    bool RepeatsVertically() const override { return true; }
    bool IsSelfObscuring() const override { return false; }
    void Save(Util::BinaryStream&) const override {}
    CountedPointer<Papy::MipFile> Clone() const override { return CountedPointer<Papy::MipFile>(new Texture()); }
};

class Textures : public Papy::MakeMip
{
public:
    void Make(CountedPointer<Papy::MipFile>& out, const std::string&, const std::string&, bool) override
    {
        out = m_texture;
    }
    void Adopt(const CountedPointer<Papy::MipFile>&, const std::string&, const std::string&) override {}
    void PurgeCache() override {}

private:
    CountedPointer<Papy::MipFile> m_texture{new Texture()};
};

class GreyPalette : public Papy::PaletteServer
{
public:
    GreyPalette() : m_palette(new Papy::Palette(256))
    {
        for (U32 i = 0; i < 256; ++i)
            m_palette->SetColour(i, Papy::Colour(i / 255.0f, i / 255.0f, i / 255.0f, 1));
    }
    CountedPointer<Papy::Palette> GetCurrentPalette() override { return m_palette; }
    CountedPointer<Papy::Palette> GetBasePalette() override { return m_palette; }
    void PushPalette(CountedPointer<Papy::Palette>) override {}
    void PopPalette() override {}

private:
    CountedPointer<Papy::Palette> m_palette;
};

bool Generate(const std::string& path, long polygons, long vertices)
{
    std::string command = std::string(VELMO_PYTHON3) + " \"" + VELMO_N2TDO_SCRIPT + "\" large \"" + path +
                          "\" --polygons " + std::to_string(polygons) + " --vertices " + std::to_string(vertices);
    return std::system(command.c_str()) == 0;
}

// Loads the file once (opening and reading it, not destroying the result); returns the
// seconds taken, or a negative value with the error text.
double LoadOnce(const std::string& path, Papy::FileFactory& factory, std::size_t& nodes, std::string& error)
{
    double seconds = 0;
    try
    {
        auto start = std::chrono::steady_clock::now();
        CountedPointer<Util::BinaryStream> stream(Util::BinaryFile::OpenRead(path));
        Papy::N2TdoFile file(stream, &factory);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        nodes = file.GetSubObjects().size();
    }
    catch (const Util::Exception& e)
    {
        error = e.GetText();
        return -1;
    }
    return seconds;
}
} // namespace

int main(int argc, char** argv)
{
    std::string path;
    long polygons = 200000, vertices = 100000;
    int runs = 5;
    for (int i = 1; i < argc; ++i)
    {
        std::string arg = argv[i];
        if (arg == "--polygons" && i + 1 < argc)
            polygons = std::atol(argv[++i]);
        else if (arg == "--vertices" && i + 1 < argc)
            vertices = std::atol(argv[++i]);
        else if (arg == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else
            path = arg;
    }
    if (path.empty())
    {
        const char* tmp = std::getenv("TMPDIR");
        path = std::string(tmp != nullptr ? tmp : "/tmp") + "/N2TdoLoadBench.3do";
        if (!Generate(path, polygons, vertices))
        {
            std::printf("the generator failed\n");
            return 1;
        }
    }

    Papy::FileFactory factory;
    factory.AddFacet<Papy::PaletteServer>(new GreyPalette());
    factory.AddFacet<Papy::MakeMip>(new Textures());

    std::size_t nodes = 0;
    std::string error;
    double best = 1e9, first = 0;
    for (int run = 0; run < runs; ++run)
    {
        double seconds = LoadOnce(path, factory, nodes, error);
        if (seconds < 0)
        {
            std::printf("load failed: %s", error.c_str());
            return 1;
        }
        if (run == 0)
            first = seconds;
        best = seconds < best ? seconds : best;
    }
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    long bytes = 0;
    if (f != nullptr)
    {
        std::fseek(f, 0, SEEK_END);
        bytes = std::ftell(f);
        std::fclose(f);
    }
    std::printf("file %s: %ld bytes, %zu nodes\n", path.c_str(), bytes, nodes);
    std::printf("load: first %.3f s, best of %d %.3f s (target 1.0 s)\n", first, runs, best);
    std::printf("peak memory (ru_maxrss): %.1f MB (target 300 MB)\n", usage.ru_maxrss / 1024.0);
    return 0;
}
