// The Create facets: level counts (the unsigned wrap, then the cap), the extension written
// back, the new object filed where the factory's own Make finds it, CreateDat's new archive,
// the racing line over the folder's track and the track conversion.
#include <gtest/gtest.h>

#include "FacetSetsTestSupport.h"
#include "Papy/Bitmap/GPLMipFile.h"
#include "Papy/Bitmap/PbfFile.h"
#include "Papy/Bitmap/SrbFile.h"
#include "Papy/Container/DatFile.h"
#include "Papy/FacetSets/GameRecognizers.h"
#include "Papy/FacetSets/LevelCount.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/GetDat.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/TextureVertex.h"
#include "Papy/Model/Vertex.h"
#include "Papy/Race/CamFile.h"
#include "Papy/Track/GPLTrkFile.h"
#include "Papy/Track/LpFile.h"
#include "Papy/Track/Track.h"
#include "Support/TempFolder.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"
#include "Util/MemoryStream.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace FacetSetsTest;
using Util::CountedPointer;

namespace
{
CountedPointer<MipFile> CreateMipOf(FileFactory& factory, const std::string& name, U32 height, U32 width,
                                    bool paletted, bool automatic, U32 levels, std::string& extension)
{
    CountedPointer<MipFile> mip;
    factory.GetFacet<CreateMip>()->Create(mip, name, height, width, 5, 6, 5, 0, 0, paletted, paletted ? 16 : 0,
                                          false, false, false, false, automatic, levels, extension);
    return mip;
}
} // namespace

