// Saving GPL .3do files: round trips of the generator's samples, the layout of what is written,
// and saves that are refused or fail without harming the file object or the target.
#include <cstdio>
#include <fstream>

#include <gtest/gtest.h>

#include "GPLPrimBuilder.h"
#include "GPLSamples.h"
#include "GPLSaveSupport.h"
#include "GPLTestFile.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectLine.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"

using namespace VelmoTest;
using Velmo::Papy::GPLTdoFile;
using Velmo::Util::CountedPointer;

namespace
{
typedef PrimBuilder PB;

std::uint32_t Word(const Bytes& bytes, std::size_t at)
{
    return Velmo::Util::DecodeLE<std::uint32_t>(bytes.data() + at);
}

// The sections of a saved file in order: id letters as read (reversed on disk), data.
std::vector<std::pair<std::string, Bytes>> Sections(const Bytes& file)
{
    std::vector<std::pair<std::string, Bytes>> sections;
    std::size_t at = 12;
    while (at + 12 <= file.size())
    {
        std::string letters(file.begin() + std::ptrdiff_t(at), file.begin() + std::ptrdiff_t(at + 4));
        std::uint32_t size = Word(file, at + 8);
        Bytes data(file.begin() + std::ptrdiff_t(at + 12), file.begin() + std::ptrdiff_t(at + 12 + size));
        sections.emplace_back(std::string(letters.rbegin(), letters.rend()), data);
        at += 12 + (size + 3) / 4 * 4;
    }
    return sections;
}

Bytes SectionOf(const Bytes& file, const std::string& id)
{
    for (const auto& [name, data] : Sections(file))
        if (name == id)
            return data;
    return {};
}

std::string TempPath(const std::string& name)
{
    return std::string(VELMO_TEST_BINARY_DIR) + "/" + name;
}

void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs the independent checker (strict, references included) over the files in one go;
// returns its complaints, empty when it accepts them all.
std::string CheckIndependently(const std::vector<std::string>& paths)
{
    std::string command = std::string(VELMO_PYTHON3) + " -c \"import sys; sys.path.insert(0, sys.argv[1]); "
                          "import gpl3do\n"
                          "for p in sys.argv[2:]:\n"
                          "  try: gpl3do.check_file(p, strict=True)\n"
                          "  except gpl3do.FormatError as e: print(p, e)\" \"" +
                          std::string(VELMO_TEST_SOURCE_DIR) + "/Papy/GPL\"";
    for (const std::string& path : paths)
        command += " \"" + path + "\"";
    command += " 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return "cannot run the checker";
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    if (pclose(pipe) != 0)
        output += " (checker failed)";
    return output;
}

Bytes Vertices(int count)
{
    std::vector<std::vector<float>> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({0, float(i), float(10 * i), float(100 * i)});
    return Floats4(rows);
}
} // namespace

// Every sample of the independent generator: loaded, saved and loaded again it is the same
// tree; the independent checker accepts the saved file. Tables are numbered in the order of
// the node table, which a save turns into the order of the walk, so the second generation is
// the fixed point: saved again it gives the same bytes, as does any file object saved twice.
TEST(GPLSave, SamplesRoundTripToAFixedPointTheCheckerAccepts)
{
    std::vector<std::string> paths;
    for (const std::string& name : SampleNames())
    {
        SCOPED_TRACE(name);
        CountedPointer<GPLTdoFile> original = Load(ReadSample(name), name);
        const std::string tree = Dump(*original);
        const Bytes first = SaveToBytes(*original);
        EXPECT_EQ(Dump(*original), tree) << "the save changed the tree in memory";
        EXPECT_EQ(SaveToBytes(*original), first) << "the same file object saved twice";

        CountedPointer<GPLTdoFile> reloaded = Load(first, name);
        EXPECT_EQ(Dump(*reloaded), tree);
        const Bytes second = SaveToBytes(*reloaded);
        EXPECT_EQ(Dump(*Load(second, name)), tree);
        EXPECT_EQ(SaveToBytes(*Load(second, name)), second) << "a saved file saved again";

        WriteFile(TempPath("saved1-" + name), first);
        WriteFile(TempPath("saved2-" + name), second);
        paths.push_back(TempPath("saved1-" + name));
        paths.push_back(TempPath("saved2-" + name));
    }
    EXPECT_EQ(CheckIndependently(paths), "");
}

