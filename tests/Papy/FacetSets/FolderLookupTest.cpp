// What the game folders' factories hand out across folders: the N4 shared folder's files as one
// object for every sibling (and a save over one seen by all of them), the entries of a DAT's
// folders at any depth, the plain sentence of an entry its folder cannot make, and the missing
// file of a path whose folders are missing at any depth.
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "FacetSetsTestSupport.h"
#include "Papy/Bitmap/MipFile.h"
#include "Papy/FacetSets/N4MakeFacets.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Track/Track.h"
#include "Support/TempFolder.h"
#include "Util/BinaryStream.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace FacetSetsTest;
using Util::CountedPointer;

namespace
{
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
    return "(no error)";
}

CountedPointer<TdoFile> Tdo(const std::string& folder, const std::string& name)
{
    CountedPointer<TdoFile> object;
    Factory(folder)->GetFacet<MakeTdo>()->Make(object, name, "", false);
    return object;
}

// The bytes an object saves to.
std::size_t SavedSize(const CountedPointer<TdoFile>& object)
{
    CountedPointer<Util::BinaryStream> stream(new Util::MemoryStream());
    object->Save(stream);
    return std::size_t(stream->Size());
}
} // namespace

// Two sibling track folders reach the shared folder's files through its one cache: one object
// for both, read once; a save over the shared file (written, then filed as PutSaved does) is
// what every sibling gets from then on.
TEST(SharedFolder, EverySiblingGetsTheSharedFolderFileAsItIsNow)
{
    VelmoTest::TempFolder temp;
    const std::string small = N4Sample("shared.3do"), large = N4Sample("primitives.3do");
    ASSERT_NE(small.size(), large.size());
    temp.Write("tracks/A/car.3do", N4Sample("structure.3do"));
    temp.Write("tracks/B/car.3do", N4Sample("structure.3do"));
    temp.Write("tracks/shared/shared.dat", N4Dat({{"wall.mip", BitmapSample("n4-256x64.mip")}}));
    temp.Write("tracks/shared/wheel.3do", small);
    const std::string a = temp.Path("tracks/A"), b = temp.Path("tracks/B"), shared = temp.Path("tracks/shared");
    ASSERT_EQ(FacetSetOf(*Factory(a)), "N4");

    CountedPointer<TdoFile> fromA = Tdo(a, "wheel.3do"), fromB = Tdo(b, "Wheel"), own = Tdo(shared, "wheel");
    EXPECT_EQ(fromA.Get(), fromB.Get());
    EXPECT_EQ(fromA.Get(), own.Get());

    // A texture of the shared DAT is one object too.
    CountedPointer<MipFile> wallA, wallB;
    Factory(a)->GetFacet<MakeMip>()->Make(wallA, "wall", "", false);
    Factory(b)->GetFacet<MakeMip>()->Make(wallB, "WALL.MIP", "", false);
    EXPECT_EQ(wallA.Get(), wallB.Get());

    // Saved over in the shared folder.
    temp.Write("tracks/shared/wheel.3do", large);
    CountedPointer<TdoFile> saved = Tdo(shared, "wheel");
    EXPECT_NE(saved.Get(), own.Get());
    Factory(shared)->GetFacet<MakeTdo>()->Replace(saved, "wheel.3do", "");
    for (const std::string& sibling : {a, b, shared})
    {
        SCOPED_TRACE(sibling);
        CountedPointer<TdoFile> now = Tdo(sibling, "wheel");
        EXPECT_EQ(now.Get(), saved.Get());
        EXPECT_EQ(SavedSize(now), large.size());
    }
    EXPECT_EQ(SavedSize(fromA), small.size()) << "a holder keeps what it read";
}

