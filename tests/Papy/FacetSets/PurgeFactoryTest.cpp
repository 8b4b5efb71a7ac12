// The purge of a factory's Make caches, with the game's real file objects: objects held by a
// document survive and stay cached; the replay and track caches are emptied whole; the layout
// cache is left alone. GetDatLocal and TrkMakeTrack.
#include <gtest/gtest.h>

#include "Papy/Container/DatFile.h"
#include "Papy/FacetSets/TrkMakeTrack.h"
#include "Papy/Factory/FileFactoryRecognizer.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/GetDatLocal.h"
#include "Papy/Factory/LooseMakeSource.h"
#include "Papy/Factory/MakeFacet.h"
#include "Papy/Factory/PurgeFactory.h"
#include "Papy/Factory/StandardMakeSource.h"
#include "Papy/Race/GPLCamFile.h"
#include "Papy/Race/GPLLytFile.h"
#include "Papy/Race/GPLRpyFile.h"
#include "Papy/Track/GPLLpFile.h"
#include "Papy/Track/GPLTrkFile.h"
#include "Papy/Track/TrkTrack.h"
#include "Support/ByteBuilder.h"
#include "Support/TempFolder.h"
#include "Util/MemoryStream.h"
#include "Util/PathName.h"

using namespace Velmo;
using namespace Velmo::Papy;
using Util::CountedPointer;

