// The Make mechanism: how a name and an extension become a file, found loose in the folder or
// in its DAT, loaded once and cached; the two missing-file errors; names that must not reach
// the disk; Adopt; and the two purge forms of the cache.
#include <map>
#include <memory>

#include <gtest/gtest.h>

#include "EntriesDat.h"
#include "Papy/Container/DatFile.h"
#include "Papy/Factory/LooseMakeSource.h"
#include "Papy/Factory/MakeFacet.h"
#include "Papy/Factory/NormalMakeUnknown.h"
#include "Papy/Factory/StandardMakeSource.h"
#include "Support/TempFolder.h"
#include "ThingKinds.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"
#include "Util/MemoryStream.h"
#include "Util/PathName.h"

using namespace Velmo;
using namespace Velmo::Papy;
using Util::CountedPointer;
using namespace VelmoTest;

namespace
{
int loads = 0;

CountedPointer<Thing> LoadThing(const CountedPointer<Util::BinaryStream>& stream)
{
    ++loads;
    std::string text(std::size_t(stream->Size()), '\0');
    stream->Read(U32(text.size()), text.data());
    if (text == "bad")
        throw Util::XFileFormat(stream->GetName(), "bad thing");
    return CountedPointer<Thing>(new Thing{text});
}

CountedPointer<Thing> LoadLooseThing(const CountedPointer<Util::BinaryStream>& stream, const PapyDirectory& directory)
{
    auto thing = LoadThing(stream);
    thing->text += " in " + directory.GetName();
    return thing;
}

typedef MakeFacet<MakeThing, StandardMakeSource<Thing>, &LoadThing> ThingFacet;
typedef MakeFacet<MakeLooseThing, LooseMakeSource<Thing>, &LoadLooseThing> LooseThingFacet;

// The folder Monza with its files, and a DAT of a few entries.
struct Scene
{
    Scene()
    {
        folder.Write("Monza/monza.trk", "track");
        folder.Write("Monza/car.3do", "car");
        folder.Write("Monza/Both.3do", "loose both");
        folder.Write("Monza/bad.3do", "bad");
        folder.Write("Monza/readme", "read me");
        folder.Write("Monza/Sub/Name.MIP", "sub name");
        folder.Write("Monza/Race.RPY", "race");
        folder.Write("x", "outside");
        folder.Write("Monza/secret", "inside");
        directory = PapyDirectory(folder.Path("Monza"));
        dat.Reset(new EntriesDat("/fake.dat",
                                 {{"both.3do", "dat both"}, {"DatOnly.3do", "dat only"}, {"..\\x", "dat x"}}));
        loads = 0;
    }

    ThingFacet Facet(const std::string& defaultExtension, bool withDat = true)
    {
        return ThingFacet({directory, withDat ? CountedPointer<DatFile>(dat) : CountedPointer<DatFile>(),
                           defaultExtension});
    }

    static std::string TextOf(const std::function<void()>& action)
    {
        try
        {
            action();
        }
        catch (const Util::Exception& e)
        {
            return e.GetText();
        }
        return "";
    }

    VelmoTest::TempFolder folder;
    PapyDirectory directory;
    CountedPointer<EntriesDat> dat;
};
} // namespace

TEST(MakeFacet, NamesAndExtensionsFindTheirFile)
{
    Scene s;
    const struct
    {
        const char* name;
        const char* extension;
        const char* defaultExtension;
        bool datOnly;
        const char* text;
    } cases[] = {
        {"Monza", "TRK", "trk", false, "track"},
        {"monza.trk", "", "trk", false, "track"},
        {"", "", "trk", false, "track"},          // the folder's own name
        {"car.3do", "", "3do", false, "car"},
        {"car", "", "3do", false, "car"},          // the default extension
        {"car.old", "3do", "3do", false, "car"},   // the extension argument wins over the name's own
        {"both", "3do", "3do", false, "loose both"}, // the loose file wins over the DAT
        {"both", "3do", "3do", true, "dat both"},  // only the DAT
        {"DATONLY", "3do", "3do", false, "dat only"},
        {"Sub\\name", "mip", "", false, "sub name"}, // a sub-folder, matched without regard to case
        {"..\\x", "", "", false, "dat x"},           // never read from the disk, found in the DAT
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.name) + " " + c.extension + (c.datOnly ? " dat only" : ""));
        ThingFacet facet = s.Facet(c.defaultExtension);
        CountedPointer<Thing> thing;
        const std::string error = Scene::TextOf([&] { facet.Make(thing, c.name, c.extension, c.datOnly); });
        ASSERT_TRUE(thing) << error;
        EXPECT_EQ(thing->text, c.text);
    }
}