// The entries of a DAT's folders: a folder inside a folder opens its entries; an entry of a kind
// the folder cannot make, or without extension, says so.
TEST(SubFolder, EntriesAtAnyDepthAndKindsTheFolderCannotMake)
{
    VelmoTest::TempFolder temp;
    const std::string mip = BitmapSample("n4-256x64.mip");
    temp.Write("Oval/car.3do", N4Sample("structure.3do"));
    temp.Write("Oval/oval.dat", N4Dat({{"art\\logo.mip", mip},
                                       {"art\\sub\\x.mip", mip},
                                       {"art\\sub\\deeper\\y.mip", mip},
                                       {"art\\car.3do", N4Sample("structure.3do")},
                                       {"art\\note.txt", "a note"},
                                       {"art\\readme", "read me"},
                                       {"noext", "no extension"}}));
    const std::string oval = temp.Path("Oval");
    ASSERT_EQ(FacetSetOf(*Factory(oval)), "N4");

    CountedPointer<MipFile> logo, x, y, direct;
    Factory(oval + "/art")->GetFacet<MakeMip>()->Make(logo, "logo.mip", "", false);
    EXPECT_TRUE(logo);
    CountedPointer<FileFactory> sub = Factory(oval + "/art/sub");
    ASSERT_EQ(FacetSetOf(*sub), "Sub");
    sub->GetFacet<MakeMip>()->Make(x, "x.mip", "", false);
    Factory(oval)->GetFacet<MakeMip>()->Make(direct, "ART\\SUB\\X", "mip", false);
    EXPECT_EQ(x.Get(), direct.Get());
    Factory(oval + "/art/sub/deeper")->GetFacet<MakeMip>()->Make(y, "y", "", false);
    EXPECT_TRUE(y);
    EXPECT_EQ(TextOf([&] { sub->GetFacet<MakeMip>()->Make(y, "none.mip", "", false); }),
              "Couldn't open " + oval + "/art\\sub\\none.mip\nFile not found\n");

    CountedPointer<FileFactory> art = Factory(oval + "/art");
    CountedPointer<TdoFile> tdo;
    CountedPointer<Util::BinaryStream> stream;
    CountedPointer<Track> track;
    const struct
    {
        const char* entry;
        std::function<void()> open;
        const char* text;
    } cases[] = {
        {"3D object", [&] { art->GetFacet<MakeTdo>()->Make(tdo, "car.3do", "", false); },
         "art\\car.3do can't be opened: its folder holds no files of that kind"},
        {"plain file", [&] { art->GetFacet<MakeUnknown>()->Make(stream, "note.txt", "", false); },
         "art\\note.txt can't be opened: its folder holds no files of that kind"},
        {"no extension", [&] { art->GetFacet<MakeUnknown>()->Make(stream, "readme", "", false); },
         "art\\readme can't be opened: it has no extension"},
        {"extension argument", [&] { art->GetFacet<MakeTdo>()->Make(tdo, "readme", "3do", false); },
         "art\\readme.3do can't be opened: its folder holds no files of that kind"},
        {"track", [&] { sub->GetFacet<MakeTrack>()->Make(track, "x.trk", "", false); },
         "art\\sub\\x.trk can't be opened: its folder holds no files of that kind"},
        // The path of an entry without extension is taken for a folder's: asked for by its own name.
        {"no extension, as a folder",
         [&] { Factory(oval + "/art/readme")->GetFacet<MakeUnknown>()->Make(stream, "readme", "", false); },
         "art\\readme can't be opened: it has no extension"},
        {"no extension at the top",
         [&] { Factory(oval + "/noext")->GetFacet<MakeUnknown>()->Make(stream, "noext", "", false); },
         "noext can't be opened: it has no extension"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextOf(c.open), c.text) << c.entry;
}

// A path whose folders are missing, one or several levels: the file is not found, in the words of
// one missing level, never an assertion.
TEST(MissingFolders, AreFilesNotFoundAtAnyDepth)
{
    VelmoTest::TempFolder temp;
    // A file where a folder is named is no folder: what lies below it is refused with the
    // system's reason (right below it, the file is taken for a container: see OpenError).
    temp.Write("plain.3do", "not a folder");
    const struct
    {
        const char* relative;
        const char* reason;
    } cases[] = {{"nosuch/x.trk", "File not found"},
                 {"no/such/dir/x.trk", "File not found"},
                 {"no/such/dir/deeper/x.trk", "File not found"},
                 {"plain.3do/sub/x.trk", "Not a directory"},
                 {"plain.3do/sub/deeper/x.trk", "Not a directory"}};
    for (const auto& [relative, reason] : cases)
    {
        SCOPED_TRACE(relative);
        const std::string path = temp.Path(relative);
        EXPECT_EQ(TextOf([&] {
                      const PapyDirectory folder(path);
                      CountedPointer<FileFactory> factory = FileFactoryRegistry::Instance()->GetFactory(folder, false);
                      ASSERT_TRUE(factory);
                      CountedPointer<Track> track;
                      factory->GetFacet<MakeTrack>()->Make(track, "x", "trk", false);
                  }),
                  "Couldn't open " + path + "\n" + reason + "\n");
    }
}

// Once the documents let their objects go, the registry's call gives back what nobody holds
// beyond each cache's small share, in every factory.
TEST(SharedFolder, TrimmingTheRegistryGivesBackWhatNobodyHolds)
{
    VelmoTest::TempFolder temp;
    temp.Write("tracks/A/car.3do", N4Sample("structure.3do"));
    temp.Write("tracks/shared/shared.dat", N4Dat({{"wall.mip", BitmapSample("n4-256x64.mip")}}));
    constexpr int textures = 10;
    for (int i = 0; i < textures; ++i)
    {
        temp.Write("tracks/A/t" + std::to_string(i) + ".mip", BitmapSample("n4-256x64.mip"));
        temp.Write("tracks/shared/s" + std::to_string(i) + ".mip", BitmapSample("n4-256x64.mip"));
    }
    CountedPointer<FileFactory> a = Factory(temp.Path("tracks/A"));
    auto& local = dynamic_cast<N4MakeMip&>(*a->GetFacet<MakeMip>());
    std::vector<CountedPointer<MipFile>> held;
    for (int i = 0; i < textures; ++i)
        for (const std::string& name : {"t" + std::to_string(i), "s" + std::to_string(i)})
        {
            CountedPointer<MipFile> mip;
            a->GetFacet<MakeMip>()->Make(mip, name, "", false);
            held.push_back(mip);
        }
    EXPECT_EQ(local.GetLocal().GetCache().GetMap().size(), std::size_t(textures));
    EXPECT_EQ(local.GetShared().GetCache().GetMap().size(), std::size_t(textures));
    const MipFile* last = held.back().Get();
    held.clear();
    FileFactoryRegistry::Instance()->TrimUnheld();
    EXPECT_EQ(local.GetLocal().GetCache().GetMap().size(), MakeCache<MipFile>::keptUnheld);
    EXPECT_EQ(local.GetShared().GetCache().GetMap().size(), MakeCache<MipFile>::keptUnheld);
    CountedPointer<MipFile> again;
    a->GetFacet<MakeMip>()->Make(again, "s" + std::to_string(textures - 1), "", false);
    EXPECT_EQ(again.Get(), last) << "the last used are kept";
}

// A folder's track is the track of its file as it is now: the file written over gives a new
// track; while it stays, the same track.
TEST(FolderTrack, ATrackFileWrittenOverGivesANewTrack)
{
    VelmoTest::TempFolder temp;
    temp.Write("Monza/Monza.trk", TrackSample("gpl-minimal.trk"));
    const std::string monza = temp.Path("Monza");
    CountedPointer<Track> first, same, next;
    Factory(monza)->GetFacet<MakeTrack>()->Make(first, "", "", false);
    Factory(monza)->GetFacet<MakeTrack>()->Make(same, "MONZA", "TRK", false);
    EXPECT_EQ(first.Get(), same.Get());
    temp.Write("Monza/Monza.trk", TrackSample("gpl-1668.trk"));
    Factory(monza)->GetFacet<MakeTrack>()->Make(next, "", "", false);
    EXPECT_NE(next.Get(), first.Get());
    Factory(monza)->GetFacet<MakeTrack>()->Make(same, "monza", "trk", false);
    EXPECT_EQ(same.Get(), next.Get());
    // Asked for with the file's whole name, the file it is built on is the same file.
    CountedPointer<Track> whole, wholeAgain;
    Factory(monza)->GetFacet<MakeTrack>()->Make(whole, "Monza.trk", "", false);
    temp.Write("Monza/Monza.trk", TrackSample("gpl-minimal.trk"));
    Factory(monza)->GetFacet<MakeTrack>()->Make(wholeAgain, "Monza.trk", "", false);
    EXPECT_NE(wholeAgain.Get(), whole.Get());
}
