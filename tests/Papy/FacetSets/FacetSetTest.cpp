// The four facet sets through the process registry: which kinds each game carries, the loaders
// of every kind, the loose file before the DAT, the racing line over a track that lies only in
// the DAT, the N2 ".m16" rule, the N4 shared folder, and the Sub folder's forwarding.
#include <gtest/gtest.h>

#include "FacetSetsTestSupport.h"
#include "Papy/Bitmap/Bitmap.h"
#include "Papy/Bitmap/GPLMipFile.h"
#include "Papy/Bitmap/N2MipFile.h"
#include "Papy/Bitmap/N4MipFile.h"
#include "Papy/Container/DatFile.h"
#include "Papy/FacetSets/FolderMakeTrack.h"
#include "Papy/FacetSets/GPLMakeFacets.h"
#include "Papy/FacetSets/N4MakeFacets.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/GetDat.h"
#include "Papy/Factory/GetDirectory.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/N2/N2TdoFile.h"
#include "Papy/Race/CamFile.h"
#include "Papy/Race/LytFile.h"
#include "Papy/Race/RpyFile.h"
#include "Papy/Track/LpFile.h"
#include "Papy/Track/Track.h"
#include "Support/TempFolder.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace FacetSetsTest;
using Util::CountedPointer;

namespace
{
template <class Kind>
bool Has(const FileFactory& factory)
{
    return factory.HasFacet<Kind>();
}

struct KindRow
{
    const char* kind;
    bool (*has)(const FileFactory&);
    const char* games; // the sets that carry it (a Sub folder carries every Make kind, refusing
                       // in plain words those it cannot make)
};

const std::vector<KindRow> Kinds = {
    {"MakeTdo", &Has<MakeTdo>, "GPL N2 N4 Sub SubN2"},
    {"MakePtf", &Has<MakePtf>, "N4 Sub SubN2"},
    {"MakeCam", &Has<MakeCam>, "GPL N2 N4 Sub SubN2"},
    {"GetDirectory", &Has<GetDirectory>, "GPL N2 N4 Sub SubN2"},
    {"GetDat", &Has<GetDat>, "GPL N2 N4 Sub SubN2"},
    {"MakeTrack", &Has<MakeTrack>, "GPL N2 N4 Sub SubN2"},
    {"CreatePbf", &Has<CreatePbf>, "GPL N4 Sub"},
    {"MakeUnknown", &Has<MakeUnknown>, "GPL N2 N4 Sub SubN2"},
    {"MakeMip", &Has<MakeMip>, "GPL N2 N4 Sub SubN2"},
    {"CreateTdo", &Has<CreateTdo>, "GPL N4"},
    {"MakeRpy", &Has<MakeRpy>, "GPL N2 N4 Sub SubN2"},
    {"CreateDat", &Has<CreateDat>, "GPL N4"},
    {"CreateMip", &Has<CreateMip>, "GPL N2 N4 Sub SubN2"},
    {"CreateLp", &Has<CreateLp>, "GPL N2 N4"},
    {"MakeSrb", &Has<MakeSrb>, "GPL N2 Sub SubN2"},
    {"MakeLyt", &Has<MakeLyt>, "GPL Sub SubN2"},
    {"CreateSrb", &Has<CreateSrb>, "GPL N2"},
    {"CreateTrk", &Has<CreateTrk>, "GPL"},
    {"MakeTrk", &Has<MakeTrk>, "GPL N2 Sub SubN2"},
    {"CreateCam", &Has<CreateCam>, "GPL"},
    {"MakeLp", &Has<MakeLp>, "GPL N2 N4 Sub SubN2"},
    {"MakePbf", &Has<MakePbf>, "GPL N4 Sub SubN2"},
    {"PurgeFactory", &Has<PurgeFactory>, "GPL N2 N4"},
    {"PaletteServer", &Has<PaletteServer>, "N2"},
    {"MakePcx", &Has<MakePcx>, "N2"},
};

bool Carries(const std::string& games, const std::string& game)
{
    return (" " + games + " ").find(" " + game + " ") != std::string::npos;
}

// The text of the error an action raises; empty when it raises none.
std::string TextOf(const std::function<void()>& action)
{
    try
    {
        action();
    }
    catch (const Util::Exception& error)
    {
        return error.GetText();
    }
    return "";
}

void ExpectFileOpen(const std::function<void()>& action, const std::string& text)
{
    try
    {
        action();
        ADD_FAILURE() << "no error";
    }
    catch (const Util::XFileOpen& error)
    {
        EXPECT_EQ(error.GetText(), text);
    }
}
} // namespace