TEST(MakeFacet, OneNameGivesOneObject)
{
    Scene s;
    ThingFacet facet = s.Facet("trk");
    CountedPointer<Thing> a, b, c;
    facet.Make(a, "Monza", "TRK", false);
    facet.Make(b, "monza.trk", "", false);
    facet.Make(c, "", "", false);
    EXPECT_EQ(a.Get(), b.Get());
    EXPECT_EQ(a.Get(), c.Get());
    EXPECT_EQ(loads, 1);
    ASSERT_EQ(facet.GetSource().GetCache().GetMap().size(), 1u);
    EXPECT_EQ(facet.GetSource().GetCache().GetMap().begin()->first, "monza.trk");
}

TEST(MakeFacet, NamesThatExistAsWrittenAreOpenedAsWritten)
{
    Scene s;
    // Names that differ only in case, side by side; a folder too.
    s.folder.Write("Monza/twin.3do", "lower");
    s.folder.Write("Monza/Twin.3DO", "upper");
    s.folder.Write("Monza/sub/Name.MIP", "other sub");
    ThingFacet facet = s.Facet("3do");
    const struct
    {
        const char* name;
        const char* extension;
        const char* text;
    } cases[] = {
        {"Twin", "3DO", "upper"},
        {"twin.3do", "", "lower"},
        {"twin", "", "lower"},
        {"Twin.3DO", "", "upper"},
        // Written as neither: the first of them in the folder's order, as the resolver finds it.
        {"TWIN", "3do", "upper"},
        {"Sub\\Name", "MIP", "sub name"},
        {"sub\\Name", "MIP", "other sub"},
        // A name without a twin is found whatever its case, and stays one object.
        {"CAR", "", "car"},
        {"car.3do", "", "car"},
    };
    std::map<std::string, const Thing*> objects;
    for (int round = 0; round < 2; ++round)
        for (const auto& c : cases)
        {
            SCOPED_TRACE(std::string(c.name) + " " + c.extension);
            CountedPointer<Thing> thing;
            facet.Make(thing, c.name, c.extension, false);
            EXPECT_EQ(thing->text, c.text);
            // One object per file, however often and in whatever case it is asked for.
            auto [known, added] = objects.emplace(c.text, thing.Get());
            EXPECT_EQ(known->second, thing.Get());
        }
    EXPECT_EQ(loads, 5);

    // The racing-line and replay kind's source, and a purge that keeps both twins apart.
    s.folder.Write("Monza/race.rpy", "race lower");
    LooseThingFacet loose({s.directory, "rpy"});
    CountedPointer<Thing> upper, lower;
    loose.Make(upper, "Race", "RPY");
    loose.Make(lower, "race", "rpy");
    EXPECT_EQ(upper->text, "race in Monza");
    EXPECT_EQ(lower->text, "race lower in Monza");
    facet.PurgeCache();
    EXPECT_TRUE(facet.GetSource().GetCache().GetMap().empty());
    EXPECT_TRUE(facet.GetSource().GetCache().GetTwins().empty());
}

TEST(MakeFacet, MissingFiles)
{
    Scene s;
    ThingFacet facet = s.Facet("3do");
    CountedPointer<Thing> thing;
    // The file name in the caller's case.
    EXPECT_EQ(Scene::TextOf([&] { facet.Make(thing, "NoSuch", "3DO", false); }),
              "Couldn't open " + s.directory.GetPath() + "NoSuch.3DO\nFile not found\n");
    EXPECT_EQ(Scene::TextOf([&] { facet.Make(thing, "Car", "3DO", true); }),
              "Couldn't open " + s.directory.GetPath() + "Car.3DO\nFile not found\n");
    EXPECT_TRUE(facet.GetSource().GetCache().GetMap().empty());
    // A source without DAT: the lower-cased key.
    LooseThingFacet loose({s.directory, "rpy"});
    EXPECT_EQ(Scene::TextOf([&] { loose.Make(thing, "Missing", "RPY"); }), s.directory.GetPath() + "missing.rpy: file not found");
    // Its name is not split at a '.': race.rpy asks for race.rpy.rpy.
    EXPECT_EQ(Scene::TextOf([&] { loose.Make(thing, "race.rpy", ""); }), s.directory.GetPath() + "race.rpy.rpy: file not found");
    loose.Make(thing, "RACE", "");
    EXPECT_EQ(thing->text, "race in Monza");
}

