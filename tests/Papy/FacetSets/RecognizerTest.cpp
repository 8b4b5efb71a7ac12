// The game recognizers: the DAT passes, the folder tests (first file decides, in the listing's
// fixed order), the DAT named after the folder, the Sub folder, the default, and a foreign DAT
// that makes the build fail with its reader's error. Each case runs in a registry of its own.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "FacetSetsTestSupport.h"
#include "Papy/Container/ICR2DatFile.h"
#include "Papy/Container/N4DatFile.h"
#include "Papy/FacetSets/GameRecognizers.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Support/Robustness.h"
#include "Support/TempFolder.h"
#include "Util/Exception.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace FacetSetsTest;
using Util::CountedPointer;

namespace
{
std::string Letters(const std::string& id)
{
    return std::string(id.rbegin(), id.rend());
}

std::string Words(std::initializer_list<uint32_t> words, std::size_t size = 0)
{
    VelmoTest::ByteBuilder b;
    for (uint32_t w : words)
        b.U32(w);
    std::string bytes = Bytes(b);
    if (bytes.size() < size)
        bytes.resize(size, '\0');
    return bytes;
}

std::string Head(const std::string& id, uint32_t word)
{
    return Letters(id) + Words({word}, 12);
}

const std::string GPLLyt = Words({6, 809}, 809 + 8);
const std::string GPLTrk = Head("TRAK", 3000);
const std::string N2Trk = Head("TRAK", 1);
const std::string GPLRpy = Head("RPLY", 2);
const std::string N4Rpy = Head("RPLY", 3);

std::string GPLTdo()
{
    return GPLSample("minimal.3do");
}
std::string N2Tdo()
{
    return N2Sample("minimal.3do");
}
std::string N4Tdo()
{
    return N4Sample("structure.3do");
}

// Who claims a folder (the first recognizer whose folder test says yes, or "none") and which
// set the registry builds for it.
struct Outcome
{
    std::string claimer;
    std::string set;
};

class Recognizer : public ::testing::Test
{
protected:
    Recognizer() : recognizers(registry) {}

    std::string Claimer(const std::string& folder)
    {
        PapyDirectory directory(folder);
        if (recognizers.GPL.RecognizeDirectory(directory))
            return "GPL";
        if (recognizers.N2.RecognizeDirectory(directory))
            return "N2";
        if (recognizers.N4.RecognizeDirectory(directory))
            return "N4";
        if (recognizers.Sub.RecognizeDirectory(directory))
            return "Sub";
        return "none";
    }

    Outcome Folder(const std::string& folder)
    {
        std::string claimer = Claimer(folder);
        CountedPointer<FileFactory> factory = registry.GetFactory(folder, false);
        return {claimer, factory ? FacetSetOf(*factory) : "empty"};
    }

    std::string DatSet(const std::string& path)
    {
        CountedPointer<FileFactory> factory = registry.GetFactory(path, false);
        return factory ? FacetSetOf(*factory) : "empty";
    }

    VelmoTest::TempFolder temp;
    FileFactoryRegistry registry;
    GameRecognizers recognizers;
};

struct FolderCase
{
    const char* title;
    Entries files;
    const char* claimer;
    const char* set;
};
} // namespace