TEST(GPLFacetSet, KindsOfEachGame)
{
    VelmoTest::TempFolder temp;
    temp.Write("gpl/car.3do", GPLSample("minimal.3do"));
    temp.Write("n2/car.3do", N2Sample("minimal.3do"));
    temp.Write("n4/car.3do", N4Sample("structure.3do"));
    temp.Write("gpl/gpl.dat", ICR2Dat({{"cars\\a.mip", "x"}}));
    temp.Write("n2/n2.dat", ICR2Dat({{"car.3do", N2Sample("minimal.3do")}}));
    const std::vector<std::pair<std::string, std::string>> folders = {
        {"GPL", "gpl"}, {"N2", "n2"}, {"N4", "n4"}, {"Sub", "gpl/cars"}, {"SubN2", "n2/cars"}};
    for (const auto& [game, folder] : folders)
    {
        CountedPointer<FileFactory> factory = Factory(temp.Path(folder));
        for (const KindRow& row : Kinds)
            EXPECT_EQ(row.has(*factory), Carries(row.games, game)) << game << " " << row.kind;
    }
}

TEST(GPLFacetSet, EveryKindLoads)
{
    VelmoTest::TempFolder temp;
    temp.Write("Monza/car.3do", GPLSample("basic.3do"));
    temp.Write("Monza/Monza.trk", TrackSample("gpl-minimal.trk"));
    temp.Write("Monza/fast.lp", TrackSample("gpl-minimal.lp"));
    temp.Write("Monza/tv.cam", RaceSample("gpl0.cam"));
    temp.Write("Monza/race.rpy", RaceSample("gpl.rpy"));
    temp.Write("Monza/screen.lyt", RaceSample("one.lyt"));
    temp.Write("Monza/sky.mip", BitmapSample("f0.mip"));
    temp.Write("Monza/logo.pbf", BitmapSample("f0.pbf"));
    temp.Write("Monza/tree.srb", BitmapSample("f0.srb"));
    temp.Write("Monza/readme", "hello");
    CountedPointer<FileFactory> factory = Factory(temp.Path("Monza"));
    CountedPointer<TdoFile> tdo;
    factory->GetFacet<MakeTdo>()->Make(tdo, "CAR", "", false);
    CountedPointer<TrkFile> trk;
    factory->GetFacet<MakeTrk>()->Make(trk, "monza.trk", "", false);
    CountedPointer<Track> track;
    factory->GetFacet<MakeTrack>()->Make(track, "", "", false);
    CountedPointer<LpFile> lp;
    factory->GetFacet<MakeLp>()->Make(lp, "fast", "");
    CountedPointer<CamFile> cam;
    factory->GetFacet<MakeCam>()->Make(cam, "tv", "", false);
    CountedPointer<RpyFile> rpy;
    factory->GetFacet<MakeRpy>()->Make(rpy, "race", "");
    CountedPointer<LytFile> lyt;
    factory->GetFacet<MakeLyt>()->Make(lyt, "screen", "", false);
    CountedPointer<MipFile> mip;
    factory->GetFacet<MakeMip>()->Make(mip, "sky", "", false);
    CountedPointer<PbfFile> pbf;
    factory->GetFacet<MakePbf>()->Make(pbf, "logo", "", false);
    CountedPointer<SrbFile> srb;
    factory->GetFacet<MakeSrb>()->Make(srb, "tree", "", false);
    CountedPointer<Util::BinaryStream> unknown;
    factory->GetFacet<MakeUnknown>()->Make(unknown, "readme", "", false);
    EXPECT_TRUE(tdo && trk && track && lp && cam && rpy && lyt && mip && pbf && srb && unknown);
    EXPECT_EQ(unknown->Size(), 5u);
    EXPECT_EQ(factory->GetFacet<MakeLp>()->GetTypeCount(), GPLLpFile::GetTypeCount());
    // One facet per kind: two requests give the same facet and the same object.
    EXPECT_EQ(factory->GetFacet<MakeTrk>().Get(), factory->GetFacet<MakeTrk>().Get());
    CountedPointer<TrkFile> again;
    factory->GetFacet<MakeTrk>()->Make(again, "Monza", "TRK", false);
    EXPECT_EQ(again.Get(), trk.Get());
}

