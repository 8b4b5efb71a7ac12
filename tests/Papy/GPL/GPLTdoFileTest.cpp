// The GPL .3do container: header and section checks in their order with their messages, the
// tables, the string table, handles and root, lookups, and the rules for untrusted input.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "GPLTestFile.h"
#include "Papy/GPL/GPLHandle.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectNull.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/Exception.h"

using namespace VelmoTest;
using Velmo::Papy::GPLTdoFile;
using Velmo::Util::XAssertion;
using Velmo::Util::XFileFormat;
using Velmo::Util::XFileRead;

namespace
{
Bytes U32s(std::initializer_list<std::uint32_t> words)
{
    ByteBuilder b;
    for (auto w : words)
        b.U32(w);
    return b.Get();
}

// A list record (type 4) of the given children.
Bytes List(std::initializer_list<std::uint32_t> children)
{
    ByteBuilder b;
    b.U32(4).U32(std::uint32_t(children.size()));
    for (auto c : children)
        b.U32(c);
    return b.Get();
}

// An uncoloured untextured polygon (type 27) over the given vertices.
Bytes Polygon(std::initializer_list<std::uint32_t> vertices)
{
    ByteBuilder b;
    b.U32(27).U32(0x07000000).U32(std::uint32_t(vertices.size()));
    for (auto v : vertices)
        b.U32(v);
    return b.Get();
}

std::string FormatMessage(const Bytes& bytes, bool strict)
{
    StrictGuard guard(strict);
    try
    {
        Load(bytes, "crafted.3do");
    }
    catch (const XFileFormat& e)
    {
        EXPECT_NE(e.GetText().find("crafted.3do"), std::string::npos) << e.GetText();
        return e.GetMessage();
    }
    catch (const Velmo::Util::Exception& e)
    {
        return "other: " + e.GetText();
    }
    return "loaded";
}

struct FormatCase
{
    const char* name;
    Bytes file;
    bool strict;
    const char* expected;
};

const Bytes Prim1 = Prim(4, {Polygon({0})});
} // namespace

