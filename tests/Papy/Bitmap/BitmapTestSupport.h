#pragma once
// Loading bitmap files from memory for the tests, the samples and listings of the
// independent checker (bitmap.py), and running the checker on files our writers made.
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Papy/Bitmap/GPLBMAPSection.h"
#include "Papy/Bitmap/GPLMipFile.h"
#include "Papy/Bitmap/GPLPbfFile.h"
#include "Papy/Bitmap/GPLSrbFile.h"
#include "Papy/Bitmap/N2MipFile.h"
#include "Papy/Bitmap/N2SrbFile.h"
#include "Papy/Bitmap/N4MipFile.h"
#include "Papy/Bitmap/N4StpFile.h"
#include "Papy/Bitmap/PcxFile.h"
#include "Papy/Model/Options.h"
#include "Support/TempFolder.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"

#ifndef VELMO_PYTHON3
#define VELMO_PYTHON3 "python3"
#endif

namespace VelmoTest
{
typedef std::vector<std::uint8_t> Bytes;

inline std::string SampleFolder()
{
    return VELMO_BITMAP_SAMPLE_DIR;
}

inline Bytes ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::vector<std::vector<std::string>> ReadTable(const std::string& path)
{
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line))
    {
        std::vector<std::string> fields;
        std::istringstream words(line);
        std::string field;
        while (std::getline(words, field, '\t'))
            fields.push_back(field);
        if (!fields.empty())
            rows.push_back(fields);
    }
    return rows;
}

class StrictGuard
{
public:
    explicit StrictGuard(bool strict) : m_old(Velmo::Papy::Options::Instance()->Strict)
    {
        Velmo::Papy::Options::Instance()->Strict = strict;
    }
    ~StrictGuard() { Velmo::Papy::Options::Instance()->Strict = m_old; }

private:
    bool m_old;
};

// A file of one of the checker's kinds, loaded by our readers: its levels and its writer.
struct LoadedBitmap
{
    std::vector<Velmo::Util::CountedPointer<Velmo::Papy::Bitmap>> levels;
    std::function<void(Velmo::Util::BinaryStream&)> save;
};

// Kinds: pbf, bmap1 (a BMAP chunk accepting method 1), cmap, mip, m16, mip1 (header version 1
// accepted), srb, srb-strict; n2mip and n2srb (read with the grey ramp), n4mip, stp, pcx (the
// palette as one level of 256 x 1).
inline LoadedBitmap LoadKind(const Bytes& bytes, const std::string& kind, const std::string& name = "sample")
{
    using namespace Velmo;
    using namespace Velmo::Papy;
    Util::MemoryStream stream(bytes, name);
    LoadedBitmap loaded;
    if (kind == "pbf")
    {
        Util::CountedPointer<GPLPbfFile> file(new GPLPbfFile(stream));
        loaded.levels.push_back(file->GetBitmap());
        loaded.save = [file](Util::BinaryStream& out) { file->Save(out); };
    }
    else if (kind == "bmap1")
    {
        Util::CountedPointer<GPLBMAPSection> section(new GPLBMAPSection(stream, nullptr, 1));
        loaded.levels.push_back(section);
        loaded.save = [section](Util::BinaryStream& out) { section->Write(out); };
    }
    else if (kind == "cmap")
    {
        Util::CountedPointer<Palette> palette = GPLBMAPSection::ReadPalette(stream);
        loaded.save = [palette](Util::BinaryStream& out) { GPLBMAPSection::WritePalette(*palette, out); };
    }
    else if (kind == "mip" || kind == "m16" || kind == "mip1")
    {
        Util::CountedPointer<GPLMipFile> file(new GPLMipFile(stream, kind == "mip1" ? 1 : 0));
        for (U32 i = 0; i < file->GetBitmapCount(); ++i)
            loaded.levels.push_back(file->GetBitmap(i));
        loaded.save = [file](Util::BinaryStream& out) { file->Save(out); };
    }
    else if (kind == "srb" || kind == "srb-strict")
    {
        StrictGuard strict(kind == "srb-strict");
        Util::CountedPointer<GPLSrbFile> file(new GPLSrbFile(stream));
        for (U32 i = 0; i < file->GetBitmapCount(); ++i)
            loaded.levels.push_back(file->GetBitmap(i));
        loaded.save = [file](Util::BinaryStream& out) { file->Save(out); };
    }
    else if (kind == "n2mip")
    {
        Util::CountedPointer<N2MipFile> file(new N2MipFile(stream, N2PaletteSource()));
        for (U32 i = 0; i < file->GetBitmapCount(); ++i)
            loaded.levels.push_back(file->GetBitmap(i));
        loaded.save = [file](Util::BinaryStream& out) { file->Save(out); };
    }
    else if (kind == "n2srb")
    {
        Util::CountedPointer<N2SrbFile> file(new N2SrbFile(stream, N2PaletteSource()));
        for (U32 i = 0; i < file->GetBitmapCount(); ++i)
            loaded.levels.push_back(file->GetBitmap(i));
        loaded.save = [file](Util::BinaryStream& out) { file->Save(out); };
    }
    else if (kind == "n4mip")
    {
        Util::CountedPointer<N4MipFile> file(new N4MipFile(stream));
        for (U32 i = 0; i < file->GetBitmapCount(); ++i)
            loaded.levels.push_back(file->GetBitmap(i));
        loaded.save = [file](Util::BinaryStream& out) { file->Save(out); };
    }
    else if (kind == "stp")
    {
        Util::CountedPointer<N4StpFile> file(new N4StpFile(stream));
        loaded.levels.push_back(file->GetBitmap());
        loaded.save = [file](Util::BinaryStream& out) { file->Save(out); };
    }
    else if (kind == "pcx")
    {
        Util::CountedPointer<PcxFile> file(new PcxFile(stream));
        Util::CountedPointer<BitmapSimple> entries(new BitmapSimple());
        entries->Resize(1, PcxFile::EntryCount);
        for (U32 i = 0; i < PcxFile::EntryCount; ++i)
            entries->SetPixel(0, i, (*file->GetPalette())[i]);
        loaded.levels.push_back(entries);
        // The palette is written over an image that is already there.
        loaded.save = [file, bytes](Util::BinaryStream& out) {
            out.Write(U32(bytes.size()), bytes.data());
            file->Write(out);
        };
    }
    else
        ADD_FAILURE() << "unknown kind " << kind;
    return loaded;
}