TEST(GPLFacetSet, LooseFileBeforeTheDatAndOneFactoryForFolderAndDat)
{
    VelmoTest::TempFolder temp;
    temp.Write("Monza/car.3do", GPLSample("minimal.3do"));
    temp.Write("Monza/Monza.dat", ICR2Dat({{"car.3do", "not a 3D object"}, {"wheel.3do", GPLSample("basic.3do")}}));
    CountedPointer<FileFactory> folder = Factory(temp.Path("Monza"));
    CountedPointer<FileFactory> dat = Factory(temp.Path("Monza/Monza.dat"));
    EXPECT_EQ(folder.Get(), dat.Get());
    CountedPointer<TdoFile> car;
    EXPECT_THROW(folder->GetFacet<MakeTdo>()->Make(car, "Car", "3do", true), Util::XFileFormat);
    folder->GetFacet<MakeTdo>()->Make(car, "car", "3do", false);
    CountedPointer<TdoFile> wheel;
    folder->GetFacet<MakeTdo>()->Make(wheel, "wheel", "", false);
    EXPECT_TRUE(car && wheel);
    EXPECT_TRUE(folder->GetFacet<GetDat>()->GetDatFile());

    // Without a DAT the folder's GetDat is empty and only loose files are found.
    temp.Write("Plain/car.3do", GPLSample("minimal.3do"));
    CountedPointer<FileFactory> plain = Factory(temp.Path("Plain"));
    EXPECT_FALSE(plain->GetFacet<GetDat>()->GetDatFile());
    ExpectFileOpen([&] { plain->GetFacet<MakeTdo>()->Make(car, "Wheel", "", false); },
                   "Couldn't open " + temp.Path("Plain") + "/Wheel.3do\nFile not found\n");
}

TEST(GPLFacetSet, FoldersAndFilesThatDifferOnlyInCaseStayApart)
{
    VelmoTest::TempFolder temp;
    temp.Write("Monza/car.3do", GPLSample("minimal.3do"));
    temp.Write("Monza/tv.cam", RaceSample("gpl0.cam"));
    temp.Write("Monza/TV.CAM", RaceSample("gpl2.cam"));
    temp.Write("monza/car.3do", GPLSample("minimal.3do"));
    temp.Write("monza/pit.cam", RaceSample("gpl0.cam"));
    CountedPointer<FileFactory> upper = Factory(temp.Path("Monza"));
    CountedPointer<FileFactory> lower = Factory(temp.Path("monza"));
    ASSERT_NE(upper.Get(), lower.Get());
    // Each folder's factory opens its own files.
    CountedPointer<CamFile> cam;
    lower->GetFacet<MakeCam>()->Make(cam, "pit", "", false);
    EXPECT_TRUE(cam);
    EXPECT_THROW(upper->GetFacet<MakeCam>()->Make(cam, "pit", "", false), Util::XFileOpen);
    // In one folder, tv.cam and TV.CAM are two files.
    CountedPointer<CamFile> small, large;
    upper->GetFacet<MakeCam>()->Make(small, "tv", "cam", false);
    upper->GetFacet<MakeCam>()->Make(large, "TV", "CAM", false);
    EXPECT_NE(small.Get(), large.Get());
    // Unedited, each saves as the file it was read from.
    for (const auto& [file, sample] : {std::pair{small, "gpl0.cam"}, std::pair{large, "gpl2.cam"}})
    {
        Util::MemoryStream saved("saved.cam");
        file->Save(saved);
        EXPECT_EQ(std::string(saved.GetBytes().begin(), saved.GetBytes().end()), RaceSample(sample)) << sample;
    }
}

TEST(GPLFacetSet, RacingLineOverATrackOnlyInTheDat)
{
    VelmoTest::TempFolder temp;
    temp.Write("Monza/monza.dat", ICR2Dat({{"monza.trk", TrackSample("gpl-minimal.trk")}}));
    temp.Write("Monza/fast.lp", TrackSample("gpl-minimal.lp"));
    CountedPointer<FileFactory> factory = Factory(temp.Path("Monza"));
    CountedPointer<LpFile> lp;
    factory->GetFacet<MakeLp>()->Make(lp, "fast", "");
    ASSERT_TRUE(lp);
    EXPECT_GT(lp->GetRecordCount(), 0);

    // No track anywhere: no racing line of the folder opens.
    temp.Write("Lonely/fast.lp", TrackSample("gpl-minimal.lp"));
    CountedPointer<FileFactory> lonely = Factory(temp.Path("Lonely"));
    EXPECT_THROW(lonely->GetFacet<MakeLp>()->Make(lp, "fast", ""), Util::XFileOpen);
}

TEST(N2FacetSet, KindsItLacksFailTheirAssertion)
{
    VelmoTest::TempFolder temp;
    temp.Write("n2/car.3do", N2Sample("minimal.3do"));
    CountedPointer<FileFactory> factory = Factory(temp.Path("n2"));
    auto expectAssertion = [](const std::function<void()>& action) {
        try
        {
            action();
            ADD_FAILURE() << "no assertion";
        }
        catch (const Util::XAssertion& error)
        {
            EXPECT_NE(error.GetText().find("HasFacet<FacetT>()"), std::string::npos) << error.GetText();
        }
    };
    expectAssertion([&] { factory->GetFacet<CreateDat>(); });
    expectAssertion([&] { factory->GetFacet<MakePbf>(); });
    expectAssertion([&] { factory->GetFacet<MakePtf>(); });
}