TEST(GPLTdoFile, ContainerChecksInOrderWithTheirMessages)
{
    const Bytes vertexOne = Floats4({{0, 1, 2, 3}});
    const FormatCase cases[] = {
        {"file id", [] { auto f = FileBytes({}); f[0] = 'X'; return f; }(), false, "GPL 3do file id not 3DO4"},
        {"file id before version", [] { auto f = FileBytes({}, 2); f[3] = 'X'; return f; }(), true,
         "GPL 3do file id not 3DO4"},
        {"version under Strict", FileBytes({}, 2), true, "GPL 3do file unsupported version"},
        {"version without Strict", FileBytes({}, 2), false, "loaded"},
        {"size under Strict", FileBytes({}, 1, 0) + Bytes{0, 0, 0, 0}, true, "GPL 3do file size mismatch"},
        {"size without Strict", FileBytes({}, 1, 0) + Bytes{0, 0, 0, 0}, false, "loaded"},
        {"room for a section header", FileBytes({}, 1, 8) + Bytes(8, 0), false,
         "GPL 3do file not enough room left for header"},
        {"section version", FileBytes({{"PRIM", Prim1, 1}}), false, "GPL 3do file unsupported subsection version"},
        {"section beyond the header's size", FileBytes({{"PRIM", Prim1, 0, 400}}, 1, 12 + 400 - 1), false,
         "GPL 3do section extends beyond end of file"},
        {"section type", FileBytes({{"ABCD", {}}}), false, "GPL 3do Unrecognized section type"},
        {"NORM size", FileBytes({{"NORM", Bytes(20, 0)}}), false, "GPL 3do NORM size not multiple of 16"},
        {"NORM first value", FileBytes({{"NORM", Floats4({{0, 0, 0, 1}, {1, 0, 0, 1}})}}), false,
         "GPL 3do NORM first value not zero"},
        {"NORM first value NaN", FileBytes({{"NORM", Floats4({{std::nanf(""), 0, 0, 1}})}}), false,
         "GPL 3do NORM first value not zero"},
        {"NORM negative zero", FileBytes({{"NORM", Floats4({{-0.0f, 0, 0, 1}})}}), false, "loaded"},
        {"XYZS size", FileBytes({{"XYZS", Bytes(8, 0)}}), false, "GPL 3do XYZS size not multiple of 16"},
        {"XYZS size before values", FileBytes({{"XYZS", vertexOne + Bytes(4, 0)}}), true,
         "GPL 3do XYZS size not multiple of 16"},
        {"XYZS first value under Strict", FileBytes({{"XYZS", Floats4({{0, 1, 2, 3}, {5, 1, 2, 0}})}}), true,
         "GPL 3do XYZS fourth value not zero"},
        {"XYZS first value without Strict", FileBytes({{"XYZS", Floats4({{5, 1, 2, 3}})}}), false, "loaded"},
        {"XYZS last value not checked", FileBytes({{"XYZS", Floats4({{0, 1, 2, 3}})}}), true, "loaded"},
        {"PLAN size", FileBytes({{"PLAN", Bytes(4, 0)}}), false, "GPL 3do PLAN size not multiple of 16"},
        {"PLAN values not checked", FileBytes({{"PLAN", Floats4({{9, 9, 9, 9}})}}), true, "loaded"},
        {"unknown instruction", FileBytes({{"PRIM", Prim(4, {U32s({21})})}}), false,
         "GPL TDO File unknown instruction type"},
        {"second section not checked after an error", FileBytes({{"ABCD", {}}, {"NORM", Bytes(3, 0)}}), false,
         "GPL 3do Unrecognized section type"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatMessage(c.file, c.strict), c.expected) << c.name;
}

// Rules for untrusted input that the format leaves open, with messages of our own.
TEST(GPLTdoFile, RefusesSectionsThatWouldCorruptTheNodeTable)
{
    const FormatCase cases[] = {
        {"second PRIM", FileBytes({{"PRIM", Prim1}, {"PRIM", Prim1}}), false,
         "GPL 3do file has a second PRIM section"},
        {"HAND before PRIM", FileBytes({{"HAND", U32s({0, 4})}, {"PRIM", Prim1}}), false,
         "GPL 3do file has a HAND section before its PRIM section"},
        {"string without NUL", FileBytes({{"STRN", Bytes{'a', 0, 'b', 'c', 'd'}}}), false,
         "GPL 3do STRN string not terminated"},
        {"padding beyond the header's size", FileBytes({{"STRN", Bytes{'a', 0, 0xFF}}}, 1, 12 + 3), false,
         "GPL 3do section padding extends beyond end of file"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatMessage(c.file, c.strict), c.expected) << c.name;
}

namespace
{
// A stream of the given size whose bytes are all zero except a prefix; it allocates nothing.
class SparseStream : public Velmo::Util::BinaryStream
{
public:
    SparseStream(Bytes prefix, std::uint64_t size) : m_prefix(std::move(prefix)), m_size(size) {}
    void Read(std::uint32_t count, void* buffer) override
    {
        if (m_position + count > m_size)
            throw XFileRead("sparse.3do");
        auto* out = static_cast<std::uint8_t*>(buffer);
        for (std::uint32_t i = 0; i < count; ++i, ++m_position)
            out[i] = m_position < m_prefix.size() ? m_prefix[m_position] : 0;
    }
    void Write(std::uint32_t, const void*) override { throw Velmo::Util::XFileWrite("sparse.3do"); }
    std::uint64_t Tell() const override { return m_position; }
    void Seek(std::uint64_t position) override { m_position = position; }
    std::uint64_t Size() const override { return m_size; }
    bool AtEnd() const override { return m_position == m_size; }
    std::string GetName() const override { return "sparse.3do"; }

private:
    Bytes m_prefix;
    std::uint64_t m_size;
    std::uint64_t m_position = 0;
};
} // namespace

TEST(GPLTdoFile, RefusesPrimDataWhoseOffsetsReachTheNewIds)
{
    const std::uint32_t primSize = GPLTdoFile::MaxPrimSize + 4;
    ByteBuilder header;
    header.Text("4OD3").U32(1).U32(12 + primSize).Text("MIRP").U32(0).U32(primSize);
    Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> stream(new SparseStream(header.Get(), 24 + primSize));
    try
    {
        GPLTdoFile file(stream);
        FAIL() << "loaded";
    }
    catch (const XFileFormat& e)
    {
        EXPECT_EQ(e.GetMessage(), "GPL 3do PRIM section too large for node ids");
    }
}

TEST(GPLTdoFile, SizesBeyondTheStreamFailAsReadsWithoutAllocating)
{
    // The header claims 2 GB of section data that the stream does not have.
    ByteBuilder b;
    b.Text("4OD3").U32(1).U32(0x80000000u).Text("NRTS").U32(0).U32(0x7FFFFF00u).Text("ab");
    EXPECT_THROW(Load(b.Get()), XFileRead);
    // A file cut inside its header and inside a section header.
    EXPECT_THROW(Load(Bytes{'4', 'O', 'D', '3', 1, 0}), XFileRead);
    Bytes cut = FileBytes({{"PRIM", Prim1}});
    cut.resize(20);
    EXPECT_THROW(Load(cut), XFileRead);
    // A HAND section that ends inside a record, and a record that runs past PRIM.
    EXPECT_THROW(Load(FileBytes({{"PRIM", Prim1}, {"HAND", U32s({0, 4, 0})}})), XFileRead);
    EXPECT_THROW(Load(FileBytes({{"PRIM", Prim(4, {U32s({2069, 0, 1})})}})), XFileRead);
}

TEST(GPLTdoFile, HeaderOnlyFileLoadsWithoutNodes)
{
    auto file = Load(FileBytes({}));
    EXPECT_TRUE(file->GetSubObjects().empty());
    // Without PRIM there is no root and no null node.
    try
    {
        file->GetRoot();
        FAIL() << "root found";
    }
    catch (const XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "p != SubObjects.end()");
        EXPECT_STREQ(e.GetFile(), ".\\GPLTdoFile.cpp");
    }
}

TEST(GPLTdoFile, TablesAreReadInRecordOrder)
{
    auto file = Load(FileBytes({{"NORM", Floats4({{0, 1, 2, 3}, {-0.0f, 4, 5, 6}})},
                                {"XYZS", Floats4({{0, 7, 8, 9}})},
                                {"PLAN", Floats4({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}})},
                                {"XYZS", Floats4({{0, -1, -2, -3}})}}));
    ASSERT_EQ(file->GetNormals().size(), 2u);
    EXPECT_EQ(file->GetNormal(1), Velmo::Papy::Normal(4, 5, 6));
    ASSERT_EQ(file->GetVertexCount(), 2u);
    EXPECT_EQ(file->GetVertex(0), Velmo::Papy::Vertex(7, 8, 9));
    EXPECT_EQ(file->GetVertex(1), Velmo::Papy::Vertex(-1, -2, -3));
    EXPECT_EQ(file->GetPlane(2), Velmo::Papy::Plane(9, 10, 11, 12));

    struct Lookup
    {
        std::function<void()> call;
        const char* expression;
    };
    const Lookup lookups[] = {
        {[&] { file->GetVertex(2); }, "id < GetVertexCount()"},
        {[&] { file->GetPlane(3); }, "id < Planes.size()"},
        {[&] { file->GetNormal(2); }, "id < Normals.size()"},
        {[&] { file->GetString(0); }, "i != Strings.end()"},
        {[&] { file->GetSubObject(4); }, "p != SubObjects.end()"},
    };
    for (const auto& l : lookups)
    {
        try
        {
            l.call();
            ADD_FAILURE() << l.expression << " not raised";
        }
        catch (const XAssertion& e)
        {
            EXPECT_STREQ(e.GetExpression(), l.expression);
        }
    }
}