TEST_F(Recognizer, FirstListedFileDecidesTheFolder)
{
    const std::vector<FolderCase> cases = {
        {"GPL 3do", {{"car.3do", GPLTdo()}}, "GPL", "GPL"},
        {"GPL 3do before an N2 trk", {{"car.3do", GPLTdo()}, {"a.trk", N2Trk}}, "GPL", "GPL"},
        {"N2 3do before a GPL trk: GPL refuses at once", {{"car.3do", N2Tdo()}, {"a.trk", GPLTrk}}, "N2", "N2"},
        {"names folded: A.3DO lists before b.3do", {{"b.3do", GPLTdo()}, {"A.3DO", N2Tdo()}}, "N2", "N2"},
        {"names folded: a.3do lists before B.3DO", {{"B.3DO", N2Tdo()}, {"a.3do", GPLTdo()}}, "GPL", "GPL"},
        {"N4 3do", {{"car.3do", N4Tdo()}, {"x.trk", GPLTrk}}, "N4", "N4"},
        {"GPL trk", {{"monza.trk", GPLTrk}}, "GPL", "GPL"},
        {"N2 trk, extension in capitals", {{"MONZA.TRK", N2Trk}}, "N2", "N2"},
        {"GPL replay", {{"race.rpy", GPLRpy}}, "GPL", "GPL"},
        {"N4 replay", {{"race.RPY", N4Rpy}}, "N4", "N4"},
        {"N3 replay 100 bytes, 40 + 44", {{"race.rpl", Words({40, 44}, 100)}}, "N2", "N2"},
        {"N3 replay 100 bytes, 41 + 44", {{"race.rpl", Words({41, 44}, 100)}}, "none", "GPL"},
        {"N3 replay 100 bytes, words add up in 32 bits", {{"race.rpl", Words({0xFFFFFFFF, 85}, 100)}}, "N2", "N2"},
        {"an N4 3do needs two words: a shorter file is passed over", {{"a.3do", "XXXX"}, {"b.3do", N4Tdo()}}, "N4",
         "N4"},
        {"a replay too short for two words is passed over", {{"a.rpy", "XXXX"}, {"b.rpy", GPLRpy}}, "GPL", "GPL"},
        {"replay version 2^31 is not below 3", {{"race.rpy", Head("RPLY", 0x80000000)}}, "N4", "N4"},
        {"ptf is not read", {{"oval.Ptf", ""}}, "N4", "N4"},
        {"a short 3do is passed over", {{"a.3do", "4O"}, {"b.3do", N2Tdo()}}, "N2", "N2"},
        {"3do files come before trk files", {{"a.trk", GPLTrk}, {"b.3do", N2Tdo()}}, "N2", "N2"},
        {"other files only", {{"readme.txt", "hello"}, {"x.lyt", GPLLyt}}, "none", "GPL"},
        {"nothing", {}, "none", "GPL"},
        {"own DAT in capitals, GPL layout", {{"Monza/MONZA.DAT", ICR2Dat({{"x.lyt", GPLLyt}})}}, "GPL", "GPL"},
        {"own DAT, N2 3do", {{"Monza/monza.dat", ICR2Dat({{"car.3do", N2Tdo()}})}}, "N2", "N2"},
        {"own DAT, N4", {{"Monza/Monza.dat", N4Dat({{"cars\\car.3do", N4Tdo()}})}}, "N4", "N4"},
        {"own DAT that decides nothing, GPL trk beside it",
         {{"Monza/monza.dat", ICR2Dat({{"monza.trk", GPLTrk}})}, {"Monza/monza.trk", GPLTrk}}, "GPL", "GPL"},
    };
    int number = 0;
    for (const FolderCase& c : cases)
    {
        SCOPED_TRACE(c.title);
        std::string folder = temp.MakeFolder("case" + std::to_string(number++));
        std::string inner = folder;
        for (const auto& [name, bytes] : c.files)
        {
            temp.Write(folder.substr(temp.Path().size() + 1) + "/" + name, bytes);
            if (auto slash = name.find('/'); slash != std::string::npos)
                inner = folder + "/" + name.substr(0, slash);
        }
        Outcome outcome = Folder(inner);
        EXPECT_EQ(outcome.claimer, c.claimer);
        EXPECT_EQ(outcome.set, c.set);
    }
}

TEST_F(Recognizer, FolderNamesWithWildcardCharacters)
{
    temp.Write("odd*name?[1]/car.3do", N2Tdo());
    temp.Write("odd*name?[1]/a.3do/x", "a folder named like a 3D object, listed first");
    Outcome outcome = Folder(temp.Path("odd*name?[1]"));
    EXPECT_EQ(outcome.claimer, "N2");
    EXPECT_EQ(outcome.set, "N2");
}