TEST(N2FacetSet, M16IsReadAsAGPLMipWhateverTheCase)
{
    struct Case
    {
        const char* name;
        const char* extension;
    };
    for (const Case& c : {Case{"sky", "m16"}, Case{"SKY", "M16"}, Case{"Sky.M16", ""}})
    {
        SCOPED_TRACE(std::string(c.name) + " " + c.extension);
        VelmoTest::TempFolder temp;
        temp.Write("n2/car.3do", N2Sample("minimal.3do"));
        temp.Write("n2/sky.m16", BitmapSample("f3.m16"));
        CountedPointer<FileFactory> factory = Factory(temp.Path("n2"));
        CountedPointer<MipFile> mip;
        factory->GetFacet<MakeMip>()->Make(mip, c.name, c.extension, false);
        EXPECT_TRUE(dynamic_cast<GPLMipFile*>(mip.Get()));
        CountedPointer<MipFile> again;
        factory->GetFacet<MakeMip>()->Make(again, "sky", "m16", false);
        EXPECT_EQ(again.Get(), mip.Get());
    }
}

TEST(N2FacetSet, ICR2TracksLinesAnd3DObjects)
{
    VelmoTest::TempFolder temp;
    temp.Write("Oval/car.3do", N2Sample("track.3do"));
    temp.Write("Oval/oval.trk", TrackSample("icr2-minimal.trk"));
    temp.Write("Oval/race.lp", TrackSample("icr2.lp"));
    temp.Write("Oval/tv.cam", RaceSample("n2.cam"));
    CountedPointer<FileFactory> factory = Factory(temp.Path("Oval"));
    ASSERT_EQ(FacetSetOf(*factory), "N2");
    CountedPointer<TdoFile> tdo;
    factory->GetFacet<MakeTdo>()->Make(tdo, "car", "", false);
    CountedPointer<Track> track;
    factory->GetFacet<MakeTrack>()->Make(track, "", "", false);
    CountedPointer<LpFile> lp;
    factory->GetFacet<MakeLp>()->Make(lp, "race", "");
    CountedPointer<CamFile> cam;
    factory->GetFacet<MakeCam>()->Make(cam, "tv", "", false);
    EXPECT_TRUE(tdo && track && lp && cam);
}

TEST(N2FacetSet, BitmapsTakeTheFoldersPalette)
{
    // A palette whose entry i is (i, 255 - i, i / 2): every colour has red + green = 1.
    std::string pcx(128 + 16, '\x11');
    for (int i = 0; i < 256; ++i)
        pcx += {char(i), char(255 - i), char(i / 2)};
    VelmoTest::TempFolder temp;
    temp.Write("n2/car.3do", N2Sample("minimal.3do"));
    temp.Write("n2/sunny.pcx", pcx);
    temp.Write("n2/sky.mip", BitmapSample("n2-f2.mip"));
    temp.Write("n2/tree.srb", BitmapSample("n2-f3.srb"));
    CountedPointer<FileFactory> factory = Factory(temp.Path("n2"));
    CountedPointer<MipFile> sky;
    factory->GetFacet<MakeMip>()->Make(sky, "sky", "mip", false);
    ASSERT_TRUE(dynamic_cast<N2MipFile*>(sky.Get()));
    Colour colour = sky->GetBitmap(0)->GetPixel(0, 0);
    EXPECT_NEAR(colour.GetRed() + colour.GetGreen(), 1.0, 1e-6);
    CountedPointer<MipFile> again;
    factory->GetFacet<MakeMip>()->Make(again, "sky.mip", "", false);
    EXPECT_EQ(again.Get(), sky.Get());
    CountedPointer<SrbFile> tree;
    factory->GetFacet<MakeSrb>()->Make(tree, "tree", "", false);
    EXPECT_TRUE(tree);
}