TEST(GPLTdoFile, StringTableIsKnownByOffsets)
{
    // 13 bytes: the section is followed by 3 padding bytes that count against the header size.
    auto file = Load(FileBytes({{"STRN", Bytes{'a', 0, 'b', 'c', 0, 0, 'd', 'e', 'f', 0, 'g', 0, 0xFF}, 0,
                                 std::nullopt, ' '},
                                {"PRIM", Prim1}}));
    const std::map<std::uint32_t, std::string> expected = {{0, "a"}, {2, "bc"}, {5, ""}, {6, "def"}, {10, "g"}};
    EXPECT_EQ(file->GetStrings(), expected);
    EXPECT_EQ(file->GetString(6), "def");

    // The last byte of the data never begins a string, so it needs no NUL; empty data is no
    // string at all.
    EXPECT_EQ(Load(FileBytes({{"STRN", Bytes{'x', 0, 'y'}}}))->GetStrings().size(), 1u);
    EXPECT_TRUE(Load(FileBytes({{"STRN", {}}}))->GetStrings().empty());
}

TEST(GPLTdoFile, AddStringReusesOrAppendsAfterTheLastString)
{
    GPLTdoFile file;
    EXPECT_EQ(file.AddString("a"), 0u);
    EXPECT_EQ(file.AddString("bc"), 2u);
    EXPECT_EQ(file.AddString("a"), 0u);
    EXPECT_EQ(file.AddString(""), 5u);
    EXPECT_EQ(file.AddString("z"), 6u);
    EXPECT_EQ(file.GetString(2), "bc");
}

