// What a Make facet's cache hands out: the object of the file as it is on disk now (a file
// replaced, deleted, renamed onto, replaced by a folder or a link, or a file of the exact case
// added beside a match without regard to case is read again), one object for every spelling of
// a file, and only a small share of what nobody but the cache holds.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <unistd.h>

#include <gtest/gtest.h>

#include "EntriesDat.h"
#include "Papy/Container/DatFile.h"
#include "Papy/Factory/MakeFacet.h"
#include "Papy/Factory/StandardMakeSource.h"
#include "Support/TempFolder.h"
#include "ThingKinds.h"
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
int& alive = Thing::alive;

CountedPointer<Thing> LoadThing(const CountedPointer<Util::BinaryStream>& stream)
{
    ++loads;
    std::string text(std::size_t(stream->Size()), '\0');
    stream->Read(U32(text.size()), text.data());
    return CountedPointer<Thing>(new Thing{text});
}

typedef MakeFacet<MakeThing, StandardMakeSource<Thing>, &LoadThing> ThingFacet;

std::string TextOf(const std::function<void()>& action)
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

struct Scene
{
    Scene()
    {
        folder.Write("track.dat", "a container");
        dat.Reset(new EntriesDat(folder.Path("track.dat")));
        loads = 0;
    }

    std::string Text(const std::string& name)
    {
        CountedPointer<Thing> thing;
        const std::string error = TextOf([&] { facet.Make(thing, name, "", false); });
        return thing ? thing->text : error;
    }

    TempFolder folder;
    PapyDirectory directory{folder.MakeFolder("Track")};
    CountedPointer<EntriesDat> dat;
    ThingFacet facet{{directory, CountedPointer<DatFile>(), "mip"}};
};
} // namespace

// Every way a file changes under a name, each read again on the next look-up; an object held
// before the change stays what its holder read.
TEST(CacheFreshness, AChangedFileIsReadAgain)
{
    Scene s;
    const std::string path = s.folder.Path("Track/tex.mip");
    // What the names give when the file is not there, and when a folder is.
    const std::string missing = "missing", folder = "folder";
    auto expected = [&](const std::string& text, const std::string& name) {
        if (text == missing)
            return "Couldn't open " + s.directory.GetPath() + name + "\nFile not found\n";
        if (text == folder)
            return "Couldn't open " + s.directory.GetPath() + "tex.mip\nIs a directory\n";
        return text;
    };
    const struct
    {
        const char* change;
        std::function<void()> act;
        std::string text; // what the name gives afterwards
    } steps[] = {
        {"first written", [&] { s.folder.Write("Track/tex.mip", "first"); }, "first"},
        {"written again, as many bytes", [&] { s.folder.Write("Track/tex.mip", "again"); }, "again"},
        {"written again, more bytes", [&] { s.folder.Write("Track/tex.mip", "longer one"); }, "longer one"},
        {"another file renamed onto it",
         [&] {
             s.folder.Write("Track/new.mip", "renamed");
             ASSERT_EQ(std::rename(s.folder.Path("Track/new.mip").c_str(), path.c_str()), 0);
         },
         "renamed"},
        {"deleted", [&] { ASSERT_EQ(std::remove(path.c_str()), 0); }, missing},
        {"made anew", [&] { s.folder.Write("Track/tex.mip", "anew"); }, "anew"},
        {"replaced by a folder",
         [&] {
             ASSERT_EQ(std::remove(path.c_str()), 0);
             s.folder.MakeFolder("Track/tex.mip");
         },
         folder},
        {"replaced by a link",
         [&] {
             std::filesystem::remove(path);
             s.folder.Write("elsewhere.mip", "linked");
             ASSERT_EQ(symlink(s.folder.Path("elsewhere.mip").c_str(), path.c_str()), 0);
         },
         "linked"},
        {"the link's file written again", [&] { s.folder.Write("elsewhere.mip", "linked again"); }, "linked again"},
    };
    CountedPointer<Thing> held;
    int expectedLoads = 0;
    for (const auto& step : steps)
    {
        SCOPED_TRACE(step.change);
        step.act();
        if (step.text != missing && step.text != folder)
            ++expectedLoads;
        EXPECT_EQ(s.Text("tex.mip"), expected(step.text, "tex.mip"));
        EXPECT_EQ(s.Text("TEX.MIP"), expected(step.text, "TEX.MIP")) << "asked again: the same object";
        EXPECT_EQ(loads, expectedLoads);
        if (step.text == "first")
            s.facet.Make(held, "tex", "", false);
    }
    EXPECT_EQ(held->text, "first") << "the holder keeps what it read";
}

// A name matched without regard to case finds the file of its exact case once one is added.
TEST(CacheFreshness, AFileOfTheExactCaseAddedIsTheNamesFile)
{
    Scene s;
    s.folder.Write("Track/tex.mip", "lower");
    EXPECT_EQ(s.Text("TEX.MIP"), "lower");
    EXPECT_EQ(s.Text("tex.mip"), "lower");
    s.folder.Write("Track/TEX.MIP", "upper");
    EXPECT_EQ(s.Text("TEX.MIP"), "upper");
    EXPECT_EQ(s.Text("tex.mip"), "lower");
    EXPECT_EQ(s.Text("TEX.MIP"), "upper");
    // The lower-case file, a twin now, is read once more as a twin.
    EXPECT_EQ(loads, 3);
    // And back: the twin deleted, the name is matched without regard to case again.
    ASSERT_EQ(std::remove(s.folder.Path("Track/TEX.MIP").c_str()), 0);
    EXPECT_EQ(s.Text("TEX.MIP"), "lower");
}