namespace
{
CountedPointer<CamFile> LoadCam(const CountedPointer<Util::BinaryStream>& stream)
{
    return MakeFromStream<CamFile, GPLCamFile>(stream);
}

CountedPointer<LytFile> LoadLyt(const CountedPointer<Util::BinaryStream>& stream)
{
    return MakeFromStream<LytFile, GPLLytFile>(stream);
}

CountedPointer<TrkFile> LoadTrk(const CountedPointer<Util::BinaryStream>& stream)
{
    return MakeFromStream<TrkFile, GPLTrkFile>(stream);
}

CountedPointer<RpyFile> LoadRpy(const CountedPointer<Util::BinaryStream>& stream, const PapyDirectory&)
{
    return MakeFromStream<RpyFile, GPLRpyFile>(stream);
}

typedef MakeFacet<MakeCam, StandardMakeSource<CamFile>, &LoadCam> TestMakeCam;
typedef MakeFacet<MakeLyt, StandardMakeSource<LytFile>, &LoadLyt> TestMakeLyt;
typedef MakeFacet<MakeTrk, StandardMakeSource<TrkFile>, &LoadTrk> TestMakeTrk;
typedef MakeFacet<MakeRpy, LooseMakeSource<RpyFile>, &LoadRpy> TestMakeRpy;

std::string Letters(const std::string& id)
{
    return std::string(id.rbegin(), id.rend());
}

// The smallest GPL replay: its player and no frames.
std::string SmallestReplay()
{
    VelmoTest::ByteBuilder b;
    b.Text(Letters("RPLY")).U32(2).U32(460);
    b.Text(Letters("RPHD")).U32(0).U32(76).Zeros(32).Text("P").Zeros(15).Text("Q").Zeros(15).Zeros(12);
    b.Text(Letters("WKNF")).U32(0).U32(181).Text("Monza").Zeros(176 + 3);
    b.Text(Letters("DRLS")).U32(0).U32(152);
    b.Text(Letters("DRNT")).U32(0).U32(139).Text("P").Zeros(15).Text("Q").Zeros(15).Zeros(139 - 32 + 1);
    b.Text(Letters("RPTP")).U32(0x40).U32(0);
    return std::string(b.Get().begin(), b.Get().end());
}

std::string SmallestCameras()
{
    VelmoTest::ByteBuilder b;
    b.Text(Letters("TCAM")).U32(0).U32(60).Zeros(60);
    return std::string(b.Get().begin(), b.Get().end());
}

std::string TrackSample(const std::string& name)
{
    std::ifstream in(std::string(VELMO_FACETSETS_TRACK_SAMPLES) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The racing lines are of the sample track, read once.
CountedPointer<LpFile> LoadLp(const CountedPointer<Util::BinaryStream>& stream, const PapyDirectory&)
{
    static const std::string bytes = TrackSample("gpl-minimal.trk");
    static Util::MemoryStream trackStream(std::vector<U8>(bytes.begin(), bytes.end()), "gpl-minimal.trk");
    static const GPLTrkFile track(trackStream);
    return CountedPointer<LpFile>(new GPLLpFile(*stream, track));
}

class TestMakeLp : public MakeFacet<MakeLp, LooseMakeSource<LpFile>, &LoadLp>
{
public:
    using MakeFacet::MakeFacet;
    int GetTypeCount() override { return GPLLpFile::GetTypeCount(); }
    std::string GetTypeName(int i) override { return GPLLpFile::GetTypeName(i); }
};

// A container that nobody reads: only its lifetime is watched.
class EmptyDat : public DatFile
{
public:
    explicit EmptyDat(int& alive) : m_alive(alive) { ++m_alive; }
    ~EmptyDat() override { --m_alive; }
    const Util::PathName& GetPathName() const override { return m_path; }
    int GetEntryCount() const override { return 0; }
    std::string GetEntryName(int) const override { return ""; }
    std::string GetEntryExtension(int) const override { return ""; }
    std::string GetEntryFolder(int) const override { return ""; }
    U32 GetEntrySize(int) const override { return 0; }
    U32 GetEntryCompressedSize(int) const override { return 0; }
    CountedPointer<Util::BinaryStream> OpenEntry(int) override { return {}; }
    CountedPointer<Util::BinaryStream> OpenEntry(const std::string&) override { return {}; }
    void Build(bool) override {}
    void Save() override {}

private:
    int& m_alive;
    Util::PathName m_path{"/empty.dat"};
};

// Builds every folder's factory with the facets of this test.
class TestRecognizer : public FileFactoryRecognizer
{
public:
    explicit TestRecognizer(FileFactoryRegistry& registry) : FileFactoryRecognizer(true, registry), m_registry(registry)
    {
    }
    CountedPointer<FileFactory> MakeDirectoryFactory(const PapyDirectory& directory, bool) override
    {
        CountedPointer<FileFactory> factory(new FileFactory);
        factory->AddFacet<GetDat>(new GetDatLocal({}));
        factory->AddFacet<PurgeFactory>(new PurgeFactory(factory.Get()));
        factory->AddFacet<MakeCam>(new TestMakeCam({directory, {}, "cam"}));
        factory->AddFacet<MakeRpy>(new TestMakeRpy({directory, "rpy"}));
        factory->AddFacet<MakeTrk>(new TestMakeTrk({directory, {}, "trk"}));
        factory->AddFacet<MakeTrack>(new TrkMakeTrack(directory, &m_registry));
        factory->AddFacet<MakeLyt>(new TestMakeLyt({directory, {}, "lyt"}));
        factory->AddFacet<MakeLp>(new TestMakeLp({directory, "lp"}));
        return factory;
    }
    CountedPointer<FileFactory> MakeDatFactory(const std::string&, bool) override { return {}; }
    bool RecognizeDatHeader(const std::string&) override { return false; }
    bool RecognizeDatContent(const std::string&) override { return false; }
    bool RecognizeDirectory(const PapyDirectory&) override { return true; }

private:
    FileFactoryRegistry& m_registry;
};

struct Scene
{
    Scene()
    {
        folder.Write("Monza/monza.cam", SmallestCameras());
        folder.Write("Monza/Race.rpy", SmallestReplay());
        folder.Write("Monza/Monza.trk", TrackSample("gpl-minimal.trk"));
        folder.Write("Monza/Monza.LP", TrackSample("gpl-minimal.lp"));
        folder.Write("Monza/menu.lyt", std::string("\x06\0\0\0\x29\x03\0\0", 8) + std::string(8, '\0'));
        factory = registry.GetFactory(folder.Path("Monza"), false);
    }

    template <class Kind, class Object>
    CountedPointer<Object> Make(const std::string& name)
    {
        CountedPointer<Object> object;
        if constexpr (std::is_same_v<Kind, MakeRpy> || std::is_same_v<Kind, MakeLp>)
            factory->GetFacet<Kind>()->Make(object, name, "");
        else
            factory->GetFacet<Kind>()->Make(object, name, "", false);
        return object;
    }

    VelmoTest::TempFolder folder;
    FileFactoryRegistry registry;
    TestRecognizer recognizer{registry};
    CountedPointer<FileFactory> factory;
};
} // namespace

TEST(PurgeFactory, HeldObjectsSurviveAndStayCached)
{
    Scene s;
    auto cameras = s.Make<MakeCam, CamFile>("monza");
    const CamFile* first = cameras.Get();
    s.Make<MakeLyt, LytFile>("menu");
    s.registry.Purge();
    // The document still holds its cameras: the same object comes back.
    EXPECT_EQ((s.Make<MakeCam, CamFile>("MONZA")).Get(), first);
    // Closing the document and purging again drops them; the next request loads anew.
    cameras = nullptr;
    s.registry.Purge();
    auto again = s.Make<MakeCam, CamFile>("monza");
    EXPECT_EQ(again->GetCameraCount(), 1);
    EXPECT_EQ(s.factory->GetFacet<MakeCam>().Get() != nullptr, true);
}

TEST(PurgeFactory, RacingLineReplayAndTrackCachesEmptyWhole)
{
    Scene s;
    auto line = s.Make<MakeLp, LpFile>("");
    EXPECT_EQ((s.Make<MakeLp, LpFile>("monza")).Get(), line.Get());
    auto replay = s.Make<MakeRpy, RpyFile>("race");
    auto track = s.Make<MakeTrack, Track>("");
    auto trackFile = s.Make<MakeTrk, TrkFile>("monza");
    EXPECT_EQ(dynamic_cast<TrkTrack&>(*track).GetFile().Get(), trackFile.Get());
    EXPECT_EQ((s.Make<MakeRpy, RpyFile>("RACE")).Get(), replay.Get());
    EXPECT_EQ((s.Make<MakeTrack, Track>("Monza")).Get(), track.Get());

    s.registry.Purge();
    // Still held, but no longer cached: a second object is read.
    auto line2 = s.Make<MakeLp, LpFile>("monza");
    EXPECT_NE(line2.Get(), line.Get());
    EXPECT_EQ(line2->GetRecordCount(), line->GetRecordCount());
    auto replay2 = s.Make<MakeRpy, RpyFile>("race");
    EXPECT_NE(replay2.Get(), replay.Get());
    EXPECT_EQ(replay2->GetPlayerName(), "P Q");
    auto track2 = s.Make<MakeTrack, Track>("monza");
    EXPECT_NE(track2.Get(), track.Get());
    // The track file itself is held by the first track, so its cache keeps it.
    EXPECT_EQ(dynamic_cast<TrkTrack&>(*track2).GetFile().Get(), trackFile.Get());
}

TEST(PurgeFactory, LayoutCacheIsNotPurged)
{
    Scene s;
    const LytFile* layout = s.Make<MakeLyt, LytFile>("menu").Get();
    s.registry.Purge();
    EXPECT_EQ((s.Make<MakeLyt, LytFile>("menu")).Get(), layout);
}

TEST(PurgeFactory, TrackFromTheFoldersTrackFile)
{
    Scene s;
    // Empty name and extension: the folder's own name, monza.trk, whatever its case on disk.
    auto track = s.Make<MakeTrack, Track>("");
    ASSERT_TRUE(track);
    EXPECT_GT(track->GetSegmentCount(), 0);
    auto* facet = dynamic_cast<TrkMakeTrack*>(s.factory->GetFacet<MakeTrack>().Get());
    ASSERT_NE(facet, nullptr);
    ASSERT_EQ(facet->GetCache().GetMap().size(), 1u);
    EXPECT_EQ(facet->GetCache().GetMap().begin()->first, "monza.trk");
    // A missing track raises the track-file facet's error.
    CountedPointer<Track> none;
    try
    {
        facet->Make(none, "Spa", "", false);
        ADD_FAILURE() << "made";
    }
    catch (const Util::XFileOpen& e)
    {
        EXPECT_EQ(e.GetText(), "Couldn't open " + s.folder.Path("Monza") + "/Spa.trk\nFile not found\n");
    }
}

TEST(PurgeFactory, SetDatReplacesAndReleases)
{
    int alive = 0;
    GetDatLocal facet(CountedPointer<DatFile>(new EmptyDat(alive)));
    ASSERT_EQ(alive, 1);
    CountedPointer<DatFile> replacement(new EmptyDat(alive));
    facet.SetDat(replacement);
    EXPECT_EQ(alive, 1);
    EXPECT_EQ(facet.GetDatFile().Get(), replacement.Get());

    // A folder without a DAT: a purge leaves GetDat empty.
    Scene s;
    s.registry.Purge();
    EXPECT_FALSE(s.factory->GetFacet<GetDat>()->GetDatFile());
}