TEST(N2FacetSet, AnObjectKeptWithoutItsFactoryStillAsksColoursAndTextures)
{
    // Palette entry i is (i, 255 - i, i / 2), entry 0 made transparent.
    std::string pcx(128 + 16, '\x11');
    for (int i = 0; i < 256; ++i)
        pcx += {char(i), char(255 - i), char(i / 2)};
    VelmoTest::TempFolder temp;
    temp.Write("n2/car.3do", N2Sample("minimal.3do"));
    temp.Write("n2/sunny.pcx", pcx);
    temp.Write("n2/sky.mip", BitmapSample("n2-f2.mip"));
    CountedPointer<TdoFile> kept;
    CountedPointer<MipFile> sky;
    {
        CountedPointer<FileFactory> factory = Factory(temp.Path("n2"));
        factory->GetFacet<MakeTdo>()->Make(kept, "car", "", false);
        factory->GetFacet<MakeMip>()->Make(sky, "sky", "", false);
    }
    // Only the registry holds the factory now: the purge drops it with its facets' caches.
    FileFactoryRegistry::Instance()->Purge();
    auto* file = dynamic_cast<N2TdoFile*>(kept.Get());
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetColour(5), Colour(5 / 255.0f, 250 / 255.0f, 2 / 255.0f, 1));
    EXPECT_EQ(file->GetColour(0), Colour(0, 0, 0, 0));
    CountedPointer<MipFile> texture = file->GetTexture("sky");
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->GetWidth(), sky->GetWidth());
    EXPECT_EQ(texture->GetBitmap(0)->GetPixel(0, 0), sky->GetBitmap(0)->GetPixel(0, 0));
    EXPECT_THROW(file->GetTexture("none"), Util::XFileOpen);
}

TEST(N2FacetSet, N3Replays)
{
    VelmoTest::TempFolder temp;
    temp.Write("n3/race.rpl", RaceSample("n3.rpl"));
    CountedPointer<FileFactory> factory = Factory(temp.Path("n3"));
    ASSERT_EQ(FacetSetOf(*factory), "N2");
    CountedPointer<RpyFile> replay;
    factory->GetFacet<MakeRpy>()->Make(replay, "race", "");
    EXPECT_TRUE(replay);
}

namespace
{
// An N4 track folder beside a shared folder with its DAT.
class N4FacetSet : public ::testing::Test
{
protected:
    CountedPointer<FileFactory> Track(const std::string& folder) { return Factory(temp.Path(folder)); }

    static N4MakeTdo& Tdo(const CountedPointer<FileFactory>& factory)
    {
        return dynamic_cast<N4MakeTdo&>(*factory->GetFacet<MakeTdo>());
    }

    VelmoTest::TempFolder temp;
    const std::string good = N4Sample("structure.3do");
};
} // namespace

TEST_F(N4FacetSet, LocalFirstThenTheSharedDat)
{
    temp.Write("tracks/Oval/car.3do", good);
    temp.Write("tracks/SHARED/Shared.DAT", N4Dat({{"car.3do", "not an N4 object"}, {"wheel.3do", good}}));
    CountedPointer<FileFactory> factory = Track("tracks/Oval");
    ASSERT_EQ(FacetSetOf(*factory), "N4");
    EXPECT_TRUE(Tdo(factory).HasShared());
    CountedPointer<TdoFile> car;
    factory->GetFacet<MakeTdo>()->Make(car, "car", "", false);
    EXPECT_TRUE(car);
    CountedPointer<TdoFile> wheel;
    factory->GetFacet<MakeTdo>()->Make(wheel, "Wheel", "3do", false);
    ASSERT_TRUE(wheel);
    EXPECT_EQ(Tdo(factory).GetShared().GetCache().Find("wheel.3do").Get(), wheel.Get());
    CountedPointer<TdoFile> again;
    factory->GetFacet<MakeTdo>()->Make(again, "wheel", "", false);
    EXPECT_EQ(again.Get(), wheel.Get());
    ExpectFileOpen([&] { factory->GetFacet<MakeTdo>()->Make(again, "Nowhere", "", false); },
                   "Couldn't open " + temp.Path("tracks/Oval") + "/Nowhere.3do\nFile not found\n");
    // The purge reaches both caches.
    wheel = again = CountedPointer<TdoFile>();
    factory->GetFacet<PurgeFactory>()->Purge();
    EXPECT_FALSE(Tdo(factory).GetShared().GetCache().Find("wheel.3do"));
}