TEST(GPLTdoFile, AddVertexPlaneNormalReuseEqualEntries)
{
    GPLTdoFile file;
    EXPECT_EQ(file.AddVertex({1, 2, 3}), 0);
    EXPECT_EQ(file.AddVertex({1, 2, 4}), 1);
    EXPECT_EQ(file.AddVertex({1, 2, 3}), 0);
    EXPECT_EQ(file.AddPlane({1, 0, 0, 2}), 0);
    EXPECT_EQ(file.AddPlane({1, 0, 0, 2}), 0);
    EXPECT_EQ(file.AddNormal({0, 0, 1}), 0);
    EXPECT_EQ(file.AddNormal({0, 1, 0}), 1);
}

TEST(GPLTdoFile, DisplayClassesMapBothWays)
{
    using namespace Velmo::Papy;
    GPLTdoFile file;
    EXPECT_EQ(file.GetDisplayClass(0), DisplayClassTrack);
    EXPECT_EQ(file.GetDisplayClass(13), DisplayClassCar);
    EXPECT_EQ(file.GetDisplayClass(1140), DisplayClassUnknown);
    EXPECT_EQ(file.GetDisplayClassNumber(DisplayClassGroove), 20);
    // Unknown is reached from 1140 only: numbers without an entry give it, but its number is 1140.
    EXPECT_EQ(file.GetDisplayClassNumber(DisplayClassUnknown), 1140);
    {
        StrictGuard lenient(false);
        EXPECT_EQ(file.GetDisplayClass(12), DisplayClassUnknown);
        EXPECT_EQ(file.GetDisplayClass(-5), DisplayClassUnknown);
    }
    {
        StrictGuard strict(true);
        try
        {
            file.GetDisplayClass(14);
            FAIL() << "no error";
        }
        catch (const XFileFormat& e)
        {
            EXPECT_EQ(e.GetMessage(), "GPL 3do file unknown display class");
        }
    }
    try
    {
        file.GetDisplayClassNumber(DisplayClassFence);
        FAIL() << "no error";
    }
    catch (const XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "p != DisplayClasses.end()");
    }
}

TEST(GPLTdoFile, NewFileHasOnlyTheNullNode)
{
    GPLTdoFile file;
    ASSERT_EQ(file.GetSubObjects().size(), 1u);
    auto null = file.GetNull();
    ASSERT_TRUE(null.Get() != nullptr);
    EXPECT_EQ(null->GetId(), -1);
    EXPECT_EQ(null->GetFileOffset(), 0xFFFFFFFFu);
    EXPECT_EQ(file.GetSubObject(-1).Get(), static_cast<Velmo::Papy::ThreeDObject*>(null.Get()));
    // No root until one is made: the root id names the null node, which is no root.
    EXPECT_TRUE(file.GetRoot().Get() == nullptr);
    EXPECT_EQ(file.NewId(), 0x40000004);
    EXPECT_EQ(file.NewId(), 0x40000008);
}

namespace
{
// Records the ids of the nodes a walk enters or visits, in order.
class IdRecorder : public Velmo::Papy::ThreeDObjectVisitor
{
public:
    bool Enter(Velmo::Papy::ThreeDObject& node) override
    {
        ids.push_back(node.GetId());
        return true;
    }
    void Visit(Velmo::Papy::ThreeDObject& node) override { ids.push_back(node.GetId()); }
    std::vector<int> ids;
};
} // namespace

