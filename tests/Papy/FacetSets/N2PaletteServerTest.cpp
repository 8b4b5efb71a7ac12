// The N2 palette server over a real folder: the palette file "sunny" found by the folder's
// MakePcx facet (entry 0 made transparent), the grey ramp when it is missing or cannot be
// read, the stack, the N2 bitmap readers coloured through the registry, and the purge of the
// palette file cache.
#include <gtest/gtest.h>

#include "Papy/Bitmap/N2MipFile.h"
#include "Papy/FacetSets/N2PaletteServer.h"
#include "Papy/FacetSets/PcxMake.h"
#include "Papy/Factory/FileFactoryRecognizer.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/PurgeFactory.h"
#include "Support/ByteBuilder.h"
#include "Support/TempFolder.h"
#include "Util/MemoryStream.h"

using namespace Velmo;
using namespace Velmo::Papy;
using Util::CountedPointer;

namespace
{
// A PCX image of a 128-byte header, a few pixel bytes and a palette whose entry i is
// (i, 255 - i, i / 2).
std::string Pcx()
{
    std::string bytes(128 + 16, '\x11');
    for (int i = 0; i < 256; ++i)
        bytes += {char(i), char(255 - i), char(i / 2)};
    return bytes;
}

class PaletteRecognizer : public FileFactoryRecognizer
{
public:
    explicit PaletteRecognizer(FileFactoryRegistry& registry) : FileFactoryRecognizer(true, registry) {}
    CountedPointer<FileFactory> MakeDirectoryFactory(const PapyDirectory& directory, bool) override
    {
        CountedPointer<FileFactory> factory(new FileFactory);
        factory->AddFacet<PurgeFactory>(new PurgeFactory(factory.Get()));
        factory->AddFacet<MakePcx>(new PcxMake({directory, {}, "pcx"}));
        factory->AddFacet<PaletteServer>(new N2PaletteServer(factory->GetFacet<MakePcx>()));
        return factory;
    }
    CountedPointer<FileFactory> MakeDatFactory(const std::string&, bool) override { return {}; }
    bool RecognizeDatHeader(const std::string&) override { return false; }
    bool RecognizeDatContent(const std::string&) override { return false; }
    bool RecognizeDirectory(const PapyDirectory&) override { return true; }
};

struct Scene
{
    CountedPointer<Palette> Base(const std::string& folderName)
    {
        factory = registry.GetFactory(folder.Path(folderName), false);
        return factory->GetFacet<PaletteServer>()->GetBasePalette();
    }

    VelmoTest::TempFolder folder;
    FileFactoryRegistry registry;
    PaletteRecognizer recognizer{registry};
    CountedPointer<FileFactory> factory;
};

bool IsGreyRamp(const Palette& palette)
{
    if (palette.GetColourCount() != 256)
        return false;
    for (U32 i = 0; i < 256; ++i)
        if (!(palette[i] == Colour(i / 255.0f, i / 255.0f, i / 255.0f, 1)))
            return false;
    return true;
}
} // namespace

TEST(N2PaletteServer, WithoutSunnyTheBaseIsTheGreyRamp)
{
    Scene s;
    s.folder.Write("Track/track.mip", "x");
    CountedPointer<Palette> base = s.Base("Track");
    ASSERT_TRUE(base);
    EXPECT_TRUE(base->GetColour(200) == Colour(200 / 255.0f, 200 / 255.0f, 200 / 255.0f, 1));
    EXPECT_TRUE(base->GetColour(0) == Colour(0, 0, 0, 1));
    EXPECT_TRUE(IsGreyRamp(*base));
}

TEST(N2PaletteServer, SunnyGivesTheBaseWithATransparentEntryZero)
{
    Scene s;
    s.folder.Write("Track/SUNNY.PCX", Pcx());
    CountedPointer<Palette> base = s.Base("Track");
    ASSERT_EQ(base->GetColourCount(), 256u);
    EXPECT_TRUE(base->GetColour(0) == Colour(0, 0, 0, 0));
    U32 index = 99;
    ASSERT_TRUE(base->FindColour(Colour(0, 0, 0, 0), index));
    EXPECT_EQ(index, 0u);
    EXPECT_TRUE(base->GetColour(10) == Colour(10 / 255.0f, 245 / 255.0f, 5 / 255.0f, 1));
    ASSERT_TRUE(base->FindColour(Colour(10 / 255.0f, 245 / 255.0f, 5 / 255.0f, 1), index));
    EXPECT_EQ(index, 10u);
    // The file's own palette is left as read.
    CountedPointer<PcxFile> pcx;
    s.factory->GetFacet<MakePcx>()->Make(pcx, "sunny", "", false);
    EXPECT_TRUE(pcx->GetPalette()->GetColour(0) == Colour(0, 1, 0, 1));
}