TEST(MakeFacet, NamesOutsideTheFolderNeverReachTheDisk)
{
    Scene s;
    ThingFacet facet = s.Facet("", false);
    CountedPointer<Thing> thing;
    for (const char* name : {"../x", "..\\x", "/etc/passwd", "Sub//Name.mip", "Sub\\..\\secret"})
    {
        SCOPED_TRACE(name);
        EXPECT_THROW(facet.Make(thing, name, "", false), Util::XFileOpen);
    }
    EXPECT_EQ(loads, 0);
    LooseThingFacet loose({s.directory, "x"});
    EXPECT_THROW(loose.Make(thing, "..", ""), Util::XUsage);
    EXPECT_THROW(loose.Make(thing, "../Monza/secret", "x"), Util::XUsage);
}

TEST(MakeFacet, UnknownFilesAreTheirStreamWithoutDefaultExtension)
{
    Scene s;
    NormalMakeUnknown facet(s.directory, CountedPointer<DatFile>(s.dat));
    CountedPointer<Util::BinaryStream> stream;
    facet.Make(stream, "readme", "", false);
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->Size(), 7u);
    CountedPointer<Util::BinaryStream> again;
    facet.Make(again, "README", "", false);
    EXPECT_EQ(stream.Get(), again.Get());
}

TEST(MakeFacet, FailedLoadsAreNotCached)
{
    Scene s;
    ThingFacet facet = s.Facet("3do");
    CountedPointer<Thing> thing;
    EXPECT_THROW(facet.Make(thing, "bad", "", false), Util::XFileFormat);
    EXPECT_THROW(facet.Make(thing, "bad", "", false), Util::XFileFormat);
    EXPECT_EQ(loads, 2);
    EXPECT_FALSE(thing);
}

TEST(MakeFacet, ALooseFileThatCannotBeOpenedCountsAsMissing)
{
    Scene s;
    // Another opener holds the file exclusively: the DAT's entry of the name is used.
    std::unique_ptr<Util::BinaryFile> holder(Util::BinaryFile::OpenUpdate(s.folder.Path("Monza/Both.3do")));
    ThingFacet facet = s.Facet("3do");
    CountedPointer<Thing> thing;
    facet.Make(thing, "both", "", false);
    EXPECT_EQ(thing->text, "dat both");
}

TEST(MakeFacet, AdoptFilesUnderTheKeyOfMake)
{
    Scene s;
    ThingFacet facet = s.Facet("3do");
    CountedPointer<Thing> made(new Thing{"made"});
    facet.Adopt(made, "New", "3DO");
    CountedPointer<Thing> thing;
    facet.Make(thing, "new.3do", "", false);
    EXPECT_EQ(thing.Get(), made.Get());
    // Replacing releases the earlier object.
    CountedPointer<Thing> other(new Thing{"other"});
    facet.Adopt(other, "new", "");
    EXPECT_EQ(made.GetCount(), 2);
    thing = nullptr;
    EXPECT_EQ(made.GetCount(), 1);
    facet.Make(thing, "NEW", "", false);
    EXPECT_EQ(thing.Get(), other.Get());
    EXPECT_EQ(loads, 0);
}

TEST(MakeFacet, PurgeReleasesOnlyWhatNobodyElseHolds)
{
    Scene s;
    ThingFacet facet = s.Facet("3do");
    CountedPointer<Thing> held;
    facet.Make(held, "car", "", false);
    {
        CountedPointer<Thing> dropped;
        facet.Make(dropped, "both", "", false);
    }
    facet.PurgeCache();
    ASSERT_EQ(facet.GetSource().GetCache().GetMap().size(), 1u);
    CountedPointer<Thing> again;
    facet.Make(again, "car", "", false);
    EXPECT_EQ(again.Get(), held.Get());
    EXPECT_EQ(loads, 2);
    held = nullptr;
    again = nullptr;
    facet.PurgeCache();
    EXPECT_TRUE(facet.GetSource().GetCache().GetMap().empty());

    // The other form forgets everything: a held object lives on, the next Make loads anew.
    MakeCache<Thing> cache;
    CountedPointer<Thing> kept(new Thing{"kept"});
    cache.Store("kept", kept);
    cache.Clear();
    EXPECT_TRUE(cache.GetMap().empty());
    EXPECT_EQ(kept.GetCount(), 1);
}

TEST(MakeFacet, KindsThatEmptyTheirWholeCache)
{
    EXPECT_TRUE(PurgesWholeCache<MakeLp>);
    EXPECT_TRUE(PurgesWholeCache<MakeRpy>);
    EXPECT_TRUE(PurgesWholeCache<MakeTrack>);
    EXPECT_FALSE(PurgesWholeCache<MakeTrk>);
    EXPECT_FALSE(PurgesWholeCache<MakeCam>);
    EXPECT_FALSE(PurgesWholeCache<MakeUnknown>);
}

