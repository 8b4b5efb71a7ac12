#pragma once
// What the N2 tests share: a factory of their own (a fixed palette server and textures of
// given sizes by name), loading bytes through it, the generator's samples, and the listing of
// a loaded file in the generator's terms (n2tdo.py).
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Papy/Bitmap/MipFile.h"
#include "Papy/Bitmap/Palette.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Factory/PaletteServer.h"
#include "Papy/N2/N2TdoFile.h"
#include "N2FactorySupport.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"

namespace VelmoTest
{
typedef std::vector<std::uint8_t> Bytes;
using Velmo::U32;
using Velmo::U8;
using Velmo::Util::CountedPointer;
namespace Papy = Velmo::Papy;

// Textures by name from a fixed table; any other name is "File not found". Counts the calls.
class SizedMakeMip : public Papy::MakeMip
{
public:
    explicit SizedMakeMip(std::map<std::string, std::pair<U32, U32>> sizes) : m_sizes(std::move(sizes)) {}
    void Make(CountedPointer<Papy::MipFile>& out, const std::string& name, const std::string& extension,
              bool datOnly) override
    {
        ++Calls;
        EXPECT_EQ(extension, "");
        EXPECT_FALSE(datOnly);
        auto p = m_sizes.find(name);
        if (p == m_sizes.end())
            throw Velmo::Util::XFileOpen(name, "File not found");
        out = CountedPointer<Papy::MipFile>(new SizedMip(p->second.first, p->second.second));
    }
    void Adopt(const CountedPointer<Papy::MipFile>&, const std::string&, const std::string&) override {}
    void PurgeCache() override {}
    int Calls = 0;

private:
    std::map<std::string, std::pair<U32, U32>> m_sizes;
};

// A stack of palettes, as the N2 server keeps them.
class StackPaletteServer : public Papy::PaletteServer
{
public:
    CountedPointer<Papy::Palette> GetCurrentPalette() override
    {
        return m_stack.empty() ? CountedPointer<Papy::Palette>() : m_stack.back();
    }
    CountedPointer<Papy::Palette> GetBasePalette() override
    {
        return m_stack.empty() ? CountedPointer<Papy::Palette>() : m_stack.front();
    }
    void PushPalette(CountedPointer<Papy::Palette> palette) override { m_stack.push_back(palette); }
    void PopPalette() override { m_stack.pop_back(); }

private:
    std::vector<CountedPointer<Papy::Palette>> m_stack;
};

inline Papy::Colour ByteColour(int r, int g, int b, int a)
{
    return Papy::Colour(r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f);
}

// The generator's two palettes (n2tdo.py palette_a and palette_b).
inline CountedPointer<Papy::Palette> PaletteA()
{
    CountedPointer<Papy::Palette> p(new Papy::Palette(256));
    for (int i = 1; i < 256; ++i)
        p->SetColour(U32(i), ByteColour(i, 255 - i, (7 * i) & 255, 255));
    return p;
}

inline CountedPointer<Papy::Palette> PaletteB()
{
    CountedPointer<Papy::Palette> p(new Papy::Palette(256));
    for (int i = 1; i < 256; ++i)
        p->SetColour(U32(i), ByteColour((3 * i) & 255, i, 128, 255));
    return p;
}

// The factory of the tests: palette A in force, the generator's texture sizes.
struct TestFactory
{
    TestFactory()
    {
        Server = new StackPaletteServer();
        Maker = new SizedMakeMip({{"road", {64, 32}}, {"sky", {128, 128}}, {"tiny", {1, 1}}, {"strip", {256, 1}},
                                  {"empty", {0, 16}}});
        Factory.AddFacet<Papy::PaletteServer>(Server);
        Factory.AddFacet<Papy::MakeMip>(Maker);
        Server->PushPalette(PaletteA());
    }
    Papy::FileFactory Factory;
    StackPaletteServer* Server;
    SizedMakeMip* Maker;
};

// A read-only stream that owns its bytes.
struct BytesHolder
{
    Bytes Data;
};

class OwnedBuffer : private BytesHolder, public Velmo::Util::CharBuffer
{
public:
    OwnedBuffer(const std::string& name, Bytes bytes) : BytesHolder{std::move(bytes)}, CharBuffer(name)
    {
        Attach(U32(Data.size()), Data.data());
    }
};

inline CountedPointer<Papy::N2TdoFile> Load(const Bytes& bytes, Papy::FileFactory& factory,
                                            const std::string& name = "test.3do")
{
    CountedPointer<Velmo::Util::BinaryStream> stream(new OwnedBuffer(name, bytes));
    return CountedPointer<Papy::N2TdoFile>(new Papy::N2TdoFile(stream, &factory));
}

// The error line of the generator's bad.list for what loading the bytes (as "test.3do")
// throws, or "loaded". Format and read errors must name the file; an assertion is given with
// its source unit.
inline std::string LoadError(const Bytes& bytes, Papy::FileFactory& factory)
{
    try
    {
        Load(bytes, factory);
    }
    catch (const Velmo::Util::XFileFormat& e)
    {
        if (e.GetText() != "A possible error was found in file test.3do\n" + e.GetMessage() + "\n")
            return "format naming another file: " + e.GetText();
        return "format: " + e.GetMessage();
    }
    catch (const Velmo::Util::XFileRead& e)
    {
        return e.GetText() == "Couldn't read from test.3do\n" ? "read" : "read: " + e.GetText();
    }
    catch (const Velmo::Util::XAssertion& e)
    {
        std::string unit = e.GetFile();
        if (unit.rfind(".\\", 0) == 0)
            unit.erase(0, 2);
        if (unit.size() > 4 && unit.compare(unit.size() - 4, 4, ".cpp") == 0)
            unit.erase(unit.size() - 4);
        return std::string("assertion: ") + e.GetExpression() + " (" + unit + ")";
    }
    catch (const Velmo::Util::XFileOpen& e)
    {
        return "open: " + e.GetText();
    }
    return "loaded";
}

inline std::string SampleFolder()
{
    return VELMO_N2_SAMPLE_DIR;
}

inline Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string ReadText(const std::string& path)
{
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline const std::vector<std::string>& SampleNames()
{
    static const std::vector<std::string> names = {"minimal", "allkinds", "track", "groove", "textures"};
    return names;
}

// The generator's listing of a loaded file (see n2tdo.py): one line per node in id order.
std::string ListFile(const Papy::N2TdoFile& file);
} // namespace VelmoTest