// A DAT entry is the entry of the container as its file is now; a loose file made later takes
// its place.
TEST(CacheFreshness, DatEntriesFollowTheirContainersFile)
{
    Scene s;
    ThingFacet facet({s.directory, CountedPointer<DatFile>(s.dat), "mip"});
    s.dat->entries["tex.mip"] = "from the dat";
    CountedPointer<Thing> thing;
    facet.Make(thing, "tex", "", false);
    EXPECT_EQ(thing->text, "from the dat");
    facet.Make(thing, "TEX", "mip", false);
    EXPECT_EQ(loads, 1);
    // The container saved anew (its file renamed over).
    s.dat->entries["tex.mip"] = "saved dat";
    s.folder.Write("new.dat", "another container");
    ASSERT_EQ(std::rename(s.folder.Path("new.dat").c_str(), s.folder.Path("track.dat").c_str()), 0);
    facet.Make(thing, "tex", "", false);
    EXPECT_EQ(thing->text, "saved dat");
    s.folder.Write("Track/Tex.mip", "loose");
    facet.Make(thing, "tex", "", false);
    EXPECT_EQ(thing->text, "loose");
    facet.Make(thing, "tex", "", true);
    EXPECT_EQ(thing->text, "saved dat");
    EXPECT_EQ(loads, 4);
}

// Every spelling of one file ('.' and empty components, '\' or '/', any case) is one key and one
// object, read once; a saved object replaces it under every name.
TEST(CacheFreshness, OneFileNamedManyWaysIsOneObject)
{
    Scene s;
    s.folder.Write("Track/Sub/Tex.mip", "texture");
    std::vector<std::string> names;
    for (const char* prefix : {"", "./", ".\\", "./.\\"})
        for (const char* separator : {"/", "\\"})
            for (int letters = 0; letters < 8; ++letters)
            {
                std::string tex = "tex";
                for (int i = 0; i < 3; ++i)
                    if (letters & (1 << i))
                        tex[i] = char(tex[i] - 'a' + 'A');
                names.push_back(std::string(prefix) + "Sub" + separator + tex + ".mip");
            }
    ASSERT_EQ(names.size(), 64u);
    std::vector<CountedPointer<Thing>> held;
    for (const std::string& name : names)
    {
        CountedPointer<Thing> thing;
        s.facet.Make(thing, name, "", false);
        ASSERT_TRUE(thing) << name;
        EXPECT_EQ(thing.Get(), held.empty() ? thing.Get() : held.front().Get()) << name;
        held.push_back(thing);
    }
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(s.facet.GetSource().GetCache().GetMap().size(), 1u);
    EXPECT_EQ(s.facet.GetSource().GetCache().GetMap().begin()->first, "sub/tex.mip");

    CountedPointer<Thing> saved(new Thing{"saved"});
    EXPECT_EQ(s.facet.Replace(saved, ".\\SUB\\TEX", "mip").Get(), held.front().Get());
    for (const std::string& name : names)
    {
        CountedPointer<Thing> thing;
        s.facet.Make(thing, name, "", false);
        EXPECT_EQ(thing.Get(), saved.Get()) << name;
    }
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(MakeLookup::Key("./a//.\\B\\"), "a/b");
    EXPECT_EQ(MakeLookup::DatName("./Art//.\\Sub/x.MIP"), "Art\\Sub\\x.MIP");
}

// What nobody but the cache holds is kept only within its share: at most a few objects, and
// none whose file is larger than the share's bytes; the objects used longest ago go first.
TEST(CacheFreshness, DroppingEveryHolderGivesTheMemoryBack)
{
    Scene s;
    constexpr int files = 12;
    for (int i = 0; i < files; ++i)
        s.folder.Write("Track/t" + std::to_string(i) + ".mip", "texture " + std::to_string(i));
    alive = 0;
    {
        std::vector<CountedPointer<Thing>> held;
        for (int i = 0; i < files; ++i)
        {
            CountedPointer<Thing> thing;
            s.facet.Make(thing, "t" + std::to_string(i), "", false);
            held.push_back(thing);
        }
        EXPECT_EQ(alive, files) << "held: all kept";
    }
    EXPECT_EQ(alive, files) << "until the cache is asked";
    s.facet.TrimUnheld();
    EXPECT_EQ(alive, int(MakeCache<Thing>::keptUnheld));
    // The last ones made are kept: asking for them reads nothing.
    CountedPointer<Thing> thing;
    s.facet.Make(thing, "t" + std::to_string(files - 1), "", false);
    EXPECT_EQ(loads, files);
    s.facet.Make(thing, "t0", "", false);
    EXPECT_EQ(loads, files + 1);
    thing = nullptr;
    s.facet.TrimUnheld();
    EXPECT_EQ(alive, int(MakeCache<Thing>::keptUnheld));

    // A file larger than the share is not kept once nobody holds its object.
    MakeCache<Thing> cache;
    MakeOrigin large;
    large.size = MakeCache<Thing>::keptUnheldBytes + 1;
    MakeOrigin small;
    small.size = 1;
    const int before = alive;
    {
        CountedPointer<Thing> big(new Thing{"big"}), little(new Thing{"little"});
        cache.Store("big", big, large);
        cache.Store("little", little, small);
    }
    EXPECT_EQ(alive, before + 2);
    cache.TrimUnheld();
    EXPECT_EQ(alive, before + 1);
    EXPECT_FALSE(cache.Find("big"));
    EXPECT_TRUE(cache.Find("little"));
    // The registry's call reaches every cache: a store trims too.
    CountedPointer<Thing> other(new Thing{"other"});
    cache.Store("other", other, large);
    other = nullptr;
    cache.Store("next", CountedPointer<Thing>(new Thing{"next"}), small);
    EXPECT_FALSE(cache.Find("other"));
}