TEST_F(Recognizer, DatPasses)
{
    struct DatCase
    {
        const char* title;
        std::string bytes;
        bool gplContent;
        bool n2Content;
        const char* set;
    };
    // An entry whose offset lies beyond the archive cannot be read: the next entry decides.
    std::string damaged = ICR2Dat({{"bad.3do", GPLTdo()}, {"good.lyt", GPLLyt}});
    damaged[2 + 2 + 4 + 4 + 13] = char(0xF0);
    damaged[2 + 2 + 4 + 4 + 13 + 3] = char(0x7F);
    std::string damagedN2 = ICR2Dat({{"bad.3do", GPLTdo()}, {"good.3do", N2Tdo()}});
    damagedN2[2 + 2 + 4 + 4 + 13 + 3] = char(0x7F);
    const std::vector<DatCase> cases = {
        {"layout 6, 809 first (N2 passes over it)", ICR2Dat({{"a.LYT", GPLLyt}, {"b.3do", N2Tdo()}}), true, true,
         "GPL"},
        {"layout 6, 810", ICR2Dat({{"a.lyt", Words({6, 810}, 40)}}), false, false, "GPL"},
        {"layout 7, 809 decides at once", ICR2Dat({{"a.lyt", Words({7, 809}, 40)}, {"b.3do", GPLTdo()}}), false,
         false, "GPL"},
        {"first 3do is N2", ICR2Dat({{"a.trk", GPLTrk}, {"b.3do", N2Tdo()}, {"c.3do", GPLTdo()}}), false, true,
         "N2"},
        {"first 3do is GPL", ICR2Dat({{"b.3do", GPLTdo()}, {"c.3do", N2Tdo()}}), true, false, "GPL"},
        {"tracks only: the default's header test", ICR2Dat({{"a.trk", GPLTrk}}), false, false, "GPL"},
        {"unreadable 3do entry, then a layout", damaged, true, false, "GPL"},
        {"unreadable 3do entry, then an N2 3do", damagedN2, false, true, "N2"},
        {"N4 archive", N4Dat({{"a.lyt", GPLLyt}, {"b.3do", N2Tdo()}}), false, false, "N4"},
        {"not an archive", "hello, world", false, false, "empty"},
        {"empty file", "", false, false, "empty"},
    };
    int number = 0;
    for (const DatCase& c : cases)
    {
        SCOPED_TRACE(c.title);
        std::string path = temp.Write("dat" + std::to_string(number++) + "/extra.dat", c.bytes);
        EXPECT_EQ(recognizers.GPL.RecognizeDatContent(path), c.gplContent);
        EXPECT_EQ(recognizers.N2.RecognizeDatContent(path), c.n2Content);
        EXPECT_FALSE(recognizers.Sub.RecognizeDatHeader(path) || recognizers.Sub.RecognizeDatContent(path));
        EXPECT_EQ(DatSet(path), c.set);
        if (std::string(c.set) == "N4")
        {
            EXPECT_FALSE(recognizers.GPL.RecognizeDatHeader(path));
            EXPECT_FALSE(recognizers.N2.RecognizeDatHeader(path));
        }
    }
    EXPECT_FALSE(recognizers.GPL.RecognizeDatHeader(temp.Path("missing.dat")));
    EXPECT_FALSE(recognizers.N4.RecognizeDatHeader(temp.Path()));
}

// The header tests read the first bytes only, through the container readers' own test: the
// directory after them need not be there, and a file too short for them is no container.
TEST_F(Recognizer, DatHeaderTestsReadTheFirstBytesOnly)
{
    auto icr2 = [](int16_t count, uint8_t signature, uint8_t method) {
        VelmoTest::ByteBuilder b;
        b.S16(count).U8(signature).U8(method);
        return Bytes(b);
    };
    auto n4 = [](int16_t count, uint32_t directorySize, uint32_t reserved, uint8_t type) {
        VelmoTest::ByteBuilder b;
        b.S16(count).U32(directorySize).U32(reserved).U8(type);
        return Bytes(b);
    };
    struct HeadCase
    {
        const char* title;
        std::string bytes;
        bool icr2; // GPL and N2
        bool n4;
    };
    const std::vector<HeadCase> cases = {
        {"ICR2: one entry, signature 5, stored", icr2(1, 5, 0), true, false},
        {"ICR2: the largest count", icr2(32767, 5, 0), true, false},
        {"ICR2: no entries", icr2(0, 5, 0), false, false},
        {"ICR2: signature 6", icr2(1, 6, 0), false, false},
        {"ICR2: imploded", icr2(1, 5, 2), false, false},
        {"ICR2: three bytes", icr2(1, 5, 0).substr(0, 3), false, false},
        {"N4: one entry", n4(-1, 20, 0, 5), false, true},
        {"N4: the most entries", n4(-32768, 20, 0, 5), false, true},
        {"N4: an empty directory", n4(-1, 0, 0, 5), false, false},
        {"N4: reserved not zero", n4(-1, 20, 1, 5), false, false},
        {"N4: type 4", n4(-1, 20, 0, 4), false, false},
        {"N4: a positive count", n4(1, 20, 0, 5), false, false},
        {"N4: ten bytes", n4(-1, 20, 0, 5).substr(0, 10), false, false},
        {"empty file", "", false, false},
    };
    int number = 0;
    for (const HeadCase& c : cases)
    {
        SCOPED_TRACE(c.title);
        std::string path = temp.Write("head" + std::to_string(number++) + ".dat", c.bytes);
        EXPECT_EQ(recognizers.GPL.RecognizeDatHeader(path), c.icr2);
        EXPECT_EQ(recognizers.N2.RecognizeDatHeader(path), c.icr2);
        EXPECT_EQ(recognizers.N4.RecognizeDatHeader(path), c.n4);
        EXPECT_EQ(recognizers.N4.RecognizeDatContent(path), c.n4);
    }
}