// Sections appear only when they have entries; PRIM always, HAND with at least one handle.
TEST(GPLSave, WritesOnlyTheSectionsInUseInTheirOrder)
{
    PB prim;
    prim.Add("setter", PB::StateValueSetter());
    CountedPointer<GPLTdoFile> bare = Load(FileBytes({{"XYZS", Vertices(2)}, {"PRIM", prim.Build("setter")}}));
    Bytes saved = SaveToBytes(*bare);
    ASSERT_EQ(Sections(saved).size(), 1u);
    EXPECT_EQ(Sections(saved)[0].first, "PRIM");
    EXPECT_EQ(Word(saved, 8), saved.size() - 12);
    EXPECT_EQ(Word(saved, 4), 1u);
    EXPECT_TRUE(bare->GetVertices().empty()) << "vertices that no node uses are dropped";

    PB full;
    full.Add("line", {2069, 0xFF102030, 1, 0});
    full.Add("ext", {14, 0, 0});
    full.Add("order", {6, 2, PB::Ref("ext")});
    full.Add("poly", {29, 0x07000000, 1, 0, 1});
    full.Add("top", PB::ObjectList({PB::Ref("line"), PB::Ref("order"), PB::Ref("poly")}));
    Bytes file = FileBytes({{"NORM", Floats4({{0, 1, 0, 0}, {0, 0, 1, 0}})},
                            {"XYZS", Vertices(2)},
                            {"PLAN", Floats4({{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}})},
                            {"STRN", Bytes{'o', 'b', 'j', 0, 0xFF}},
                            {"PRIM", full.Build("top")},
                            {"HAND", WordBytes({0, full.Offset("poly")})}});
    saved = SaveToBytes(*Load(file));
    std::vector<std::string> ids;
    for (const auto& section : Sections(saved))
        ids.push_back(section.first);
    EXPECT_EQ(ids, (std::vector<std::string>{"NORM", "XYZS", "PLAN", "STRN", "PRIM", "HAND"}));
    // Only plane 2 and normal 1 are used; vertices in the order of first use (the line names
    // vertex 1 first); the polygon's vertex 0 became index 1.
    EXPECT_EQ(SectionOf(saved, "PLAN"), Floats4({{0, 0, 1, 0}}));
    EXPECT_EQ(SectionOf(saved, "NORM"), Floats4({{0, 0, 1, 0}}));
    EXPECT_EQ(SectionOf(saved, "XYZS"), Floats4({{0, 1, 10, 100}, {0, 0, 0, 0}}));
    EXPECT_EQ(SectionOf(saved, "STRN"), (Bytes{'o', 'b', 'j', 0, 0xFF}));
}

// The table's example: "a" then "bc" make 61 00 62 63 00 FF, padded with two spaces.
TEST(GPLSave, TwoStringsMakeTheDocumentedSectionBytes)
{
    PB prim;
    prim.Add("a", {14, 3, 0});
    prim.Add("bc", {14, 0, 0});
    prim.Add("top", PB::ObjectList({PB::Ref("a"), PB::Ref("bc")}));
    CountedPointer<GPLTdoFile> file =
        Load(FileBytes({{"STRN", Bytes{'b', 'c', 0, 'a', 0, 0xFF}}, {"PRIM", prim.Build("top")}}));
    Bytes saved = SaveToBytes(*file);
    std::size_t at = 12;
    ASSERT_EQ(std::string(saved.begin() + 12, saved.begin() + 16), "NRTS");
    EXPECT_EQ(Word(saved, at + 8), 6u);
    EXPECT_EQ(Bytes(saved.begin() + 24, saved.begin() + 32), (Bytes{0x61, 0, 0x62, 0x63, 0, 0xFF, 0x20, 0x20}));
    EXPECT_EQ(file->GetString(0), "a");
    EXPECT_EQ(file->GetString(2), "bc");
}