TEST(GPLTdoFile, RootHoldsTheTopNodeThenTheHandles)
{
    // Records: 4 a list of (28, 28, -1, 60); 28 a polygon; 44 a polygon that only a handle
    // names; 60 a list that names the polygon at 28 again.
    const Bytes prim = Prim(4, {List({28, 28, 0xFFFFFFFF, 60}), Polygon({0}), Polygon({1}), List({28})});
    auto file = Load(FileBytes({{"XYZS", Floats4({{0, 1, 1, 1}, {0, 2, 2, 2}})},
                                {"STRN", Bytes{'b', 'o', 'd', 'y', 0, 'x', 0, 0xFF}},
                                {"PRIM", prim},
                                {"HAND", U32s({0, 44, 5, 28, 0, 60})}}));
    EXPECT_EQ(file->GetRootOffset(), 4u);
    auto root = file->GetRoot();
    ASSERT_TRUE(root.Get() != nullptr);
    EXPECT_EQ(root->GetId(), -2);
    ASSERT_EQ(root->GetChildCount(), 4);
    EXPECT_EQ(root->GetChild(0)->GetId(), 4);
    EXPECT_EQ(root->GetChild(1)->GetId(), -3);
    EXPECT_EQ(root->GetChild(3)->GetId(), -5);

    // Handles in file order; the first of two equal names wins.
    auto handle = file->FindHandle("body");
    ASSERT_TRUE(handle.Get() != nullptr);
    EXPECT_EQ(handle->GetId(), -3);
    EXPECT_EQ(handle->GetObject()->GetId(), 44);
    EXPECT_EQ(file->FindHandle("x")->GetObject()->GetId(), 28);
    EXPECT_TRUE(file->FindHandle("none").Get() == nullptr);
    EXPECT_TRUE(file->FindHandle("Body").Get() == nullptr);

    // The shared polygon is one node.
    Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObjectObjectList> top;
    top = file->GetSubObject(4);
    ASSERT_TRUE(top.Get() != nullptr);
    EXPECT_EQ(top->GetChild(0).Get(), top->GetChild(1).Get());
    EXPECT_EQ(top->GetChild(2)->GetId(), -1);

    // The walk from the root: the top node's tree, then each handle and its object.
    IdRecorder walk;
    root->Accept(walk);
    EXPECT_EQ(walk.ids, (std::vector<int>{-2, 4, 28, 28, -1, 60, 28, -3, 44, -4, 28, -5, 60, 28}));

    EXPECT_EQ(file->NewId(), 0x40000004);
}

TEST(GPLTdoFile, HandleWritesNameAndTheCurrentOffsetOfItsObject)
{
    const Bytes prim = Prim(4, {Polygon({0})});
    auto file = Load(FileBytes({{"STRN", Bytes{'h', 0, 0xFF}}, {"PRIM", prim}, {"HAND", U32s({0, 4})}}));
    auto polygon = file->GetSubObject(4);
    Bytes out(8);
    Velmo::Util::CharBuffer buffer("out", 8, out.data());
    polygon->Write(*StreamOf(Bytes(16)), 0x120); // the polygon now stands at 0x120
    file->GetSubObject(-3)->Write(buffer, 0);
    EXPECT_EQ(out, U32s({0, 0x120}));
    // A handle and the root have no offset of their own.
    EXPECT_THROW(file->GetSubObject(-3)->GetFileOffset(), XAssertion);
    EXPECT_THROW(file->GetSubObject(-2)->GetFileOffset(), XAssertion);
}

TEST(GPLTdoFile, DanglingReferencesLoadAndFailWhenFollowed)
{
    auto file = Load(FileBytes({{"PRIM", Prim(400, {List({8000})})}}));
    Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObjectObjectList> list;
    list = file->GetSubObject(4);
    ASSERT_TRUE(list.Get() != nullptr);
    EXPECT_THROW(list->GetChild(0), XAssertion);
    EXPECT_THROW(file->GetRoot()->GetChild(0), XAssertion);
}
