// The purge of a factory's Make caches: every Make kind, in the purge's order, each observed
// by its loads (what only the cache held is loaded again, what a document holds is handed out
// again) and by its purges; the racing-line, replay and track caches emptied whole, the PTF,
// layout and unknown-file caches left alone, the folder's DAT kept. GetDatLocal and TrkMakeTrack.
#include <gtest/gtest.h>

#include "FacetSetsTestSupport.h"
#include "Papy/Container/DatFile.h"
#include "Papy/FacetSets/FolderMakeFacet.h"
#include "Papy/FacetSets/GPLMakeFacets.h"
#include "Papy/FacetSets/N4MakeFacets.h"
#include "Papy/FacetSets/PcxMake.h"
#include "Papy/FacetSets/TrkMakeTrack.h"
#include "Papy/Factory/FileFactoryRecognizer.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/GetDatLocal.h"
#include "Papy/Factory/LooseMakeSource.h"
#include "Papy/Factory/MakeFacet.h"
#include "Papy/Factory/NormalMakeUnknown.h"
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

}

namespace
{
// Every Make kind of a factory, each counting its loads and logging its purges: the kinds
// whose objects are released when only the cache holds them, those whose cache is emptied
// whole, and those the purge leaves alone.
enum class Form { Released, EmptiedWhole, Kept };
enum Kind { Cam, Lp, Mip, Pbf, Pcx, Rpy, Srb, Tdo, TrackKind, Trk, Ptf, Lyt, Unknown, KindCount };
int g_loads[KindCount];
std::vector<std::string> g_purges;

template <auto Load, Kind K>
auto Counted(const CountedPointer<Util::BinaryStream>& stream)
{
    ++g_loads[K];
    return Load(stream);
}

template <auto Load, Kind K>
auto CountedLoose(const CountedPointer<Util::BinaryStream>& stream, const PapyDirectory& directory)
{
    ++g_loads[K];
    return Load(stream, directory);
}

CountedPointer<TdoFile> CountedPtf(const CountedPointer<Util::BinaryStream>& stream, const std::string& file,
                                   const PapyDirectory& directory, FileFactoryRegistry& registry)
{
    ++g_loads[Ptf];
    return LoadN4Ptf(stream, file, directory, registry);
}

// A facet that logs its purges under its kind's name.
template <class Facet>
class Logged : public Facet
{
public:
    template <class... Arguments>
    explicit Logged(const char* name, Arguments&&... arguments)
        : Facet(std::forward<Arguments>(arguments)...), m_name(name)
    {
    }
    void PurgeCache() override
    {
        g_purges.push_back(m_name);
        Facet::PurgeCache();
    }

private:
    const char* m_name;
};

class CountedTrack : public TrkMakeTrack
{
public:
    using TrkMakeTrack::TrkMakeTrack;

protected:
    CountedPointer<Track> Load(FileFactory& factory, const std::string& base, bool datOnly,
                               const void*& source) override
    {
        ++g_loads[TrackKind];
        return TrkMakeTrack::Load(factory, base, datOnly, source);
    }
};

class CountedLp : public MakeFacet<MakeLp, LooseMakeSource<LpFile>, &CountedLoose<&LoadLp, Lp>>
{
public:
    using MakeFacet::MakeFacet;
    int GetTypeCount() override { return GPLLpFile::GetTypeCount(); }
    std::string GetTypeName(int i) override { return GPLLpFile::GetTypeName(i); }
};

class EveryKindRecognizer : public FileFactoryRecognizer
{
public:
    explicit EveryKindRecognizer(FileFactoryRegistry& registry)
        : FileFactoryRecognizer(true, registry), m_registry(registry)
    {
    }
    CountedPointer<FileFactory> MakeDirectoryFactory(const PapyDirectory& d, bool) override
    {
        CountedPointer<FileFactory> f(new FileFactory);
        f->AddFacet<GetDat>(new GetDatLocal(CountedPointer<DatFile>(new EmptyDat(datsAlive))));
        f->AddFacet<PurgeFactory>(new PurgeFactory(f.Get()));
        f->AddFacet<MakeCam>(new Logged<MakeFacet<MakeCam, StandardMakeSource<CamFile>, &Counted<&LoadCam, Cam>>>(
            "MakeCam", StandardMakeSource<CamFile>(d, {}, "cam")));
        f->AddFacet<MakeLp>(new Logged<CountedLp>("MakeLp", LooseMakeSource<LpFile>(d, "lp")));
        f->AddFacet<MakeMip>(new Logged<MakeFacet<MakeMip, StandardMakeSource<MipFile>, &Counted<&LoadGPLMip, Mip>>>(
            "MakeMip", StandardMakeSource<MipFile>(d, {}, "mip")));
        f->AddFacet<MakePbf>(new Logged<MakeFacet<MakePbf, StandardMakeSource<PbfFile>, &Counted<&LoadGPLPbf, Pbf>>>(
            "MakePbf", StandardMakeSource<PbfFile>(d, {}, "pbf")));
        f->AddFacet<MakePcx>(new Logged<MakeFacet<MakePcx, StandardMakeSource<PcxFile>, &Counted<&LoadPcxFile, Pcx>>>(
            "MakePcx", StandardMakeSource<PcxFile>(d, {}, "pcx")));
        f->AddFacet<MakeRpy>(new Logged<MakeFacet<MakeRpy, LooseMakeSource<RpyFile>, &CountedLoose<&LoadRpy, Rpy>>>(
            "MakeRpy", LooseMakeSource<RpyFile>(d, "rpy")));
        f->AddFacet<MakeSrb>(new Logged<MakeFacet<MakeSrb, StandardMakeSource<SrbFile>, &Counted<&LoadGPLSrb, Srb>>>(
            "MakeSrb", StandardMakeSource<SrbFile>(d, {}, "srb")));
        f->AddFacet<MakeTdo>(new Logged<MakeFacet<MakeTdo, StandardMakeSource<TdoFile>, &Counted<&LoadGPLTdo, Tdo>>>(
            "MakeTdo", StandardMakeSource<TdoFile>(d, {}, "3do")));
        f->AddFacet<MakeTrack>(new Logged<CountedTrack>("MakeTrack", d, &m_registry));
        f->AddFacet<MakeTrk>(new Logged<MakeFacet<MakeTrk, StandardMakeSource<TrkFile>, &Counted<&LoadTrk, Trk>>>(
            "MakeTrk", StandardMakeSource<TrkFile>(d, {}, "trk")));
        f->AddFacet<MakePtf>(new Logged<FolderMakeFacet<MakePtf>>("MakePtf", StandardMakeSource<TdoFile>(d, {}, "ptf"),
                                                                   m_registry, &CountedPtf));
        f->AddFacet<MakeLyt>(new Logged<MakeFacet<MakeLyt, StandardMakeSource<LytFile>, &Counted<&LoadLyt, Lyt>>>(
            "MakeLyt", StandardMakeSource<LytFile>(d, {}, "lyt")));
        f->AddFacet<MakeUnknown>(
            new Logged<MakeFacet<MakeUnknown, StandardMakeSource<Util::BinaryStream>, &Counted<&StreamItself, Unknown>>>(
                "MakeUnknown", StandardMakeSource<Util::BinaryStream>(d, {}, "")));
        return f;
    }
    CountedPointer<FileFactory> MakeDatFactory(const std::string&, bool) override { return {}; }
    bool RecognizeDatHeader(const std::string&) override { return false; }
    bool RecognizeDatContent(const std::string&) override { return false; }
    bool RecognizeDirectory(const PapyDirectory&) override { return true; }