// A save enters every string anew: one text at two offsets is written once, and the next
// save starts from an empty table again (a name changed in between replaces the old one).
TEST(GPLSave, RepeatedTextsAreSavedOnceAndEachSaveStartsAnew)
{
    PB prim;
    prim.Add("top", PB::ObjectList({PB::Ref("x"), PB::Ref("y"), PB::Ref("z")}));
    prim.Add("x", {14, 0, 0});
    prim.Add("y", {14, 5, 0});
    prim.Add("z", {14, 10, 0});
    CountedPointer<GPLTdoFile> file = Load(FileBytes(
        {{"STRN", Bytes{'t', 'r', 'e', 'e', 0, 't', 'r', 'e', 'e', 0, 'r', 'o', 'c', 'k', 0, 0xFF}},
         {"PRIM", prim.Build("top")}}));
    EXPECT_EQ(SectionOf(SaveToBytes(*file), "STRN"), (Bytes{'t', 'r', 'e', 'e', 0, 'r', 'o', 'c', 'k', 0, 0xFF}));

    CountedPointer<Velmo::Papy::ThreeDObjectExtObject> z;
    z = file->GetSubObject(int(prim.Offset("z")));
    z->SetObjectName("tree");
    const Bytes saved = SaveToBytes(*file);
    EXPECT_EQ(SectionOf(saved, "STRN"), (Bytes{'t', 'r', 'e', 'e', 0, 0xFF}));
    EXPECT_EQ(Dump(*Load(saved)), Dump(*file));
}

// Nodes are written in post-order, children first; a node named twice is written once; the
// root word names the top node's new offset; table entries shared by two nodes share one index.
TEST(GPLSave, WritesChildrenFirstSharedNodesOnceAndTheTopNodeLast)
{
    PB prim;
    prim.Add("top", PB::ObjectList({PB::Ref("first"), PB::Ref("shared"), PB::Ref("shared")}));
    prim.Add("shared", {2069, 0xFF000000, 2, 0});
    prim.Add("first", {2069, 0xFF000000, 0, 2});
    CountedPointer<GPLTdoFile> file = Load(FileBytes({{"XYZS", Vertices(3)}, {"PRIM", prim.Build("top")}}));
    Bytes p = SectionOf(SaveToBytes(*file), "PRIM");
    // first at 4, shared at 20, the list at 36 naming 4, 20, 20.
    // Vertices are numbered in the order of the node table (the file's order): "shared" names
    // vertex 2 first.
    EXPECT_EQ(p, WordBytes({36, 2069, 0xFF000000, 1, 0, 2069, 0xFF000000, 0, 1, 4, 3, 4, 20, 20}));
    EXPECT_EQ(file->GetVertices().size(), 2u) << "vertex 1 is used by no node";
    EXPECT_EQ(file->GetSubObject(int(prim.Offset("shared")))->GetFileOffset(), 20u);
    EXPECT_EQ(file->GetSubObject(int(prim.Offset("top")))->GetFileOffset(), 36u);
}

// Handles are written -3 first, so a reloaded file numbers them the same way; their objects
// are written before the top node's tree.
TEST(GPLSave, HandlesKeepTheirOrderAndIds)
{
    PB prim;
    prim.Add("top", PB::ObjectList({PB::Ref("a")}));
    prim.Add("a", PB::StateValueSetter());
    prim.Add("b", {2069, 0xFF000000, 0, 0});
    Bytes file = FileBytes({{"XYZS", Vertices(1)},
                            {"STRN", Bytes{'o', 'n', 'e', 0, 't', 'w', 'o', 0, 0xFF}},
                            {"PRIM", prim.Build("top")},
                            {"HAND", WordBytes({4, prim.Offset("b"), 0, prim.Offset("a")})}});
    CountedPointer<GPLTdoFile> loaded = Load(file);
    Bytes saved = SaveToBytes(*loaded);
    // Handle -3 ("two", over the line) is written first and so is its object: the line at 4,
    // the setter at 20. The names are entered in the order of the node table, -4 before -3.
    EXPECT_EQ(SectionOf(saved, "HAND"), WordBytes({4, 4, 0, 20}));
    CountedPointer<GPLTdoFile> reloaded = Load(saved);
    EXPECT_EQ(reloaded->GetSubObject(-3)->GetName(), "two");
    EXPECT_EQ(reloaded->GetSubObject(-4)->GetName(), "one");
    EXPECT_EQ(Dump(*reloaded), Dump(*loaded));
}

