// libFuzzer harness of the N2 .3do reader. Each input is loaded from memory through a factory
// of the harness's own (a palette of 200 colours, so that some indexes fall beyond it, and a
// texture for every name, sized by the name's length: 0, 1 and other sizes all occur). A file
// that loads is used as a viewer would: the tree is walked from the root and every polygon,
// line and colour-map colour is asked, every node's generic values are asked. When the file
// has one PRIM section, every record written back at its own offset must rebuild that section
// byte for byte. Our own exceptions are the answers a bad file may give; anything else (a
// crash, a sanitizer report, another exception, a record written back differently) is a
// finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Papy/Bitmap/MipFile.h"
#include "Papy/Bitmap/Palette.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Factory/PaletteServer.h"
#include "Papy/Model/ThreeDObjectColourMap.h"
#include "Papy/Model/ThreeDObjectLine.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/N2/N2TdoFile.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"
#include "Papy/N2/N2FactorySupport.h"

using namespace Velmo;
using Util::CountedPointer;

namespace
{
[[noreturn]] void Finding(const char* what, const std::string& detail = "")
{
    std::fprintf(stderr, "N2TdoFuzz: %s\n%s\n", what, detail.c_str());
    std::abort();
}

class Textures : public Papy::MakeMip
{
public:
    void Make(CountedPointer<Papy::MipFile>& out, const std::string& name, const std::string&, bool) override
    {
        const U32 size = U32(name.size());
        out = CountedPointer<Papy::MipFile>(new VelmoTest::SizedMip(size, size == 0 ? 0 : 2 * size - 1));
    }
    void Adopt(const CountedPointer<Papy::MipFile>&, const std::string&, const std::string&) override {}
    void PurgeCache() override {}
};

// 200 colours, so that some indexes fall beyond the palette.
CountedPointer<Papy::Palette> ShortPalette()
{
    CountedPointer<Papy::Palette> palette(new Papy::Palette(200));
    for (U32 i = 1; i < 200; ++i)
        palette->SetColour(i, Papy::Colour(i / 255.0f, 0.5f, 0.25f, 1));
    return palette;
}

// Asks the values a viewer shows of each node it reaches.
class Viewer : public Papy::ThreeDObjectVisitor
{
public:
    void VisitPolygon(Papy::ThreeDObjectPolygon& p) override
    {
        Ask([&] {
            p.GetColour();
            for (int i = 0; i < p.GetVertexCount(); ++i)
            {
                p.GetVertexId(i);
                if (p.HasTextureVertices())
                    p.GetTextureVertex(i);
                if (p.HasShades())
                    p.GetShade(i);
                if (p.HasNormals())
                    p.GetNormalId(i);
            }
            for (int i = 0; i < p.GetVertexCount(); ++i)
                p.GetVertex(i);
        });
    }
    void VisitLine(Papy::ThreeDObjectLine& l) override
    {
        Ask([&] {
            l.GetColour();
            l.GetFromVertex();
            l.GetToVertex();
        });
    }
    bool EnterColourMap(Papy::ThreeDObjectColourMap& m) override
    {
        Ask([&] {
            for (int i = 0; i < m.GetEntryCount(); ++i)
                m.GetColour(i);
        });
        return true;
    }

private:
    template <class F>
    static void Ask(F f)
    {
        try
        {
            f();
        }
        catch (const Util::Exception&)
        {
        }
    }
};

// The data of the one PRIM section of the input, or false when it has none or several.
bool OnePrim(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& prim)
{
    int count = 0;
    std::size_t at = 12;
    while (at + 12 <= size)
    {
        const U32 length = Util::DecodeLE<U32>(data + at + 8);
        if (std::memcmp(data + at, "MIRP", 4) == 0)
        {
            ++count;
            if (at + 12 + length <= size)
                prim.assign(data + at + 12, data + at + 12 + length);
        }
        at += 12 + (std::size_t(length) + 3) / 4 * 4;
    }
    return count == 1 && !prim.empty();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 0x100000)
        return 0;
    Papy::FileFactory factory;
    factory.AddFacet<Papy::PaletteServer>(new VelmoTest::OnePaletteServer(ShortPalette()));
    factory.AddFacet<Papy::MakeMip>(new Textures());
    CountedPointer<Papy::N2TdoFile> file;
    try
    {
        auto* buffer = new Util::CharBuffer("fuzz.3do");
        buffer->Attach(U32(size), data);
        file.Reset(new Papy::N2TdoFile(CountedPointer<Util::BinaryStream>(buffer), &factory));
    }
    catch (const Util::Exception&)
    {
        return 0;
    }

    try
    {
        Viewer viewer;
        file->GetRoot()->Accept(viewer);
    }
    catch (const Util::Exception&)
    {
    }

    std::vector<std::uint8_t> prim;
    const bool check = OnePrim(data, size, prim);
    std::vector<std::uint8_t> written(prim.size() + 64);
    Util::CharBuffer out("out", U32(written.size()), written.data());
    bool whole = check;
    for (const auto& [id, node] : file->GetSubObjects())
    {
        try
        {
            for (int i = 0; i < node->GetIntegerCount(); ++i)
                node->GetInteger(i);
            node->GetType();
            if (id < 4 || id >= Papy::N2TdoFile::FirstNewId)
                continue;
            if (!check || out.Tell() != U64(id))
            {
                whole = false;
                continue;
            }
            node->Write(out, U32(id));
        }
        catch (const Util::Exception&)
        {
            // A reference to a node without a place in the file: this record cannot be written.
            whole = false;
        }
    }
    if (whole && (out.Tell() != prim.size() || std::memcmp(written.data() + 4, prim.data() + 4, prim.size() - 4) != 0))
        Finding("the records written back differ from the PRIM section");
    return 0;
}