TEST(CreateFacet, LevelCounts)
{
    struct Case
    {
        const char* rule;
        U32 (*count)(U32, U32, bool, U32);
        U32 height, width;
        bool automatic;
        U32 given, expected;
    };
    const Case cases[] = {
        {"GPL automatic", &LevelCount::GPL, 256, 64, true, 0, 4},
        {"GPL automatic wraps below zero, then the cap", &LevelCount::GPL, 2, 2, true, 0, 2},
        {"GPL automatic of width 1 wraps too", &LevelCount::GPL, 1, 1, true, 0, 1},
        {"GPL given 20 is capped", &LevelCount::GPL, 64, 32, false, 20, 6},
        {"GPL given 3 is kept", &LevelCount::GPL, 64, 32, false, 3, 3},
        {"N4 given 20 is capped", &LevelCount::N4, 64, 32, false, 20, 7},
        {"N4 automatic", &LevelCount::N4, 16, 64, true, 0, 7},
        {"N2 automatic", &LevelCount::N2, 256, 64, true, 0, 4},
        {"N2 given 9 is capped", &LevelCount::N2, 256, 64, false, 9, 7},
        {"N2 automatic wraps", &LevelCount::N2, 2, 64, true, 0, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.count(c.height, c.width, c.automatic, c.given), c.expected) << c.rule;
}

TEST(CreateFacet, GPLCreatedObjectsAreWhatTheFactoryMakes)
{
    VelmoTest::TempFolder temp;
    temp.Write("Monza/Monza.trk", TrackSample("gpl-minimal.trk"));
    CountedPointer<FileFactory> factory = Factory(temp.Path("Monza"));

    std::string extension = "old";
    CountedPointer<MipFile> mip = CreateMipOf(*factory, "Sky", 256, 64, false, true, 0, extension);
    EXPECT_EQ(extension, "mip");
    EXPECT_EQ(mip->GetBitmapCount(), 4u);
    CountedPointer<MipFile> made;
    factory->GetFacet<MakeMip>()->Make(made, "SKY.MIP", "", false);
    EXPECT_EQ(made.Get(), mip.Get());
    EXPECT_EQ(CreateMipOf(*factory, "two", 2, 2, false, true, 0, extension)->GetBitmapCount(), 2u);
    EXPECT_EQ(CreateMipOf(*factory, "cut", 64, 32, false, false, 20, extension)->GetBitmapCount(), 6u);

    CountedPointer<PbfFile> pbf;
    factory->GetFacet<CreatePbf>()->Create(pbf, "Logo", 32, 32, 5, 6, 5, 0, 0, false, 0, extension);
    EXPECT_EQ(extension, "pbf");
    CountedPointer<PbfFile> madePbf;
    factory->GetFacet<MakePbf>()->Make(madePbf, "logo", "pbf", false);
    EXPECT_EQ(madePbf.Get(), pbf.Get());

    CountedPointer<std::vector<Vertex>> vertices(new std::vector<Vertex>{{0, 0, 10}, {10, 0, 10}, {10, 0, 0}, {0, 0, 0}});
    CountedPointer<std::vector<TextureVertex>> textureVertices(
        new std::vector<TextureVertex>{{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    CountedPointer<SrbFile> srb;
    factory->GetFacet<CreateSrb>()->Create(srb, "Tree", 256, 64, 5, 6, 5, 0, 0, false, 0, false, true, 0, vertices,
                                          textureVertices, extension);
    EXPECT_EQ(extension, "srb");
    EXPECT_EQ(srb->GetBitmapCount(), 4u);
    CountedPointer<SrbFile> madeSrb;
    factory->GetFacet<MakeSrb>()->Make(madeSrb, "tree", "", false);
    EXPECT_EQ(madeSrb.Get(), srb.Get());

    CountedPointer<TdoFile> tdo;
    factory->GetFacet<CreateTdo>()->Create(tdo, "Car");
    CountedPointer<TdoFile> madeTdo;
    factory->GetFacet<MakeTdo>()->Make(madeTdo, "car", "3do", false);
    EXPECT_EQ(madeTdo.Get(), tdo.Get());

    CountedPointer<LpFile> lp;
    factory->GetFacet<CreateLp>()->Create(lp, "Fast", 0);
    CountedPointer<LpFile> madeLp;
    factory->GetFacet<MakeLp>()->Make(madeLp, "fast", "");
    EXPECT_EQ(madeLp.Get(), lp.Get());
    CountedPointer<TrkFile> track;
    factory->GetFacet<MakeTrk>()->Make(track, "", "", false);
    EXPECT_EQ(lp->GetRecordCount(), int(track->GetLength2D() * 0.33333334f + 0.5) + 1);

    CountedPointer<TrkFile> converted;
    factory->GetFacet<CreateTrk>()->Create(converted, track);
    EXPECT_TRUE(dynamic_cast<GPLTrkFile*>(converted.Get()));
    EXPECT_NE(converted.Get(), track.Get());

    // A new camera file: its pit-lane camera, all record bytes 0, and no TV cameras.
    CountedPointer<CamFile> cam;
    factory->GetFacet<CreateCam>()->Create(cam);
    ASSERT_TRUE(cam);
    ASSERT_EQ(cam->GetCameraCount(), 1);
    EXPECT_EQ(cam->GetCamera(0)->GetType(), Camera::Pitlane);
    Util::MemoryStream saved("new.cam");
    cam->Save(saved);
    VelmoTest::ByteBuilder expected;
    expected.Text("MACT").U32(0).U32(60).U32(0).U32(0).Zeros(52);
    EXPECT_EQ(saved.GetBytes(), expected.Get());

    // Refused builds file nothing.
    EXPECT_THROW(CreateMipOf(*factory, "odd", 48, 64, false, true, 0, extension), Util::XUsage);
    EXPECT_THROW(factory->GetFacet<MakeMip>()->Make(made, "odd", "mip", false), Util::XFileOpen);
}

TEST(CreateFacet, CreateLpNeedsTheFoldersTrack)
{
    VelmoTest::TempFolder temp;
    temp.MakeFolder("Empty");
    CountedPointer<FileFactory> factory = Factory(temp.Path("Empty"));
    CountedPointer<LpFile> lp;
    EXPECT_THROW(factory->GetFacet<CreateLp>()->Create(lp, "fast", 0), Util::XFileOpen);
}

TEST(CreateFacet, CreateDatMakesTheArchiveOnceAndKeepsTheOldOnFailure)
{
    struct Case
    {
        const char* game;
        std::string file;
    };
    for (const Case& c : {Case{"GPL", GPLSample("minimal.3do")}, Case{"N4", N4Sample("structure.3do")}})
    {
        SCOPED_TRACE(c.game);
        VelmoTest::TempFolder temp;
        temp.Write("Oval/car.3do", c.file);
        CountedPointer<FileFactory> factory = Factory(temp.Path("Oval"));
        ASSERT_EQ(FacetSetOf(*factory), c.game);
        EXPECT_FALSE(factory->GetFacet<GetDat>()->GetDatFile());
        CountedPointer<DatFile> dat;
        factory->GetFacet<CreateDat>()->Create(dat);
        ASSERT_TRUE(dat);
        EXPECT_EQ(factory->GetFacet<GetDat>()->GetDatFile().Get(), dat.Get());
        EXPECT_EQ(dat->GetPathName().GetFullPath(), temp.Path("Oval/Oval.dat"));
        EXPECT_EQ(dat->GetEntryCount(), 0);

        // Nothing is written until a save: a new factory of the folder, without the
        // container, still opens the folder's files.
        EXPECT_FALSE(Util::FileExists(temp.Path("Oval/Oval.dat")));
        {
            FileFactoryRegistry registry;
            GameRecognizers recognizers(registry);
            CountedPointer<FileFactory> again = registry.GetFactory(temp.Path("Oval"), false);
            ASSERT_TRUE(again);
            EXPECT_FALSE(again->GetFacet<GetDat>()->GetDatFile());
            CountedPointer<TdoFile> car;
            again->GetFacet<MakeTdo>()->Make(car, "car", "", false);
            EXPECT_TRUE(car);
        }
        // A save that fails (an ICR2 archive needs an entry) leaves no file either.
        if (std::string(c.game) == "GPL")
        {
            EXPECT_THROW(dat->Save(), Util::XUsage);
            EXPECT_FALSE(Util::FileExists(temp.Path("Oval/Oval.dat")));
        }
        dat->Build(false);
        dat->Save();
        EXPECT_TRUE(Util::FileExists(temp.Path("Oval/Oval.dat")));
        EXPECT_EQ(dat->GetEntryCount(), 1);
        CountedPointer<DatFile> second;
        EXPECT_THROW(factory->GetFacet<CreateDat>()->Create(second), Util::XFileOpen);
        EXPECT_FALSE(second);
        EXPECT_EQ(factory->GetFacet<GetDat>()->GetDatFile().Get(), dat.Get());
    }
}

TEST(CreateFacet, N2PalettedTexturesAndScaledBitmaps)
{
    VelmoTest::TempFolder temp;
    temp.Write("n2/car.3do", N2Sample("minimal.3do"));
    CountedPointer<FileFactory> factory = Factory(temp.Path("n2"));
    std::string extension;
    CountedPointer<MipFile> mip = CreateMipOf(*factory, "Road", 256, 64, true, true, 0, extension);
    EXPECT_EQ(extension, "mip");
    EXPECT_EQ(mip->GetBitmapCount(), 4u);
    CountedPointer<MipFile> made;
    factory->GetFacet<MakeMip>()->Make(made, "road", "mip", false);
    EXPECT_EQ(made.Get(), mip.Get());

    CountedPointer<std::vector<Vertex>> vertices(new std::vector<Vertex>{{0, 0, 10}, {10, 0, 10}, {10, 0, 0}, {0, 0, 0}});
    CountedPointer<std::vector<TextureVertex>> textureVertices(
        new std::vector<TextureVertex>{{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    CountedPointer<SrbFile> srb;
    factory->GetFacet<CreateSrb>()->Create(srb, "Tree", 256, 64, 8, 8, 8, 0, 1, true, 256, false, false, 9, vertices,
                                          textureVertices, extension);
    EXPECT_EQ(extension, "srb");
    EXPECT_EQ(srb->GetBitmapCount(), 7u);
    CountedPointer<SrbFile> madeSrb;
    factory->GetFacet<MakeSrb>()->Make(madeSrb, "TREE", "SRB", false);
    EXPECT_EQ(madeSrb.Get(), srb.Get());
}

TEST(CreateFacet, N4TexturesAndStps)
{
    VelmoTest::TempFolder temp;
    temp.Write("n4/car.3do", N4Sample("structure.3do"));
    CountedPointer<FileFactory> factory = Factory(temp.Path("n4"));
    std::string extension;
    CountedPointer<MipFile> mip = CreateMipOf(*factory, "Wall", 16, 64, false, true, 0, extension);
    EXPECT_EQ(extension, "mip");
    EXPECT_EQ(mip->GetBitmapCount(), 7u);
    EXPECT_EQ(CreateMipOf(*factory, "cut", 64, 32, false, false, 20, extension)->GetBitmapCount(), 7u);
    CountedPointer<MipFile> made;
    factory->GetFacet<MakeMip>()->Make(made, "wall", "", false);
    EXPECT_EQ(made.Get(), mip.Get());

    CountedPointer<PbfFile> stp;
    factory->GetFacet<CreatePbf>()->Create(stp, "Sign", 32, 64, 5, 6, 5, 0, 0, false, 0, extension);
    EXPECT_EQ(extension, "stp");
    CountedPointer<PbfFile> madeStp;
    factory->GetFacet<MakePbf>()->Make(madeStp, "sign", "", false);
    EXPECT_EQ(madeStp.Get(), stp.Get());

    CountedPointer<TdoFile> tdo;
    factory->GetFacet<CreateTdo>()->Create(tdo, "Car2");
    CountedPointer<TdoFile> madeTdo;
    factory->GetFacet<MakeTdo>()->Make(madeTdo, "car2", "", false);
    EXPECT_EQ(madeTdo.Get(), tdo.Get());
}

TEST(CreateFacet, N4RacingLineOverTheFoldersTrackObject)
{
    VelmoTest::TempFolder temp;
    temp.Write("Oval/oval.ptf", N4Sample("track.ptf"));
    CountedPointer<FileFactory> factory = Factory(temp.Path("Oval"));
    CountedPointer<LpFile> lp;
    factory->GetFacet<CreateLp>()->Create(lp, "Race", 0);
    CountedPointer<Papy::Track> track;
    factory->GetFacet<MakeTrack>()->Make(track, "", "", false);
    EXPECT_EQ(lp->GetRecordCount(), int(track->GetLength2D() / 3.0) + 1);
    CountedPointer<LpFile> made;
    factory->GetFacet<MakeLp>()->Make(made, "race", "");
    EXPECT_EQ(made.Get(), lp.Get());
}

TEST(CreateFacet, N2TrueColourTexturesAreGPLMipsUnderM16)
{
    VelmoTest::TempFolder temp;
    temp.Write("n2/car.3do", N2Sample("minimal.3do"));
    CountedPointer<FileFactory> factory = Factory(temp.Path("n2"));
    std::string extension;
    CountedPointer<MipFile> mip = CreateMipOf(*factory, "Sky", 256, 64, false, true, 0, extension);
    EXPECT_EQ(extension, "m16");
    EXPECT_TRUE(dynamic_cast<GPLMipFile*>(mip.Get()));
    EXPECT_EQ(mip->GetBitmapCount(), 4u);
    CountedPointer<MipFile> made;
    factory->GetFacet<MakeMip>()->Make(made, "sky", "m16", false);
    EXPECT_EQ(made.Get(), mip.Get());
}