    int datsAlive = 0;

private:
    FileFactoryRegistry& m_registry;
};

// An object made by name, and a holder that keeps it alive while the holder lives.
struct Made
{
    std::shared_ptr<void> holder;
    const void* object = nullptr;
};

template <class KindT>
Made MakeOf(FileFactory& factory, const std::string& name)
{
    CountedPointer<typename KindT::ObjectType> object;
    if constexpr (std::is_same_v<KindT, MakeRpy> || std::is_same_v<KindT, MakeLp>)
        factory.GetFacet<KindT>()->Make(object, name, "");
    else
        factory.GetFacet<KindT>()->Make(object, name, "", false);
    return {std::make_shared<CountedPointer<typename KindT::ObjectType>>(object), object.Get()};
}
} // namespace

TEST(PurgeFactory, EveryKindInItsOrderAndItsForm)
{
    using FacetSetsTest::BitmapSample;
    using FacetSetsTest::GPLSample;
    using FacetSetsTest::N4Sample;
    using FacetSetsTest::RaceSample;
    const struct Row
    {
        Kind kind;
        const char* name;
        Form form;
        const char* extension;
        std::string bytes;
        Made (*make)(FileFactory&, const std::string&);
    } rows[] = {
        // In the order of the purge.
        {Cam, "MakeCam", Form::Released, "cam", RaceSample("gpl0.cam"), &MakeOf<MakeCam>},
        {Lp, "MakeLp", Form::EmptiedWhole, "lp", FacetSetsTest::TrackSample("gpl-minimal.lp"), &MakeOf<MakeLp>},
        {Mip, "MakeMip", Form::Released, "mip", BitmapSample("f7.mip"), &MakeOf<MakeMip>},
        {Pbf, "MakePbf", Form::Released, "pbf", BitmapSample("f3.pbf"), &MakeOf<MakePbf>},
        {Pcx, "MakePcx", Form::Released, "pcx", BitmapSample("sunny.pcx"), &MakeOf<MakePcx>},
        {Rpy, "MakeRpy", Form::EmptiedWhole, "rpy", RaceSample("gpl.rpy"), &MakeOf<MakeRpy>},
        {Srb, "MakeSrb", Form::Released, "srb", BitmapSample("f7.srb"), &MakeOf<MakeSrb>},
        {Tdo, "MakeTdo", Form::Released, "3do", GPLSample("minimal.3do"), &MakeOf<MakeTdo>},
        // Its tracks hold files of the next kind: walked first, it lets them go in the same purge.
        {TrackKind, "MakeTrack", Form::EmptiedWhole, "trk", FacetSetsTest::TrackSample("gpl-minimal.trk"),
         &MakeOf<MakeTrack>},
        {Trk, "MakeTrk", Form::Released, "trk", FacetSetsTest::TrackSample("gpl-minimal.trk"), &MakeOf<MakeTrk>},
        // Not purged.
        {Ptf, "MakePtf", Form::Kept, "ptf", N4Sample("track.ptf"), &MakeOf<MakePtf>},
        {Lyt, "MakeLyt", Form::Kept, "lyt", RaceSample("screen.lyt"), &MakeOf<MakeLyt>},
        {Unknown, "MakeUnknown", Form::Kept, "", "read me", &MakeOf<MakeUnknown>},
    };
    VelmoTest::TempFolder folder;
    FileFactoryRegistry registry;
    EveryKindRecognizer recognizer(registry);
    // Two files of each kind: one asked for and let go, one held as an open document holds it.
    for (const Row& row : rows)
        for (const char* base : {"free", "held"})
        {
            const std::string name = std::string(base) + row.name;
            folder.Write("Monza/" + name + (*row.extension ? std::string(".") + row.extension : ""), row.bytes);
        }
    CountedPointer<FileFactory> factory = registry.GetFactory(folder.Path("Monza"), false);
    ASSERT_TRUE(factory);
    std::vector<Made> held;
    for (const Row& row : rows)
    {
        row.make(*factory, std::string("free") + row.name);
        held.push_back(row.make(*factory, std::string("held") + row.name));
    }
    const int dats = recognizer.datsAlive;

    g_purges.clear();
    registry.Purge();
    std::vector<std::string> purged;
    for (const Row& row : rows)
        if (row.form != Form::Kept)
            purged.push_back(row.name);
    EXPECT_EQ(g_purges, purged);
    for (std::size_t i = 0; i < std::size(rows); ++i)
    {
        const Row& row = rows[i];
        SCOPED_TRACE(row.name);
        // What nobody held is loaded again, unless the kind is not purged.
        const int before = g_loads[row.kind];
        row.make(*factory, std::string("free") + row.name);
        EXPECT_EQ(g_loads[row.kind] - before, row.form == Form::Kept ? 0 : 1);
        // What a document holds stays cached, unless the kind's cache is emptied whole.
        const Made again = row.make(*factory, std::string("held") + row.name);
        EXPECT_EQ(again.object == held[i].object, row.form != Form::EmptiedWhole);
    }
    // The folder's DAT stays as it was.
    EXPECT_EQ(recognizer.datsAlive, dats);
    EXPECT_EQ(factory->GetFacet<GetDat>()->GetDatFile().GetCount(), 2);
}