TEST_F(Recognizer, EmptyFolderIsSubUnderADatElseTheDefault)
{
    temp.Write("Track/track.dat", ICR2Dat({{"cars\\body.mip", "x"}}));
    std::string cars = temp.MakeFolder("Track/Cars");
    Outcome inside = Folder(cars);
    EXPECT_EQ(inside.claimer, "Sub");
    EXPECT_EQ(inside.set, "Sub");

    // A folder with a DAT of its own is never Sub; nor one whose parent has none.
    temp.Write("Track/Own/own.dat", ICR2Dat({{"a.trk", GPLTrk}}));
    EXPECT_FALSE(recognizers.Sub.RecognizeDirectory(PapyDirectory(temp.Path("Track/Own"))));
    std::string lone = temp.MakeFolder("Lone/Empty");
    Outcome outside = Folder(lone);
    EXPECT_EQ(outside.claimer, "none");
    EXPECT_EQ(outside.set, "GPL");
    EXPECT_FALSE(recognizers.Sub.RecognizeDirectory(PapyDirectory("/")));
}

TEST_F(Recognizer, ForeignOwnDatFailsTheBuildWithItsReadersError)
{
    struct ForeignCase
    {
        const char* title;
        Entries files;
        bool icr2Reader; // the builder's reader
    };
    const std::vector<ForeignCase> cases = {
        {"garbage named after a GPL folder", {{"car.3do", GPLTdo()}, {"oval.dat", "not an archive at all"}}, true},
        {"garbage in an otherwise empty folder (default)", {{"oval.dat", "x"}}, true},
        {"ICR2 archive in an N4 folder", {{"car.3do", N4Tdo()}, {"oval.dat", Words({0x10000}, 40)}}, false},
    };
    int number = 0;
    for (const ForeignCase& c : cases)
    {
        SCOPED_TRACE(c.title);
        std::string folder = temp.MakeFolder("f" + std::to_string(number++) + "/oval");
        for (const auto& [name, bytes] : c.files)
            temp.Write(folder.substr(temp.Path().size() + 1) + "/" + name, bytes);
        std::string expected;
        try
        {
            if (c.icr2Reader)
                ICR2DatFile(folder + "/oval.dat", false);
            else
                N4DatFile(folder + "/oval.dat", false);
            ADD_FAILURE() << "the reader accepts the file";
        }
        catch (const Util::Exception& error)
        {
            expected = error.GetText();
        }
        try
        {
            registry.GetFactory(folder, false);
            ADD_FAILURE() << "the build succeeded";
        }
        catch (const Util::Exception& error)
        {
            EXPECT_EQ(error.GetText(), expected);
        }
        // Nothing was cached: the next request fails the same way.
        EXPECT_THROW(registry.GetFactory(folder, false), Util::Exception);
    }
}