TEST(N2PaletteServer, AnUnreadableSunnyFallsBackToGrey)
{
    Scene s;
    s.folder.Write("Short/sunny.pcx", std::string(700, '\x7f'));
    EXPECT_TRUE(IsGreyRamp(*s.Base("Short")));
    // Without a MakePcx facet at all.
    N2PaletteServer bare{CountedPointer<MakePcx>()};
    EXPECT_TRUE(IsGreyRamp(*bare.GetBasePalette()));
}

TEST(N2PaletteServer, StackOfCurrentPalettes)
{
    N2PaletteServer server{CountedPointer<MakePcx>()};
    CountedPointer<Palette> base = server.GetBasePalette();
    EXPECT_EQ(server.GetCurrentPalette().Get(), base.Get());
    CountedPointer<Palette> other(new Palette(4));
    server.PushPalette(other);
    EXPECT_EQ(server.GetCurrentPalette().Get(), other.Get());
    EXPECT_EQ(server.GetBasePalette().Get(), base.Get());
    server.PopPalette();
    EXPECT_EQ(server.GetCurrentPalette().Get(), base.Get());
    // Popping the last entry and popping an empty stack leave the base as the current palette.
    server.PopPalette();
    server.PopPalette();
    EXPECT_EQ(server.GetCurrentPalette().Get(), base.Get());
}

TEST(N2PaletteServer, BitmapsOfTheFolderTakeItsPaletteThroughTheRegistry)
{
    Scene s;
    s.folder.Write("Track/sunny.pcx", Pcx());
    // A 2 x 1 N2 MIP of format 2 with indices 0 and 10.
    VelmoTest::ByteBuilder level;
    level.Text("PAMB").U32(0).U32(44);
    level.Text("DHMB").U32(0).U32(14).U8(2).U32(2).U32(1).U32(4).U8(0).U8(0x20).U8(0x20);
    level.Text("ATAD").U32(0).U32(4).U8(0).U8(10).U8(0).U8(0);
    VelmoTest::ByteBuilder mip;
    mip.Text(" PIM").U32(0).U32(U32(32 + level.Get().size()));
    mip.Text("DHPM").U32(0).U32(18).U8(2).U32(1).U32(0).U32(0).U8(0).U32(1).U8(0x20).U8(0x20);
    Util::MemoryStream stream(std::vector<U8>(mip.Get().begin(), mip.Get().end()), "track.mip");
    stream.Seek(stream.Size());
    stream.Write(U32(level.Get().size()), level.Get().data());

    N2MipFile file(stream, N2FolderPalette(PapyDirectory(s.folder.Path("Track")), &s.registry));
    EXPECT_TRUE(file.GetBitmap(0)->GetPixel(0, 0) == Colour(0, 0, 0, 0));
    EXPECT_TRUE(file.GetBitmap(0)->GetPixel(0, 1) == Colour(10 / 255.0f, 245 / 255.0f, 5 / 255.0f, 1));
    EXPECT_TRUE(file.GetHeaderColour() == Colour(0, 0, 0, 0));
}

TEST(N2PaletteServer, PurgeReleasesPaletteFilesOnlyTheCacheHolds)
{
    Scene s;
    s.folder.Write("Track/sunny.pcx", Pcx());
    s.Base("Track");
    auto& cache = dynamic_cast<PcxMake&>(*s.factory->GetFacet<MakePcx>()).GetSource().GetCache();
    EXPECT_EQ(cache.GetMap().size(), 1u);
    CountedPointer<PcxFile> held;
    s.factory->GetFacet<MakePcx>()->Make(held, "sunny", "", false);
    s.registry.Purge();
    EXPECT_EQ(cache.GetMap().size(), 1u);
    held = nullptr;
    s.registry.Purge();
    EXPECT_EQ(cache.GetMap().size(), 0u);
}
