// The N2 file: its container, its lookups, its ids, palette colours and textures through the
// factory, and the refusal to save.
#include <gtest/gtest.h>

#include <cmath>

#include "N2Builder.h"
#include "N2TestSupport.h"
#include "Papy/Model/N2Length.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/N2/N2PolygonFamily.h"
#include "Support/TempFolder.h"
#include "Util/BinaryFile.h"

using namespace VelmoTest;
using namespace Velmo::Papy;
using Velmo::S32;
using R = N2Builder::Ref;

namespace
{
std::string AssertionOf(const std::function<void()>& f)
{
    try
    {
        f();
    }
    catch (const Velmo::Util::XAssertion& e)
    {
        return e.GetExpression();
    }
    return "(none)";
}

std::string UsageOf(const std::function<void()>& f)
{
    try
    {
        f();
    }
    catch (const Velmo::Util::XUsage& e)
    {
        return e.GetText();
    }
    return "(none)";
}

// A polygon with a palette colour at 4.
N2Builder Palettepolygon(std::int64_t colour)
{
    N2Builder b;
    b.Record("p", 2, {4, colour, 3, 0, 1, 2, 1, 1, 1});
    return b;
}
} // namespace

TEST(N2TdoFile, IdsAreRecordOffsetsAndNewIdsStepByFive)
{
    N2Builder b;
    b.Record("list", 4, {2, R{"bmp"}, R{"u1"}});
    b.Record("bmp", 3, {0, 0, 0x00001000});
    b.Record("u1", 16, {0});
    TestFactory factory;
    auto file = Load(b.File("list"), factory.Factory);
    // The first record at 4; after a 12-byte body at 16, the next at 16 + 17 = 33.
    EXPECT_EQ(file->GetSubObject(4)->GetType(), "4");
    EXPECT_EQ(file->GetSubObject(21)->GetType(), "3");
    EXPECT_EQ(file->GetSubObject(38)->GetType(), "16");
    EXPECT_EQ(file->GetSubObject(21)->GetFileOffset(), 21u);
    EXPECT_EQ(file->GetRoot()->GetChild(0)->GetId(), 4);
    EXPECT_EQ(file->GetNull()->GetId(), -1);
    EXPECT_EQ(file->GetNull()->GetFileOffset(), 0xFFFFFFFFu);
    EXPECT_EQ(AssertionOf([&] { file->GetRoot()->GetFileOffset(); }), "false");
    EXPECT_EQ(AssertionOf([&] { file->GetSubObject(5); }), "p != SubObjects.end()");
    EXPECT_TRUE(file->FindHandle("anything").Get() == nullptr);
    EXPECT_EQ(file->NewId(), 0x40000005);
    EXPECT_EQ(file->NewId(), 0x4000000A);
    EXPECT_EQ(file->NewId(), 0x4000000F);
}

TEST(N2TdoFile, StringsEndAtTheirNulOrAtTheSectionEnd)
{
    N2Builder b;
    b.Record("list", 4, {0});
    TestFactory factory;
    // "ab", then "cd" without its NUL; a last lone byte never begins a string.
    auto file = Load(b.File("list", {N2Builder::Section("STRN", {'a', 'b', 0, 'c', 'd'})}), factory.Factory);
    EXPECT_EQ(file->GetString(0), "ab");
    EXPECT_EQ(file->GetString(3), "cd");
    EXPECT_EQ(file->GetStringCount(), 2u);
    EXPECT_EQ(AssertionOf([&] { file->GetString(1); }), "i != Strings.end()");
    auto one = Load(b.File("list", {N2Builder::Section("STRN", {'x'})}), factory.Factory);
    EXPECT_EQ(one->GetStringCount(), 0u);
}