TEST_F(Recognizer, ProcessRegistryHasTheFourInOrder)
{
    // The process registry builds game factories without anybody registering anything.
    std::string gpl = temp.Write("gpl/car.3do", GPLTdo());
    std::string n2 = temp.Write("n2/car.3do", N2Tdo());
    std::string n4 = temp.Write("n4/car.3do", N4Tdo());
    temp.Write("n4/sub/readme.txt", "");
    temp.Write("n4/n4.dat", N4Dat({{"sub\\a.mip", "x"}}));
    FileFactoryRegistry& process = *FileFactoryRegistry::Instance();
    EXPECT_EQ(FacetSetOf(*process.GetFactory(temp.Path("gpl"), false)), "GPL");
    EXPECT_EQ(FacetSetOf(*process.GetFactory(temp.Path("n2"), false)), "N2");
    EXPECT_EQ(FacetSetOf(*process.GetFactory(temp.Path("n4"), false)), "N4");
    EXPECT_EQ(FacetSetOf(*process.GetFactory(temp.Path("n4/sub"), false)), "Sub");
    EXPECT_EQ(FacetSetOf(*process.GetFactory(temp.Path("nothing-here"), false)), "GPL");
    RegisterGameRecognizers(); // again: nothing registers twice
    EXPECT_EQ(FacetSetOf(*process.GetFactory(temp.Path("n2"), false)), "N2");
}

// The manifest of folders.py: every folder and DAT it builds (from the other generators' 3D
// objects) gets the facet set the manifest names, or fails to build where it says so.
TEST_F(Recognizer, IndependentFolderManifest)
{
    const std::string command = std::string(VELMO_PYTHON) + " " + VELMO_FACETSETS_FOLDERS_PY + " build " +
                                temp.Path() + " " + VELMO_FACETSETS_GPL_SAMPLES + "/minimal.3do " +
                                VELMO_FACETSETS_N2_SAMPLES + "/minimal.3do " + VELMO_FACETSETS_N4_SAMPLES +
                                "/structure.3do";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream manifest(temp.Path("manifest.txt"));
    std::string line;
    int count = 0;
    while (std::getline(manifest, line))
    {
        const std::string relative = line.substr(0, line.find('\t'));
        std::string expected = line.substr(line.find('\t') + 1);
        if (expected.rfind("error:", 0) == 0)
            expected = "error";
        std::string outcome;
        try
        {
            Util::CountedPointer<FileFactory> factory =
                FileFactoryRegistry::Instance()->GetFactory(temp.Path(relative), false);
            outcome = factory ? FacetSetsTest::FacetSetOf(*factory) : "empty";
        }
        catch (const Util::Exception&)
        {
            outcome = "error";
        }
        EXPECT_EQ(outcome, expected) << relative;
        ++count;
    }
    EXPECT_GE(count, 20);
}

// A folder whose own DAT, or whose first game file, is any prefix or mutation of a valid sample
// gives a factory or a library error.
TEST(RecognizerRobustness, DamagedDatOrFirstFile)
{
    VelmoTest::TempFolder temp;
    const std::string folder = temp.MakeFolder("Oval");
    auto use = [&](const std::string& name) {
        return [&, name](const VelmoTest::Bytes& bytes) {
            temp.Write("Oval/" + name, std::string(bytes.begin(), bytes.end()));
            FileFactoryRegistry registry;
            GameRecognizers recognizers(registry);
            CountedPointer<FileFactory> factory = registry.GetFactory(folder, false);
            ASSERT_TRUE(factory);
            std::remove(temp.Path("Oval/" + name).c_str());
        };
    };
    const std::string icr2 = ICR2Dat({{"a.3do", GPLTdo()}, {"b.lyt", GPLLyt}});
    const std::string n4 = N4Dat({{"cars\\a.3do", N4Tdo()}, {"b.rpy", N4Rpy}});
    const std::vector<std::pair<std::string, std::string>> samples = {
        {"oval.dat", icr2}, {"Oval.dat", n4}, {"car.3do", GPLTdo()}, {"race.rpl", Words({40, 44}, 100)}};
    int seed = 1;
    for (const auto& [name, bytes] : samples)
    {
        VelmoTest::Robustness check(name, VelmoTest::Bytes(bytes.begin(), bytes.end()));
        check.EveryPrefix(use(name));
        check.Mutations(20261209 + seed++, 400, use(name));
    }
}