// A pixel listing of the checker: per level its size and every pixel, rows top first.
struct Listing
{
    struct Level
    {
        std::uint32_t width = 0;
        std::uint32_t height = 0;
        std::vector<std::array<double, 4>> pixels;
    };
    std::vector<Level> levels;
};

inline Listing ReadListing(const std::string& path)
{
    Listing listing;
    std::ifstream in(path);
    std::string word;
    std::size_t count = 0;
    in >> word >> count;
    for (std::size_t i = 0; i < count; ++i)
    {
        Listing::Level level;
        in >> word >> level.width >> level.height;
        level.pixels.resize(std::size_t(level.width) * level.height);
        for (auto& p : level.pixels)
            in >> p[0] >> p[1] >> p[2] >> p[3];
        listing.levels.push_back(level);
    }
    return listing;
}

// Every pixel of the bitmaps agrees with the listing within a float rounding.
inline void ExpectPixels(const std::vector<Velmo::Util::CountedPointer<Velmo::Papy::Bitmap>>& levels,
                         const Listing& listing, const std::string& name)
{
    ASSERT_EQ(levels.size(), listing.levels.size()) << name;
    for (std::size_t m = 0; m < levels.size(); ++m)
    {
        const auto& want = listing.levels[m];
        const auto& level = *levels[m];
        ASSERT_EQ(level.GetWidth(), want.width) << name << " level " << m;
        ASSERT_EQ(level.GetHeight(), want.height) << name << " level " << m;
        for (std::uint32_t r = 0; r < want.height; ++r)
            for (std::uint32_t c = 0; c < want.width; ++c)
            {
                Velmo::Papy::Colour got = level.GetPixel(r, c);
                const auto& p = want.pixels[std::size_t(r) * want.width + c];
                const float channels[4] = {got.GetRed(), got.GetGreen(), got.GetBlue(), got.GetAlpha()};
                for (int k = 0; k < 4; ++k)
                    ASSERT_NEAR(channels[k], p[k], 1e-6)
                        << name << " level " << m << " pixel " << r << "," << c << " channel " << k;
            }
    }
}

// Every level of a chain file, level 0 first.
inline std::vector<Velmo::Util::CountedPointer<Velmo::Papy::Bitmap>> Levels(const Velmo::Papy::MipChainFile& file)
{
    std::vector<Velmo::Util::CountedPointer<Velmo::Papy::Bitmap>> levels;
    for (Velmo::U32 i = 0; i < file.GetBitmapCount(); ++i)
        levels.push_back(file.GetBitmap(i));
    return levels;
}

// Whether two colours are the same to the bit.
inline bool Same(const Velmo::Papy::Colour& a, const Velmo::Papy::Colour& b)
{
    return a == b;
}

// Runs the checker on a file; returns its first output line ("ok" or the rule broken).
inline std::string RunChecker(const std::string& arguments)
{
    std::string command = std::string(VELMO_PYTHON3) + " \"" + VELMO_TEST_SOURCE_DIR +
                          "/Papy/Bitmap/bitmap.py\" " + arguments;
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return "cannot run " + command;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    pclose(pipe);
    return output.substr(0, output.find('\n'));
}

inline std::string ExceptionText(const std::function<void()>& f)
{
    try
    {
        f();
    }
    catch (const Velmo::Util::XAssertion& e)
    {
        return e.GetExpression();
    }
    catch (const Velmo::Util::XFileFormat& e)
    {
        return e.GetMessage();
    }
    catch (const Velmo::Util::Exception& e)
    {
        return e.GetText();
    }
    return "no exception";
}

// The bytes a save writes.
inline Bytes Saved(const std::function<void(Velmo::Util::BinaryStream&)>& save)
{
    Velmo::Util::MemoryStream out("saved");
    save(out);
    return out.GetBytes();
}

// Saves through a file on disk, has the checker read it as the kind, and compares its decode
// of every pixel with the levels.
inline void ExpectCheckerAgrees(const std::function<void(Velmo::Util::BinaryStream&)>& save,
                                const std::vector<Velmo::Util::CountedPointer<Velmo::Papy::Bitmap>>& levels,
                                const std::string& kind, const std::string& name)
{
    TempFolder folder;
    std::string path = folder.Path(name);
    {
        std::unique_ptr<Velmo::Util::BinaryFile> file(Velmo::Util::BinaryFile::CreateAlways(path));
        save(*file);
        file->Commit();
    }
    std::string pixels = folder.Path(name + ".pixels");
    EXPECT_EQ(RunChecker("check \"" + path + "\" --kind " + kind + " --pixels \"" + pixels + "\""), "ok") << name;
    ExpectPixels(levels, ReadListing(pixels), name);
}
} // namespace VelmoTest