TEST(N2TdoFile, AStringOfALaterSectionReplacesOneOfTheSameOffset)
{
    N2Builder b;
    b.Record("list", 4, {0});
    TestFactory factory;
    auto file = Load(b.File("list", {N2Builder::Section("STRN", {'a', 'b', 0, 'c', 'd', 0}),
                                     N2Builder::Section("STRN", {'x', 'y', 'z', 0, 0, 'w', 0}),
                                     N2Builder::Section("STRN", {'v', 0})}),
                     factory.Factory);
    // Offsets 0 (three times), 3 (twice), 4 and 5.
    EXPECT_EQ(file->GetStringCount(), 4u);
    EXPECT_EQ(file->GetString(0), "v");
    EXPECT_EQ(file->GetString(3), "cd");
    EXPECT_EQ(file->GetString(4), "");
    EXPECT_EQ(file->GetString(5), "w");
}

TEST(N2TdoFile, LookupsAssertOnMissingEntries)
{
    N2Builder b;
    b.Record("list", 4, {0});
    TestFactory factory;
    auto file = Load(b.File("list", {N2Builder::Section("PREP", N2Builder::Table({{31680, 0, -31680}})),
                                     N2Builder::Section("NORM", N2Builder::Table({{0, 0, 0}, {0, 3, 4}}))}),
                     factory.Factory);
    EXPECT_EQ(file->GetVertex(0), Vertex(1.609344, 0, -1.609344));
    EXPECT_EQ(file->GetNormal(0), Normal(0, 0, 0));
    EXPECT_EQ(file->GetNormal(1), Normal(0, 0.6, 0.8));
    EXPECT_EQ(AssertionOf([&] { file->GetVertex(1); }), "id < Vertices.size()");
    EXPECT_EQ(AssertionOf([&] { file->GetNormal(2); }), "id < Normals.size()");
    EXPECT_EQ(file->GetDisplayClass(26), 10);
    EXPECT_EQ(file->GetDisplayClass(0), 20);
    EXPECT_EQ(AssertionOf([&] { file->GetDisplayClass(16); }), "p != DisplayClasses.end()");
    EXPECT_EQ(AssertionOf([&] { file->GetDisplayClass(28); }), "p != DisplayClasses.end()");
}

TEST(N2TdoFile, PlanesFromIntsRoundAndClampTheirDistance)
{
    const struct
    {
        S32 a, b, c, dHigh, dLow;
        Plane plane;
    } cases[] = {
        {3, 4, 0, 0, 5, Plane(0.6, 0.8, 0, N2LengthToMetres(1))},
        {1, 0, 0, -1, -1, Plane(1, 0, 0, N2LengthToMetres(-1))},
        {0, 0, 0, 0, 10, Plane(0, 0, 0, N2LengthToMetres(10))},
        {0, 0, 2, 0, 3, Plane(0, 0, 1, N2LengthToMetres(2))},
        {0, 0, 2, -1, -3, Plane(0, 0, 1, N2LengthToMetres(-2))},
        // Distances beyond 32 bits are clamped before they become lengths.
        {1, 0, 0, 0x7FFFFFFF, -1, Plane(1, 0, 0, N2LengthToMetres(2147483647))},
        {1, 0, 0, S32(0x80000000), 0, Plane(1, 0, 0, N2LengthToMetres(-2147483647 - 1))},
        {1, 0, 0, 1, 0, Plane(1, 0, 0, N2LengthToMetres(2147483647))},
    };
    for (const auto& c : cases)
        EXPECT_EQ(N2PlaneFromInts(c.a, c.b, c.c, c.dHigh, c.dLow), c.plane) << c.a << " " << c.dHigh << " " << c.dLow;
    EXPECT_EQ(N2NormalFromInts(0, 0, 0), Normal(0, 0, 0));
    EXPECT_EQ(N2NormalFromInts(0, -5, 0), Normal(0, -1, 0));
}