// The strict switch's form: what nobody else holds is forgotten; a held object is handed out
// again while it is held, and once only the cache holds it its file is read again, the new
// object cached as any other.
TEST(MakeFacet, ForgetUnheldKeepsHeldObjectsOnlyWhileTheyAreHeld)
{
    Scene s;
    ThingFacet facet = s.Facet("3do");
    CountedPointer<Thing> held, dropped;
    facet.Make(held, "car", "", false);
    facet.Make(dropped, "both", "", false);
    const Thing* old = held.Get();
    dropped = nullptr;
    facet.ForgetUnheld();
    const MakeCache<Thing>& cache = facet.GetSource().GetCache();
    ASSERT_EQ(cache.GetMap().size(), 1u);
    CountedPointer<Thing> again;
    facet.Make(again, "CAR", "", false);
    EXPECT_EQ(again.Get(), old) << "held: the file's one object";
    EXPECT_EQ(loads, 2);

    held = again = nullptr;
    EXPECT_FALSE(cache.Find("car.3do")) << "held by the cache only";
    facet.Make(again, "car", "", false);
    EXPECT_NE(again.Get(), old);
    EXPECT_EQ(loads, 3);
    const Thing* fresh = again.Get();
    again = nullptr;
    facet.Make(again, "car", "", false);
    EXPECT_EQ(again.Get(), fresh) << "cached as any other";
    EXPECT_EQ(loads, 3);
}

// Replace files an object where Make finds the file of the name and extension (its key, or
// its twin's name on disk), returns what was there, and Make hands it out without loading.
TEST(MakeFacet, ReplaceFilesTheObjectWhereMakeFindsItsFile)
{
    Scene s;
    s.folder.Write("Monza/twin.3do", "lower");
    s.folder.Write("Monza/Twin.3DO", "upper");
    ThingFacet facet = s.Facet("3do");
    const struct
    {
        const char* name;
        const char* extension;
        bool madeBefore;
        const char* entry; // the key, or the twin's name on disk
        bool twin;
    } cases[] = {
        {"car", "", true, "car.3do", false},
        {"Car.3DO", "", false, "car.3do", false},
        {"DatOnly", "3do", true, "datonly.3do", false},
        {"new.3do", "", false, "new.3do", false},
        {"Twin", "3DO", true, "Twin.3DO", true},
        {"twin.3do", "", false, "twin.3do", true},
    };
    const MakeCache<Thing>& cache = facet.GetSource().GetCache();
    // What each entry holds, as the rows have filed it.
    std::map<std::string, CountedPointer<Thing>> filed;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.name) + " " + c.extension);
        CountedPointer<Thing> before = filed[c.entry];
        if (c.madeBefore)
            facet.Make(before, c.name, c.extension, false);
        const int loaded = loads;
        CountedPointer<Thing> saved(new Thing{"saved"});
        const CountedPointer<Thing> previous = facet.Replace(saved, c.name, c.extension);
        EXPECT_EQ(previous.Get(), before.Get());
        CountedPointer<Thing> made;
        facet.Make(made, c.name, c.extension, false);
        EXPECT_EQ(made.Get(), saved.Get());
        EXPECT_EQ(loads, loaded);
        EXPECT_EQ((c.twin ? cache.FindTwin(c.entry) : cache.Find(c.entry)).Get(), saved.Get());
        filed[c.entry] = saved;
    }
    EXPECT_FALSE(cache.Find("twin.3do")) << "the twins' objects are not under their key";
}

// An entry made from another object goes when that object is forgotten; an entry of the
// source object itself goes too; other entries stay.
TEST(MakeFacet, ForgettingAnObjectForgetsWhatWasMadeFromIt)
{
    MakeCache<Thing> cache;
    CountedPointer<Thing> source(new Thing{"source"}), built(new Thing{"built"}), other(new Thing{"other"});
    cache.Store("source", source);
    cache.Store("built", built, source.Get());
    cache.StoreTwin("Built", built, source.Get());
    cache.Store("other", other, built.Get());
    EXPECT_FALSE(cache.Forget(nullptr));
    EXPECT_EQ(cache.GetMap().size(), 3u);
    EXPECT_TRUE(cache.Forget(source.Get()));
    EXPECT_EQ(cache.GetMap().size(), 1u);
    EXPECT_TRUE(cache.GetTwins().empty());
    EXPECT_EQ(cache.Find("other").Get(), other.Get()) << "made from what was made from it: kept";
    EXPECT_EQ(cache.GetMap().at("other").Source, built.Get());
    EXPECT_EQ(cache.Store("other", source).Get(), other.Get()) << "the replaced object";
    EXPECT_EQ(cache.GetMap().at("other").Source, nullptr);
}