TEST_F(N4FacetSet, TextureOnlyInTheSharedDat)
{
    temp.Write("tracks/Oval/car.3do", good);
    temp.Write("tracks/Oval/local.mip", BitmapSample("n4-256x64.mip"));
    temp.Write("tracks/shared/shared.dat", N4Dat({{"wall.mip", BitmapSample("n4-256x64.mip")}}));
    CountedPointer<FileFactory> factory = Track("tracks/Oval");
    auto& makeMip = dynamic_cast<N4MakeMip&>(*factory->GetFacet<MakeMip>());
    CountedPointer<MipFile> wall;
    factory->GetFacet<MakeMip>()->Make(wall, "WALL", "", false);
    ASSERT_TRUE(dynamic_cast<N4MipFile*>(wall.Get()));
    EXPECT_EQ(makeMip.GetShared().GetCache().Find("wall.mip").Get(), wall.Get());
    EXPECT_FALSE(makeMip.GetLocal().GetCache().Find("wall.mip"));
    CountedPointer<MipFile> local;
    factory->GetFacet<MakeMip>()->Make(local, "local", "mip", false);
    EXPECT_EQ(makeMip.GetLocal().GetCache().Find("local.mip").Get(), local.Get());
}

TEST_F(N4FacetSet, SharedFolderItselfAndOneWithoutDatAreNotLookedUp)
{
    temp.Write("a/Shared/car.3do", good);
    temp.Write("a/Shared/shared.dat", N4Dat({{"wheel.3do", good}}));
    temp.Write("b/SHARED/car.3do", good);
    temp.Write("c/Oval/car.3do", good);
    temp.Write("c/shared/wheel.3do", good); // no shared.dat: ignored
    EXPECT_FALSE(Tdo(Track("a/Shared")).HasShared());
    EXPECT_FALSE(Tdo(Track("b/SHARED")).HasShared());
    CountedPointer<FileFactory> oval = Track("c/Oval");
    EXPECT_FALSE(Tdo(oval).HasShared());
    CountedPointer<TdoFile> wheel;
    EXPECT_THROW(oval->GetFacet<MakeTdo>()->Make(wheel, "wheel", "", false), Util::XFileOpen);
}

TEST_F(N4FacetSet, DamagedSharedDatFailsTheBuildAndCachesNothing)
{
    temp.Write("tracks/Oval/car.3do", good);
    temp.Write("tracks/shared/shared.dat", N4Dat({{"wheel.3do", good}}).substr(0, 14));
    for (int attempt = 0; attempt < 2; ++attempt)
        EXPECT_THROW(FileFactoryRegistry::Instance()->GetFactory(temp.Path("tracks/Oval"), false), Util::Exception);
}

TEST_F(N4FacetSet, TrackOfAnyExtensionIsThePtf)
{
    temp.Write("Oval/oval.ptf", N4Sample("track.ptf"));
    CountedPointer<FileFactory> factory = Track("Oval");
    CountedPointer<Papy::Track> track;
    factory->GetFacet<MakeTrack>()->Make(track, "oval", "xyz", false);
    ASSERT_TRUE(track);
    EXPECT_GT(track->GetSegmentCount(), 0);
    auto& ptf = dynamic_cast<N4MakePtf&>(*factory->GetFacet<MakePtf>());
    EXPECT_TRUE(ptf.GetSource().GetCache().Find("oval.ptf"));
    CountedPointer<Papy::Track> again;
    factory->GetFacet<MakeTrack>()->Make(again, "Oval", "XYZ", false);
    EXPECT_EQ(again.Get(), track.Get());
}

namespace
{
// An N4 folder's factory with a .ptf and a .3do: what it hands out now, and what it handed out
// first.
struct Oval
{
    explicit Oval(CountedPointer<FileFactory> f) : factory(std::move(f)), ptf(Ptf()), car(Car()), track(Track()) {}
    CountedPointer<TdoFile> Ptf() const { return Make<MakePtf, TdoFile>("oval"); }
    CountedPointer<TdoFile> Car() const { return Make<MakeTdo, TdoFile>("car"); }
    CountedPointer<Papy::Track> Track() const { return Make<MakeTrack, Papy::Track>(""); }
    template <class Kind, class Object>
    CountedPointer<Object> Make(const std::string& name) const
    {
        CountedPointer<Object> object;
        factory->GetFacet<Kind>()->Make(object, name, "", false);
        return object;
    }

    CountedPointer<FileFactory> factory;
    CountedPointer<TdoFile> ptf, car;
    CountedPointer<Papy::Track> track;
};
} // namespace