TEST(N2TdoFile, PaletteColoursComeFromThePaletteInForceAtEachCall)
{
    TestFactory factory;
    auto file = Load(Palettepolygon(7).File("p"), factory.Factory);
    CountedPointer<ThreeDObjectPolygon> polygon;
    polygon = file->GetSubObject(4);
    EXPECT_EQ(polygon->GetColour(), ByteColour(7, 248, 49, 255));
    factory.Server->PushPalette(PaletteB());
    EXPECT_EQ(polygon->GetColour(), ByteColour(21, 7, 128, 255));
    // A short palette, then none: indexes it lacks are transparent black.
    factory.Server->PushPalette(CountedPointer<Palette>(new Palette(4)));
    EXPECT_EQ(polygon->GetColour(), Colour());
    factory.Server->PushPalette(CountedPointer<Palette>());
    EXPECT_EQ(polygon->GetColour(), Colour());
    factory.Server->PopPalette();
    factory.Server->PopPalette();
    factory.Server->PopPalette();
    EXPECT_EQ(polygon->GetColour(), ByteColour(7, 248, 49, 255));
    // Indexes beyond the 256 entries, also ones that are negative as int32.
    EXPECT_EQ(file->GetColour(256), Colour());
    EXPECT_EQ(file->GetColour(0xFFFFFFFF), Colour());
    EXPECT_EQ(file->GetColour(0), Colour());
    // Opened through a factory whose palette server is empty.
    TestFactory empty;
    empty.Factory.AddFacet<PaletteServer>(nullptr);
    auto second = Load(Palettepolygon(7).File("p"), empty.Factory);
    polygon = second->GetSubObject(4);
    EXPECT_EQ(polygon->GetColour(), Colour());
}

TEST(N2TdoFile, TexturesAreOpenedThroughTheFactoryAndAMissingOneEndsTheLoad)
{
    N2Builder b;
    b.Record("tex", 5, {R{"list"}, 5, 0, 3});
    b.Record("inner", 5, {R{"p"}, 1, 5});
    b.Record("list", 4, {2, R{"inner"}, R{"p"}});
    b.Record("p", 2, {1, 4, 2, 0, 0, 0x001F003F, 0x00000000});
    TestFactory factory;
    auto good = b.File("tex", {N2Builder::Section("STRN", {'r', 'o', 'a', 'd', 0, 's', 'k', 'y', 0})});
    auto file = Load(good, factory.Factory);
    // One texture asked for at each texture node the walk enters.
    EXPECT_EQ(factory.Maker->Calls, 2);
    CountedPointer<ThreeDObjectPolygon> p;
    p = file->GetSubObject(59);
    ASSERT_TRUE(p.Get() != nullptr);
    // Prepared under the inner texture (sky, 128 x 128), reached first.
    EXPECT_EQ(p->GetTextureVertex(0), TextureVertex(63.0 / 127, 31.0 / 127));

    auto missing = b.File("tex", {N2Builder::Section("STRN", {'n', 'o', 'n', 'e', 0, 's', 'k', 'y', 0})});
    try
    {
        Load(missing, factory.Factory);
        ADD_FAILURE() << "loaded";
    }
    catch (const Velmo::Util::XFileOpen& e)
    {
        EXPECT_EQ(e.GetText(), Velmo::Util::XFileOpen("none", "File not found").GetText());
    }
}

TEST(N2TdoFile, SavingIsRefusedAndTheFileStaysAsItWas)
{
    TempFolder folder;
    const Bytes original = ReadFile(SampleFolder() + "/allkinds.3do");
    const std::string path = folder.Path("allkinds.3do");
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(original.data()), std::streamsize(original.size()));
    }
    TestFactory factory;
    CountedPointer<Velmo::Util::BinaryStream> stream(Velmo::Util::BinaryFile::OpenUpdate(path));
    N2TdoFile file(stream, &factory.Factory);
    const TdoFile& base = file;
    EXPECT_FALSE(base.CanSave());
    EXPECT_EQ(UsageOf([&] { file.Save(stream); }), "N2 3do file cannot be saved");
    stream = CountedPointer<Velmo::Util::BinaryStream>();
    EXPECT_TRUE(ReadFile(path) == original);
}
