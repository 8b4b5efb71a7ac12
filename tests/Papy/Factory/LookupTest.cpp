// What looking up names costs the folder: missing names, found names and their case twins share
// one listing of the folder per look-up pass (counted, not timed; the benchmark times them in
// a large folder), with the answers and errors of a fresh listing. And an entry of the folder's
// DAT too large to unpack is refused as the hexadecimal dump opens it.
#include <string>

#include <gtest/gtest.h>

#include "Papy/Container/N4DatFile.h"
#include "Papy/Factory/MakeFacet.h"
#include "Papy/Factory/NormalMakeUnknown.h"
#include "Papy/Factory/StandardMakeSource.h"
#include "Support/PeakMemory.h"
#include "Support/TempFolder.h"
#include "ThingKinds.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"
#include "Util/LookupPass.h"

using namespace Velmo;
using namespace Velmo::Papy;
using Util::CountedPointer;
using namespace VelmoTest;

namespace
{
CountedPointer<Thing> LoadThing(const CountedPointer<Util::BinaryStream>& stream)
{
    return CountedPointer<Thing>(new Thing{stream->GetName()});
}

typedef MakeFacet<MakeThing, StandardMakeSource<Thing>, &LoadThing> ThingFacet;

template <class Action>
std::string TextOf(Action action)
{
    try
    {
        action();
    }
    catch (const Util::Exception& e)
    {
        return e.GetText();
    }
    return "(opened)";
}
} // namespace

TEST(Lookup, NamesOfOnePassListTheirFolderOnce)
{
    TempFolder folder;
    for (int i = 0; i < 2000; ++i)
        folder.Write("Monza/tex" + std::to_string(i) + ".mip", "");
    folder.Write("Monza/Twin.mip", "");
    folder.Write("Monza/twin.mip", "");
    const PapyDirectory directory(folder.Path("Monza"));
    const std::string path = directory.GetPath();
    ThingFacet facet({directory, CountedPointer<DatFile>(), "mip"});

    // As a frame's textures or a check are looked up: one pass around them all.
    std::uint64_t before = Util::FolderListings();
    {
        Util::LookupPass pass;
        for (int i = 0; i < 100; ++i)
        {
            CountedPointer<Thing> thing;
            const std::string name = "Missing" + std::to_string(i);
            EXPECT_EQ(TextOf([&] { facet.Make(thing, name, "", false); }),
                      "Couldn't open " + path + name + ".mip\nFile not found\n");
            facet.Make(thing, "TEX" + std::to_string(i), "", false);
            EXPECT_EQ(thing->text, path + "tex" + std::to_string(i) + ".mip");
        }
        CountedPointer<Thing> a, b;
        facet.Make(a, "Twin", "", false);
        facet.Make(b, "twin", "", false);
        EXPECT_NE(a.Get(), b.Get()); // names that differ only in case stay apart
        EXPECT_EQ(a->text, path + "Twin.mip");
    }
    EXPECT_EQ(Util::FolderListings() - before, 1u);

    // Without a pass around them, each look-up is a pass of its own: a missing name, looked
    // for and then reported, lists the folder once at most (twice before).
    before = Util::FolderListings();
    for (int i = 0; i < 20; ++i)
    {
        CountedPointer<Thing> thing;
        TextOf([&] { facet.Make(thing, "Gone" + std::to_string(i), "", false); });
    }
    EXPECT_LE(Util::FolderListings() - before, 20u);
}

// The 4 GiB entry of the independent writer's archive, asked for by name through the folder's
// MakeUnknown facet (the hexadecimal dump's): the message, and no memory of its size.
TEST(Lookup, AnEntryTooLargeToUnpackIsRefusedAsTheDumpOpensIt)
{
    TempFolder folder;
    folder.MakeFolder("Huge");
    const std::string datPath = folder.Path("Huge/Huge.dat");
    std::filesystem::create_symlink(std::string(VELMO_DAT_SAMPLE_DIR) + "/n4-huge.dat", datPath);
    const PapyDirectory directory(folder.Path("Huge"));
    CountedPointer<DatFile> dat;
    ASSERT_EQ(TextOf([&] { dat.Reset(new N4DatFile(datPath, false)); }), "(opened)");
    NormalMakeUnknown facet(directory, dat);

    std::string text;
    const std::optional<std::uint64_t> rise = TestSupport::PeakRise([&] {
        text = TextOf([&] {
            CountedPointer<Util::BinaryStream> stream;
            facet.Make(stream, "art\\huge.3do", "", false);
        });
    });
    EXPECT_EQ(text, "A possible error was found in file " + datPath +
                        "\nart\\huge.3do would unpack to 4294967295 bytes, more than the 268435456 bytes allowed "
                        "for one file\n");
    if (rise && TestSupport::ResidentFiguresHold)
    {
        EXPECT_LT(*rise, std::uint64_t(300) << 20) << "bytes of peak memory";
    }
    CountedPointer<Util::BinaryStream> ini;
    EXPECT_EQ(TextOf([&] { facet.Make(ini, "TRACK.INI", "", false); }), "(opened)");
    EXPECT_EQ(ini ? ini->Size() : 0, 20u);
}