// Forgetting the .ptf object (an edit never saved) forgets it and the track built from it,
// whoever holds them: the next requests read the file again; the holders keep their objects.
// Forgetting another object changes neither; forgetting the track reads only the track again.
TEST_F(N4FacetSet, ForgettingThePtfForgetsItsTrack)
{
    temp.Write("Oval/oval.ptf", N4Sample("track.ptf"));
    temp.Write("Oval/car.3do", good);
    Oval oval(Track("Oval"));
    oval.factory->Forget(oval.car.Get());
    EXPECT_EQ(oval.Track().Get(), oval.track.Get()) << "another object's forgetting";
    EXPECT_EQ(oval.Ptf().Get(), oval.ptf.Get());

    oval.factory->Forget(oval.ptf.Get());
    const CountedPointer<TdoFile> again = oval.Ptf();
    EXPECT_NE(again.Get(), oval.ptf.Get());
    const CountedPointer<Papy::Track> rebuilt = oval.Track();
    EXPECT_NE(rebuilt.Get(), oval.track.Get());
    EXPECT_GT(oval.track->GetSegmentCount(), 0) << "the holder keeps its track";
    EXPECT_EQ(oval.ptf.GetCount(), 2) << "this test's and the old track's";

    oval.factory->Forget(rebuilt.Get());
    EXPECT_NE(oval.Track().Get(), rebuilt.Get());
    EXPECT_EQ(oval.Ptf().Get(), again.Get());
}

// ForgetUnheld of the registry (the strict switch): an object nobody else holds is forgotten; one
// held (an open document's) is handed out again while it is held, so that its file has one
// object, and read again once its holders let it go. The track cache empties whole: a new track
// is built on the held object.
TEST_F(N4FacetSet, ForgetUnheldKeepsHeldObjectsOnlyWhileTheyAreHeld)
{
    temp.Write("Oval/oval.ptf", N4Sample("track.ptf"));
    temp.Write("Oval/car.3do", good);
    Oval oval(Track("Oval"));
    oval.car = nullptr;
    const auto& cars = dynamic_cast<N4MakeTdo&>(*oval.factory->GetFacet<MakeTdo>()).GetLocal().GetCache().GetMap();
    const auto& ptfs = dynamic_cast<N4MakePtf&>(*oval.factory->GetFacet<MakePtf>()).GetSource().GetCache();
    ASSERT_EQ(cars.count("car.3do"), 1u);
    FileFactoryRegistry::Instance()->ForgetUnheld();
    EXPECT_EQ(FileFactoryRegistry::Instance()->GetFactory(temp.Path("Oval"), false).Get(), oval.factory.Get())
        << "held here: kept";
    EXPECT_EQ(cars.count("car.3do"), 0u) << "held by nobody: forgotten";
    EXPECT_EQ(oval.Ptf().Get(), oval.ptf.Get()) << "held: the one object of its file";
    CountedPointer<Papy::Track> rebuilt = oval.Track();
    EXPECT_NE(rebuilt.Get(), oval.track.Get());
    EXPECT_GT(oval.track->GetSegmentCount(), 0) << "the holder keeps its track";
    EXPECT_EQ(oval.ptf.GetCount(), 4) << "this test's, the cache's and both tracks'";

    // Let go by this test, it is still held by the track the cache built on it; that track
    // forgotten as well, the file is read again.
    const TdoFile* held = oval.ptf.Get();
    oval.track = rebuilt = nullptr;
    oval.ptf = nullptr;
    EXPECT_EQ(oval.Ptf().Get(), held);
    FileFactoryRegistry::Instance()->ForgetUnheld();
    EXPECT_FALSE(ptfs.Find("oval.ptf")) << "handed out again";
    const CountedPointer<TdoFile> again = oval.Ptf();
    EXPECT_TRUE(again);
    EXPECT_EQ(ptfs.Find("oval.ptf").Get(), again.Get());
}

// The track cache's entries name the file object each track is built on: a purge empties them,
// and a track built after it goes with its own file object, not with the one before.
TEST_F(N4FacetSet, TrackEntriesNameTheFileObjectTheyAreBuiltOn)
{
    temp.Write("Oval/oval.ptf", N4Sample("track.ptf"));
    temp.Write("Oval/car.3do", good);
    Oval oval(Track("Oval"));
    const MakeCache<Papy::Track>& tracks = dynamic_cast<FolderMakeTrack&>(*oval.factory->GetFacet<MakeTrack>()).GetCache();
    ASSERT_EQ(tracks.GetMap().size(), 1u);
    EXPECT_EQ(tracks.GetMap().at("oval.ptf").Held.Get(), oval.track.Get());
    EXPECT_EQ(tracks.GetMap().at("oval.ptf").Source, oval.ptf.Get());
    FileFactoryRegistry::Instance()->Purge();
    EXPECT_TRUE(tracks.GetMap().empty());

    oval.factory->Forget(oval.ptf.Get());
    const CountedPointer<TdoFile> ptf = oval.Ptf();
    const CountedPointer<Papy::Track> track = oval.Track();
    ASSERT_EQ(tracks.GetMap().size(), 1u);
    EXPECT_EQ(tracks.GetMap().at("oval.ptf").Source, ptf.Get());
    oval.factory->Forget(oval.ptf.Get());
    EXPECT_EQ(oval.Track().Get(), track.Get()) << "forgotten with the file object before";
    oval.factory->Forget(ptf.Get());
    EXPECT_TRUE(tracks.GetMap().empty());
}