// A save that finds a bad table index or string offset refuses before it changes anything:
// the tables and the nodes keep their values, the target keeps its bytes, and the string
// table in use afterwards is the file's own.
TEST(GPLSave, BadIndexesAreRefusedBeforeAnythingChanges)
{
    struct Case
    {
        const char* name;
        std::vector<PB::Word> record;
        const char* message;
    };
    const Case cases[] = {
        {"vertex", {2069, 0xFF000000, 0, 7}, "GPL 3do file vertex index out of range"},
        {"negative vertex", {2069, 0xFF000000, 0xFFFFFFFF, 0}, "GPL 3do file vertex index out of range"},
        {"plane", {6, 9, PB::Null}, "GPL 3do file plane index out of range"},
        {"normal", {29, 0x07000000, 1, 0, 5}, "GPL 3do file normal index out of range"},
        {"texture name", {5, PB::Null, 1, 77}, "GPL 3do file string offset not in the string table"},
        {"bitmap name", {3, 0, 0, 99, 0, 0}, "GPL 3do file string offset not in the string table"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        PB prim;
        prim.Add("good", {2069, 0xFF000000, 1, 0});
        prim.Add("bad", c.record);
        prim.Add("top", PB::ObjectList({PB::Ref("good"), PB::Ref("bad")}));
        CountedPointer<GPLTdoFile> file = Load(
            FileBytes({{"NORM", Floats4({{0, 1, 0, 0}})},
                       {"XYZS", Vertices(3)},
                       {"PLAN", Floats4({{1, 0, 0, 0}, {0, 1, 0, 0}})},
                       {"STRN", Bytes{'o', 'b', 'j', 0, 'x', 0, 0xFF}},
                       {"PRIM", prim.Build("top")}}),
            "bad.3do");
        const Bytes before(40, 0xAB);
        auto* memory = new Velmo::Util::MemoryStream(before, "saved.3do");
        CountedPointer<Velmo::Util::BinaryStream> stream(memory);
        try
        {
            file->Save(stream);
            ADD_FAILURE() << "saved";
        }
        catch (const Velmo::Util::XFileFormat& e)
        {
            EXPECT_EQ(e.GetMessage(), c.message);
            EXPECT_NE(e.GetText().find("bad.3do"), std::string::npos);
        }
        EXPECT_EQ(memory->GetBytes(), before);
        EXPECT_EQ(file->GetVertices().size(), 3u);
        EXPECT_EQ(file->GetPlanes().size(), 2u);
        EXPECT_EQ(file->GetStrings().size(), 2u);
        CountedPointer<Velmo::Papy::ThreeDObjectLine> good;
        good = file->GetSubObject(int(prim.Offset("good")));
        EXPECT_EQ(good->GetFromVertexId(), 1);
        EXPECT_EQ(good->GetToVertexId(), 0);
        EXPECT_EQ(file->AddString("later"), 6u) << "the saving state was left on";
        EXPECT_EQ(file->GetStrings().size(), 3u);
    }
}

// References that no save could write are refused before anything changes too.
TEST(GPLSave, BrokenReferencesAreRefusedBeforeAnythingChanges)
{
    struct Case
    {
        const char* name;
        std::uint32_t child;
        std::string message;
    };
    const Case cases[] = {
        {"missing node", 0x500, "p != SubObjects.end()"},
        {"a handle", 0xFFFFFFFD, "GPL 3do file node refers to the root or a handle"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        PB prim;
        prim.Add("top", PB::ObjectList({PB::Ref("line"), c.child}));
        prim.Add("line", {2069, 0xFF000000, 1, 0});
        CountedPointer<GPLTdoFile> file = Load(FileBytes({{"XYZS", Vertices(3)},
                                                          {"STRN", Bytes{'h', 0, 0xFF}},
                                                          {"PRIM", prim.Build("top")},
                                                          {"HAND", WordBytes({0, prim.Offset("line")})}}));
        auto* memory = new Velmo::Util::MemoryStream(Bytes(8, 0x11), "saved.3do");
        CountedPointer<Velmo::Util::BinaryStream> stream(memory);
        try
        {
            file->Save(stream);
            ADD_FAILURE() << "saved";
        }
        catch (const Velmo::Util::XAssertion& e)
        {
            EXPECT_EQ(e.GetExpression(), c.message);
        }
        catch (const Velmo::Util::XFileFormat& e)
        {
            EXPECT_EQ(e.GetMessage(), c.message);
        }
        EXPECT_EQ(memory->GetBytes(), Bytes(8, 0x11));
        EXPECT_EQ(file->GetVertices().size(), 3u);
        EXPECT_EQ(file->GetSubObject(int(prim.Offset("line")))->GetFileOffset(), prim.Offset("line"));
    }
}

// A locator that only another locator's sibling link names, and one that only a handle
// reaches, are written and rewritten like the others: no link is left at 0, the root word.
TEST(GPLSave, LocatorsReachedOnlyBySiblingsOrHandlesGetTheirLinks)
{
    PB prim;
    prim.AddTrack({"listed"});
    prim.Add("listed", PB::Locator({PB::Ref("sibling"), PB::Null, PB::Null, PB::Null}, PB::Ref("leaf"), {}));
    prim.Add("sibling", PB::Locator({PB::Ref("listed"), PB::Null, PB::Null, PB::Null}, PB::Ref("leaf"), {}));
    prim.Add("handled", PB::Locator({PB::Ref("listed"), PB::Ref("sibling"), PB::Null, PB::Null}, PB::Ref("leaf"),
                                    {PB::Ref("leaf")}));
    prim.Add("leaf", PB::StateValueSetter());
    CountedPointer<GPLTdoFile> file =
        Load(FileWithPrim(prim.Build("top"), {{"HAND", WordBytes({0, prim.Offset("handled")})}}));
    const std::string tree = Dump(*file);
    Bytes saved = SaveToBytes(*file);
    Bytes p = SectionOf(saved, "PRIM");

    auto offsetOf = [&](const char* label) {
        return std::uint32_t(file->GetSubObject(int(prim.Offset(label)))->GetFileOffset());
    };
    for (const char* label : {"listed", "sibling", "handled"})
    {
        SCOPED_TRACE(label);
        std::uint32_t at = offsetOf(label);
        ASSERT_NE(at, 0u) << "not written";
        EXPECT_EQ(Word(p, at), 15u);
    }
    EXPECT_EQ(Word(p, offsetOf("listed") + 8), offsetOf("sibling"));
    EXPECT_EQ(Word(p, offsetOf("sibling") + 8), offsetOf("listed"));
    EXPECT_EQ(Word(p, offsetOf("handled") + 8), offsetOf("listed"));
    EXPECT_EQ(Word(p, offsetOf("handled") + 16), offsetOf("sibling"));

    CountedPointer<GPLTdoFile> reloaded = Load(saved);
    EXPECT_EQ(Dump(*reloaded), tree);
    EXPECT_EQ(SaveToBytes(*reloaded), saved);
}

// A stream that fails half-way ends the save with its error; the file object stays usable and
// saves as before into a sound stream.
TEST(GPLSave, StreamErrorsEndTheSaveAndLeaveTheFileUsable)
{
    const Bytes sample = ReadSample("allkinds.3do");
    const Bytes expected = SaveToBytes(*Load(sample));
    for (std::uint64_t limit : std::vector<std::uint64_t>{0, 12, 100, expected.size() - 4})
    {
        SCOPED_TRACE(limit);
        CountedPointer<GPLTdoFile> file = Load(sample);
        const std::string tree = Dump(*file);
        CountedPointer<Velmo::Util::BinaryStream> failing(new FailingStream(limit));
        EXPECT_THROW(file->Save(failing), Velmo::Util::XFileWrite);
        EXPECT_EQ(Dump(*file), tree);
        const std::size_t strings = file->GetStrings().size();
        file->AddString("after the failure");
        EXPECT_EQ(file->GetStrings().size(), strings + 1) << "the saving state was left on";
        Bytes again = SaveToBytes(*file);
        EXPECT_EQ(Dump(*Load(again)), tree);
    }
}

// Saved through a replacing file stream, a refused save leaves the file on disk as it was; a
// save that succeeds replaces it once committed.
TEST(GPLSave, ReplacingAFileOnDiskIsAllOrNothing)
{
    const std::string path = TempPath("gpl-save-target.3do");
    const Bytes old = {'o', 'l', 'd'};
    WriteFile(path, old);

    PB prim;
    prim.Add("line", {2069, 0xFF000000, 0, 5});
    CountedPointer<GPLTdoFile> bad = Load(FileBytes({{"XYZS", Vertices(1)}, {"PRIM", prim.Build("line")}}));
    {
        CountedPointer<Velmo::Util::BinaryStream> stream(Velmo::Util::BinaryFile::CreateAlways(path));
        EXPECT_THROW(bad->Save(stream), Velmo::Util::XFileFormat);
    }
    EXPECT_EQ(ReadFile(path), old);

    CountedPointer<GPLTdoFile> good = Load(ReadSample("track.3do"));
    const Bytes expected = SaveToBytes(*good);
    {
        auto* file = Velmo::Util::BinaryFile::CreateAlways(path);
        CountedPointer<Velmo::Util::BinaryStream> stream(file);
        good->Save(stream);
        file->Commit();
    }
    EXPECT_EQ(ReadFile(path), expected);
    std::remove(path.c_str());
}

// Saving into a stream that holds a longer file overwrites from the start and leaves the rest.
TEST(GPLSave, WritesFromTheStartWithoutTruncating)
{
    PB prim;
    prim.Add("setter", PB::StateValueSetter());
    CountedPointer<GPLTdoFile> file = Load(FileBytes({{"PRIM", prim.Build("setter")}}));
    const Bytes alone = SaveToBytes(*file);
    Bytes longer(alone.size() + 8, 0x5A);
    Bytes saved = SaveToBytes(*file, longer);
    ASSERT_EQ(saved.size(), longer.size());
    EXPECT_EQ(Bytes(saved.begin(), saved.begin() + std::ptrdiff_t(alone.size())), alone);
    EXPECT_EQ(Bytes(saved.begin() + std::ptrdiff_t(alone.size()), saved.end()), Bytes(8, 0x5A));
}

// Damaged files that still load: each save either succeeds, and the saved file loads as the
// same tree, or is refused with one of our errors before a byte is written.
TEST(GPLSave, DamagedFilesThatLoadSaveSoundlyOrNotAtAll)
{
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return seed >> 8;
    };
    int saved = 0, refused = 0;
    for (const std::string& name : SampleNames())
    {
        const Bytes sample = ReadSample(name);
        for (int round = 0; round < 300; ++round)
        {
            Bytes damaged = sample;
            for (int k = 1 + int(next() % 3); k > 0; --k)
            {
                std::size_t at = 12 + next() % (damaged.size() - 12);
                damaged[at] = std::uint8_t(next() % 4 == 0 ? next() : damaged[at] ^ (1u << (next() % 8)));
            }
            CountedPointer<GPLTdoFile> file;
            try
            {
                file = Load(damaged);
            }
            catch (const Velmo::Util::Exception&)
            {
                continue;
            }
            std::string tree;
            try
            {
                tree = Dump(*file);
            }
            catch (const Velmo::Util::Exception&)
            {
                tree.clear();
            }
            auto* memory = new Velmo::Util::MemoryStream(Bytes(16, 0xEE), "saved.3do");
            CountedPointer<Velmo::Util::BinaryStream> stream(memory);
            try
            {
                file->Save(stream);
            }
            catch (const Velmo::Util::Exception&)
            {
                ++refused;
                EXPECT_EQ(memory->GetBytes(), Bytes(16, 0xEE)) << name << " round " << round;
                continue;
            }
            ++saved;
            CountedPointer<GPLTdoFile> reloaded;
            ASSERT_NO_THROW(reloaded = Load(memory->GetBytes())) << name << " round " << round;
            if (!tree.empty())
            {
                EXPECT_EQ(Dump(*reloaded), tree) << name << " round " << round;
            }
        }
    }
    EXPECT_GT(saved, 0);
    EXPECT_GT(refused, 0);
}
