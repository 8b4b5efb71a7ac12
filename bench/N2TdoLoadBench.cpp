// Loads a large N2 .3do file and prints the load time and the peak memory of the process.
//
//   N2TdoLoadBench [FILE] [--polygons N] [--vertices V] [--runs R]
//
// Without FILE, the independent generator writes the benchmark file into the temporary
// folder: N sub-kind 13 triangles (200000 by default) under one class texture, V vertices and
// V normals (100000). The file is loaded through a factory of the benchmark's own: a grey
// palette and textures of 256 x 256 pixels whatever their name. On an error the benchmark
// prints its text and ends with exit code 1.
#include <cstdio>
#include <cstdlib>
#include <memory>
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
#include "bench/LoadBench.h"
#include "tests/Papy/N2/N2FactorySupport.h"

using namespace Velmo;
using Util::CountedPointer;

namespace
{
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
    CountedPointer<Papy::MipFile> m_texture{new VelmoTest::SizedMip(256, 256)};
};

CountedPointer<Papy::Palette> GreyPalette()
{
    CountedPointer<Papy::Palette> palette(new Papy::Palette(256));
    for (U32 i = 0; i < 256; ++i)
        palette->SetColour(i, Papy::Colour(i / 255.0f, i / 255.0f, i / 255.0f, 1));
    return palette;
}

bool Generate(const std::string& path, long polygons, long vertices)
{
    std::string command = std::string(VELMO_PYTHON3) + " \"" + VELMO_N2TDO_SCRIPT + "\" large \"" + path +
                          "\" --polygons " + std::to_string(polygons) + " --vertices " + std::to_string(vertices);
    return std::system(command.c_str()) == 0;
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
    factory.AddFacet<Papy::PaletteServer>(new VelmoTest::OnePaletteServer(GreyPalette()));
    factory.AddFacet<Papy::MakeMip>(new Textures());

    return VelmoBench::TimeLoads(path, runs, 1.0, 300, [&] {
        Util::CountedPointer<Util::BinaryStream> stream(Util::BinaryFile::OpenRead(path));
        return std::make_unique<Papy::N2TdoFile>(stream, &factory);
    });
}