TEST(SubFacetSet, ForwardsToTheParentWithTheFolderPrefix)
{
    VelmoTest::TempFolder temp;
    temp.Write("Track/track.dat",
               ICR2Dat({{"cars\\body.mip", BitmapSample("f0.mip")}, {"a.b\\x.mip", BitmapSample("f0.mip")}}));
    temp.Write("x.mip", BitmapSample("f0.mip")); // where an unsafe name would lead
    CountedPointer<FileFactory> sub = Factory(temp.Path("Track/Cars"));
    CountedPointer<FileFactory> parent = Factory(temp.Path("Track"));
    ASSERT_EQ(FacetSetOf(*sub), "Sub");
    CountedPointer<MipFile> body;
    sub->GetFacet<MakeMip>()->Make(body, "body", "mip", false);
    CountedPointer<MipFile> fromParent;
    parent->GetFacet<MakeMip>()->Make(fromParent, "Cars\\body", "mip", false);
    EXPECT_EQ(body.Get(), fromParent.Get());
    EXPECT_EQ(sub->GetFacet<GetDat>()->GetDatFile().Get(), parent->GetFacet<GetDat>()->GetDatFile().Get());

    // A Sub purge does nothing; the parent's cache keeps the object.
    body = fromParent = CountedPointer<MipFile>();
    sub->GetFacet<MakeMip>()->PurgeCache();
    auto& parentMip = dynamic_cast<GPLMakeMip&>(*parent->GetFacet<MakeMip>());
    EXPECT_TRUE(parentMip.GetSource().GetCache().Find("cars/body.mip"));

    // Created through the Sub folder, filed in the parent under the prefixed key.
    std::string extension;
    CountedPointer<MipFile> wheel;
    sub->GetFacet<CreateMip>()->Create(wheel, "Wheel", 64, 64, 5, 6, 5, 0, 0, false, 0, false, false, false, false,
                                      true, 0, extension);
    EXPECT_EQ(parentMip.GetSource().GetCache().Find("cars/wheel.mip").Get(), wheel.Get());

    // A folder whose name has a dot keeps its name: the name is split before the prefix goes
    // in front, so the default extension or the name's own is the file's.
    temp.MakeFolder("Track/a.b");
    CountedPointer<FileFactory> dotted = Factory(temp.Path("Track/a.b"));
    ASSERT_EQ(FacetSetOf(*dotted), "Sub");
    CountedPointer<MipFile> first;
    dotted->GetFacet<MakeMip>()->Make(first, "x", "mip", false);
    for (const auto& [name, extension] : {std::pair{"x", ""}, std::pair{"x.mip", ""}, std::pair{"X.old", "MIP"}})
    {
        CountedPointer<MipFile> again;
        dotted->GetFacet<MakeMip>()->Make(again, name, extension, false);
        EXPECT_EQ(again.Get(), first.Get()) << name << " " << extension;
    }
    try
    {
        dotted->GetFacet<MakeMip>()->Make(first, "y", "", false);
        ADD_FAILURE() << "made";
    }
    catch (const Util::XFileOpen& e)
    {
        EXPECT_EQ(e.GetText(), "Couldn't open " + temp.Path("Track/") + "a.b\\y.mip\nFile not found\n");
    }

    // A name that leaves the folder never reaches the disk.
    EXPECT_THROW(sub->GetFacet<MakeMip>()->Make(body, "..\\..\\x", "mip", false), Util::XFileOpen);

    try
    {
        sub->GetFacet<GetDat>()->SetDat(parent->GetFacet<GetDat>()->GetDatFile());
        ADD_FAILURE() << "no assertion";
    }
    catch (const Util::XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "false");
        EXPECT_STREQ(e.GetFile(), ".\\SubGetDat.cpp");
        EXPECT_EQ(e.GetLine(), 28);
    }
    EXPECT_TRUE(sub->GetFacet<GetDat>()->GetDatFile());
    // The kinds the folder cannot make say so.
    CountedPointer<TdoFile> tdo;
    EXPECT_EQ(TextOf([&] { sub->GetFacet<MakeTdo>()->Make(tdo, "car.3do", "", false); }),
              "Cars\\car.3do can't be opened: its folder holds no files of that kind");
    CountedPointer<Util::BinaryStream> stream;
    EXPECT_EQ(TextOf([&] { sub->GetFacet<MakeUnknown>()->Make(stream, "readme", "", false); }),
              "Cars\\readme can't be opened: it has no extension");
}
