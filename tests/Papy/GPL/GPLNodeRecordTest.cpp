// The records of the polygon, list, bitmap, transformation, bounding box, vertex fixer, state
// value setter and line nodes: what each reads, answers and writes back.
#include <cmath>

#include <gtest/gtest.h>

#include "GPLTestFile.h"
#include "Papy/GPL/GPLBoundingBox.h"
#include "Papy/GPL/GPLInstructionDecoder.h"
#include "Papy/GPL/GPLLine.h"
#include "Papy/GPL/GPLObjectList.h"
#include "Papy/GPL/GPLObjectLocatorList.h"
#include "Papy/GPL/GPLPolygonFamily.h"
#include "Papy/GPL/GPLProxy.h"
#include "Papy/GPL/GPLScaledBitmap.h"
#include "Papy/GPL/GPLStateValueSetter.h"
#include "Papy/GPL/GPLTransformationFamily.h"
#include "Papy/GPL/GPLVertexFixer.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Util/Angles.h"
#include "Util/Exception.h"

using namespace VelmoTest;
using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;
using Velmo::Util::XAssertion;
using Velmo::Util::XFileFormat;
using Velmo::Util::XFileRead;

namespace
{
// Table sizes of the files the records are loaded in.
const Bytes Vertices = Floats4({{0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}, {0, 1, 1, 1}, {0, 2, 2, 2}, {0, 3, 3, 3},
                                {0, 4, 4, 4}, {0, 5, 5, 5}});
const Bytes Normals = Floats4({{0, 0, 0, 1}, {0, 0, 1, 0}});
const Bytes Strings = Bytes{'f', 'l', 'a', 'g', '.', 's', 'r', 'b', 0, 0xFF};

// One record under test at PRIM offset 4, followed by an anchor record (a state value setter)
// that the record may name: its offset is given to the maker. The top node is a list of three
// anchors after them, so that a file made a car object by a vertex fixer has a car's top.
typedef std::function<Bytes(std::uint32_t anchor)> RecordMaker;

CountedPointer<GPLTdoFile> LoadRecord(const RecordMaker& make)
{
    const std::uint32_t anchor = 4 + std::uint32_t(make(0).size());
    ByteBuilder rest;
    rest.U32(20).U32(1).U32(2);
    rest.U32(4).U32(3).U32(anchor).U32(anchor).U32(anchor);
    return Load(FileBytes({{"NORM", Normals},
                           {"XYZS", Vertices},
                           {"STRN", Strings},
                           {"PRIM", Prim(anchor + 12, {make(anchor), rest.Get()})}}));
}

Bytes WriteNode(ThreeDObject& node, std::uint32_t offset, std::size_t room = 4096)
{
    OwnedBuffer out("out", Bytes(room));
    node.Write(out, offset);
    Bytes bytes = out.GetBytes();
    bytes.resize(std::size_t(out.Tell()));
    return bytes;
}

struct RoundTrip
{
    const char* type;
    RecordMaker make;
};

ByteBuilder& Words(ByteBuilder& b, std::initializer_list<std::uint32_t> words)
{
    for (auto w : words)
        b.U32(w);
    return b;
}

// A polygon record of the given type word (coloured bit included) with n corners.
Bytes PolygonRecord(std::uint32_t typeWord, std::uint32_t colourWord, std::uint32_t n, std::uint32_t firstWord = 0)
{
    const std::uint32_t base = typeWord & 0xFF;
    const bool gouraud = (base - 27) & 1, phong = (base - 27) & 2, textured = (base - 27) & 4;
    ByteBuilder b;
    b.U32(typeWord);
    if (textured)
        b.U32(firstWord);
    b.U32(colourWord).U32(n);
    if (textured)
        for (std::uint32_t i = 0; i < n; ++i)
            b.F32(0.125f * float(i)).F32(-3.5f);
    for (std::uint32_t i = 0; i < n; ++i)
        b.U32(i * 2 % 8);
    if (gouraud)
        for (std::uint32_t i = 0; i < n; ++i)
            b.U32(0x80102030u + i);
    if (phong)
        for (std::uint32_t i = 0; i < n; ++i)
            b.U32(i % 2);
    return b.Get();
}
} // namespace

TEST(GPLRecords, EachRecordTypeReadsAndWritesBackByteIdentically)
{
    std::vector<RoundTrip> cases;
    const char* polygonTypes[] = {"27", "28", "29", "30", "31", "32", "33", "34"};
    static std::vector<std::string> colouredTypes;
    for (std::uint32_t base = 27; base <= 34; ++base)
    {
        colouredTypes.push_back(std::to_string(base) + "-8");
        cases.push_back({polygonTypes[base - 27], [base](std::uint32_t) { return PolygonRecord(base, 0x2A000000, 3); }});
        cases.push_back({polygonTypes[base - 27], [base](std::uint32_t) { return PolygonRecord(base, 0, 0); }});
    }
    for (std::uint32_t base = 27; base <= 34; ++base)
        cases.push_back({colouredTypes[base - 27].c_str(),
                         [base](std::uint32_t) { return PolygonRecord(base | 0x800, 0x7F102030, 4); }});
    cases.push_back({"4", [](std::uint32_t a) { ByteBuilder b; return Words(b, {4, 3, a, 0xFFFFFFFF, a}).Get(); }});
    cases.push_back({"4", [](std::uint32_t) { ByteBuilder b; return Words(b, {4, 0}).Get(); }});
    cases.push_back({"3", [](std::uint32_t) {
                         ByteBuilder b;
                         return Words(b, {3, 5, 0x01020304}).U32(0).F32(2.5f).U16(1).U16(0xFFFF).Get();
                     }});
    cases.push_back({"3-A", [](std::uint32_t) {
                         ByteBuilder b;
                         return Words(b, {0xA03, 7, 0xFF0A141E}).U32(0).F32(-1e-3f).U16(0).U16(0).Get();
                     }});
    for (std::uint32_t t : {19u, 13u, 22u})
        cases.push_back({t == 19 ? "19" : t == 13 ? "13" : "22", [t](std::uint32_t a) {
                             ByteBuilder b;
                             b.U32(t).F32(1.5f).F32(-2).F32(1e6f).F32(0.1f).F32(0.2f).F32(0.3f).F32(0.75f).U32(a);
                             return b.Get();
                         }});
    cases.push_back({"22", [](std::uint32_t) {
                         ByteBuilder b;
                         b.U32(22).F32(std::nanf("")).Zeros(24).U32(0xFFFFFFFF); // a NaN word survives
                         return b.Get();
                     }});
    cases.push_back({"25", [](std::uint32_t a) { ByteBuilder b; return Words(b, {25, 0, 1, 2, 3, 4, 5, 6, 7, a}).Get(); }});
    cases.push_back({"23", [](std::uint32_t) { ByteBuilder b; return Words(b, {23, 3, 7, 0, 7}).Get(); }});
    cases.push_back({"23", [](std::uint32_t) { ByteBuilder b; return Words(b, {23, 0}).Get(); }});
    cases.push_back({"20", [](std::uint32_t) { ByteBuilder b; return Words(b, {20, 9, 0xFFFFFFFF}).Get(); }});
    cases.push_back({"8-21", [](std::uint32_t) { ByteBuilder b; return Words(b, {2069, 0x01FF8000, 2, 7}).Get(); }});

    for (const auto& c : cases)
    {
        auto file = LoadRecord(c.make);
        const Bytes expected = c.make(4 + std::uint32_t(c.make(0).size()));
        auto node = file->GetSubObject(4);
        EXPECT_EQ(node->GetType(), c.type);
        EXPECT_EQ(node->GetFileOffset(), 4u) << c.type;
        EXPECT_EQ(WriteNode(*node, 4), expected) << c.type;
        EXPECT_EQ(node->GetFileOffset(), 4u);
        // The next record was read from where this one ended.
        EXPECT_EQ(file->GetSubObject(4 + int(expected.size()))->GetType(), "20") << c.type;
    }
}

TEST(GPLRecords, ColourWordsAreNormalisedOnWriting)
{
    struct Case
    {
        const char* name;
        Bytes record;
        Bytes written;
    };
    ByteBuilder b1, b2, b3, b4, b5, b6, b7, b8;
    const Case cases[] = {
        // A coloured polygon with alpha 0 is colour (0, 0, 0, 0), and so is each shade of alpha 0.
        {"coloured alpha 0", Words(b1, {2076, 0x00102030, 2, 0, 1, 0x00FFFFFF, 0xFF010203}).Get(),
         Words(b2, {2076, 0, 2, 0, 1, 0, 0xFF010203}).Get()},
        // An uncoloured polygon keeps only its index byte.
        {"colour-map index", Words(b3, {27, 0x2A102030, 1, 3}).Get(), Words(b4, {27, 0x2A000000, 1, 3}).Get()},
        {"line alpha 0", Words(b5, {2069, 0x00112233, 1, 2}).Get(), Words(b6, {2069, 0, 1, 2}).Get()},
        {"bitmap alpha 0", Words(b7, {3, 1, 0x001E140A, 0, 0, 0}).Get(), Words(b8, {3, 1, 0, 0, 0, 0}).Get()},
    };
    for (const auto& c : cases)
    {
        auto file = LoadRecord([&](std::uint32_t) { return c.record; });
        EXPECT_EQ(WriteNode(*file->GetSubObject(4), 4), c.written) << c.name;
    }
}

TEST(GPLRecords, PolygonAnswersFromItsRecordAndTheFileTables)
{
    auto file = LoadRecord([](std::uint32_t) { return PolygonRecord(2082, 0x80FF0000, 2); });
    CountedPointer<ThreeDObjectPolygon> p;
    p = file->GetSubObject(4);
    ASSERT_TRUE(p.Get() != nullptr);
    EXPECT_TRUE(dynamic_cast<GPLTexturedGouraudPhongPolygon*>(p.Get()) != nullptr);
    EXPECT_TRUE(dynamic_cast<GPLTexturedPhongPolygon*>(p.Get()) == nullptr);
    EXPECT_EQ(p->GetType(), "34-8");
    EXPECT_EQ(p->GetVertexCount(), 2);
    EXPECT_EQ(p->GetVertexId(1), 2);
    EXPECT_EQ(p->GetVertex(1), Vertex(0, 0, 1));
    EXPECT_TRUE(p->HasColour());
    EXPECT_FALSE(p->HasColourMapIndex());
    EXPECT_EQ(p->GetColour(), Colour(1, 0, 0, float(128 / 255.0)));
    ASSERT_TRUE(p->HasShades());
    EXPECT_EQ(p->GetShade(1), Colour::FromWord(0x80102031));
    ASSERT_TRUE(p->HasNormals());
    EXPECT_EQ(p->GetNormalId(1), 1);
    EXPECT_EQ(p->GetNormal(1), Normal(0, 1, 0));
    ASSERT_TRUE(p->HasTextureVertices());
    EXPECT_EQ(p->GetTextureVertex(1), TextureVertex(0.125, -3.5));
    p->SetVertexId(0, 7);
    p->SetNormalId(0, 1);
    EXPECT_EQ(p->GetVertex(0), Vertex(5, 5, 5));
    EXPECT_EQ(p->GetNormal(0), Normal(0, 1, 0));
    try
    {
        p->GetColourMapIndex();
        FAIL() << "no assertion";
    }
    catch (const XAssertion& e)
    {
        EXPECT_EQ(e.GetText(), "Assertion failure at .\\GPLTexturedGouraudPhongPolygon.cpp: 277\nHasColourMapIndex()\n");
    }

    auto plain = LoadRecord([](std::uint32_t) { return PolygonRecord(27, 0xFE000000, 1); });
    p = plain->GetSubObject(4);
    EXPECT_EQ(p->GetType(), "27");
    EXPECT_EQ(p->GetColourMapIndex(), 254);
    EXPECT_FALSE(p->HasShades() || p->HasNormals() || p->HasTextureVertices());
    try
    {
        p->GetColour();
        FAIL() << "no assertion";
    }
    catch (const XAssertion& e)
    {
        EXPECT_EQ(e.GetText(), "Assertion failure at .\\GPLPolygon.cpp: 266\nHasColour()\n");
    }
    // Features the class lacks keep the failing defaults of the polygon kind.
    const std::function<void()> absent[] = {
        [&] { p->GetShade(0); }, [&] { p->SetShade(0, Colour()); }, [&] { p->GetNormal(0); },
        [&] { p->GetNormalId(0); }, [&] { p->SetNormalId(0, 0); }, [&] { p->GetTextureVertex(0); },
    };
    for (const auto& call : absent)
    {
        try
        {
            call();
            ADD_FAILURE() << "no assertion";
        }
        catch (const XAssertion& e)
        {
            EXPECT_STREQ(e.GetExpression(), "false");
        }
    }
}

TEST(GPLRecords, TexturedPolygonFirstWordMustBeZero)
{
    const std::pair<std::uint32_t, const char*> cases[] = {
        {31, "GPL 3DO Textured Polygon first word not 0"},
        {32, "GPL 3DO Textured Gouraud Polygon first word not 0"},
        {33 | 0x800, "GPL Textured Phong Polygon first word not 0"},
        {34, "GPL Textured Gouraud Phong Polygon first word not 0"},
    };
    for (const auto& [type, message] : cases)
    {
        try
        {
            LoadRecord([type = type](std::uint32_t) { return PolygonRecord(type, 0, 1, 1); });
            ADD_FAILURE() << type << " loaded";
        }
        catch (const XFileFormat& e)
        {
            EXPECT_EQ(e.GetMessage(), message);
            EXPECT_NE(e.GetText().find("test.3do"), std::string::npos);
        }
    }
}

TEST(GPLRecords, CountsBeyondTheSectionFailAsReads)
{
    const Bytes records[] = {
        [] { ByteBuilder b; return Words(b, {27, 0, 0x40000000}).Get(); }(),
        [] { ByteBuilder b; return Words(b, {2082, 0, 0, 0xFFFFFFFF}).Get(); }(),
        [] { ByteBuilder b; return Words(b, {4, 0xFFFFFFFF}).Get(); }(),
        [] { ByteBuilder b; return Words(b, {23, 2, 1}).Get(); }(),
        [] { ByteBuilder b; return Words(b, {25, 1, 2, 3}).Get(); }(),
        [] { ByteBuilder b; return Words(b, {2069, 0}).Get(); }(),
    };
    for (const auto& record : records)
        EXPECT_THROW(Load(FileBytes({{"PRIM", Prim(4, {record})}})), XFileRead);
}

TEST(GPLRecords, GouraudValueConstructorMakesShadesRelativeToTheColour)
{
    GPLTdoFile file;
    GPLGouraudPolygon a(file, 0x40000004, {0, 1}, Colour(0.5f, 0.5f, 0.5f, 1),
                        {Colour(0.25f, 1, 0, 1), Colour(0.5f, 0.5f, 0.5f, 0)});
    EXPECT_EQ(a.GetShade(0), Colour(0.5f, 1, 0, 1));
    EXPECT_EQ(a.GetShade(1), Colour(0, 0, 0, 0));
    EXPECT_EQ(a.GetFileOffset(), 0u);
    EXPECT_EQ(a.GetType(), "28-8");
    GPLTexturedGouraudPhongPolygon b(file, 0x40000008, {3}, Colour(0, 0.5f, 0.5f, 1), {Colour(0.9f, 0.25f, 1, 1)},
                                     {TextureVertex(0.5, 0.25)}, {1});
    EXPECT_EQ(b.GetShade(0), Colour(0, 0.5f, 1, 1));
    ByteBuilder expected;
    expected.U32(2082).U32(0).U32(0xFF008080u).U32(1).F32(0.5f).F32(0.25f).U32(3).U32(0xFF0080FFu).U32(1);
    EXPECT_EQ(WriteNode(b, 64), expected.Get());
    EXPECT_EQ(b.GetFileOffset(), 64u);
    b.ClearFileOffset();
    EXPECT_EQ(b.GetFileOffset(), 0u);
}

TEST(GPLRecords, ObjectListRefusesToNameItself)
{
    // Five 12-byte records put the list at offset 64.
    auto withList = [](std::initializer_list<std::uint32_t> children) {
        ByteBuilder b;
        for (int i = 0; i < 5; ++i)
            Words(b, {20, 0, 0});
        b.U32(4).U32(std::uint32_t(children.size()));
        for (auto c : children)
            b.U32(c);
        Words(b, {20, 0, 0});
        return FileBytes({{"PRIM", Prim(64, {b.Get()})}});
    };
    try
    {
        Load(withList({128, 64}));
        FAIL() << "loaded";
    }
    catch (const XFileFormat& e)
    {
        EXPECT_EQ(e.GetMessage(), "GPL 3do Object List self reference");
    }
    auto file = Load(withList({80, 0xFFFFFFFF}));
    CountedPointer<ThreeDObjectObjectList> list;
    list = file->GetSubObject(64);
    ASSERT_EQ(list->GetChildCount(), 2);
    EXPECT_EQ(list->GetChild(1)->GetId(), -1);

    // Editing: insert before a position (the count appends), remove by position.
    list->InsertChild(file->GetSubObject(4), 0);
    list->InsertChild(file->GetSubObject(16), 3);
    list->RemoveChild(2);
    ByteBuilder expected;
    Words(expected, {4, 3, 4, 80, 16});
    EXPECT_EQ(WriteNode(*list, 64), expected.Get());
}

TEST(GPLRecords, ObjectLocatorListDropsTheClosingNull)
{
    auto file = Load(FileBytes({{"PRIM", Prim(4, {[] {
                                                       ByteBuilder b;
                                                       Words(b, {4, 3, 36, 48, 0xFFFFFFFF});  // 4
                                                       Words(b, {4, 1, 0xFFFFFFFF});          // 24
                                                       Words(b, {20, 0, 0});                  // 36
                                                       Words(b, {20, 1, 1});                  // 48
                                                       Words(b, {4, 2, 36, 48});              // 60
                                                       return b.Get();
                                                   }()})}}));
    CountedPointer<ThreeDObjectObjectList> list;
    list = file->GetSubObject(4);
    GPLObjectLocatorList locators(*file, *list);
    EXPECT_EQ(locators.GetId(), 4);
    EXPECT_EQ(locators.GetFileOffset(), 4u);
    EXPECT_EQ(locators.GetType(), "4");
    ASSERT_EQ(locators.GetChildCount(), 2);
    EXPECT_EQ(locators.GetChild(1)->GetId(), 48);
    ByteBuilder expected;
    Words(expected, {4, 3, 36, 48, 0xFFFFFFFF});
    EXPECT_EQ(WriteNode(locators, 4), expected.Get());
    locators.AddChild(file->GetSubObject(36));
    EXPECT_EQ(locators.GetChildCount(), 3);

    const std::pair<int, const char*> refused[] = {
        {24, "GPL 3DO ObjectLocatorList count less than 2"},
        {60, "GPL 3DO ObjectLocatorList last object not -1"},
    };
    for (const auto& [id, message] : refused)
    {
        list = file->GetSubObject(id);
        try
        {
            GPLObjectLocatorList bad(*file, *list);
            ADD_FAILURE() << id << " accepted";
        }
        catch (const XFileFormat& e)
        {
            EXPECT_EQ(e.GetMessage(), message);
            EXPECT_EQ(e.GetText(), std::string("A possible error was found in file \n") + message + "\n");
        }
    }
}

TEST(GPLRecords, ProxyStandsForItsTargetInTheFile)
{
    auto file = Load(FileBytes({{"PRIM", Prim(4, {[] {
                                                       ByteBuilder b;
                                                       Words(b, {20, 0, 0}); // 4
                                                       return b.Get();
                                                   }()})}}));
    CountedPointer<ThreeDObject> proxy(new GPLProxy(*file, 0x40000004, 4));
    file->AddSubObject(proxy);
    GPLObjectList list(*file, 0x40000008, {0x40000004, 0xFFFFFFFF});
    file->GetSubObject(4)->Write(*StreamOf(Bytes(12)), 0x200);
    ByteBuilder expected;
    Words(expected, {4, 2, 0x200, 0xFFFFFFFF});
    EXPECT_EQ(WriteNode(list, 0), expected.Get());
    EXPECT_EQ(proxy->GetFileOffset(), 0x200u);
    EXPECT_EQ(proxy->GetType(), "");
    EXPECT_TRUE(WriteNode(*proxy, 0).empty());
    CountedPointer<ThreeDObjectProxy> asProxy;
    asProxy = proxy;
    EXPECT_EQ(asProxy->GetTarget()->GetId(), 4);
    EXPECT_EQ(asProxy->GetChild()->GetId(), 4);
}

TEST(GPLRecords, ScaledBitmapAnswers)
{
    auto file = LoadRecord([](std::uint32_t) {
        ByteBuilder b;
        return Words(b, {0xA03, 3, 0xFF0A141E}).U32(0).F32(2.5f).U16(1).U16(0).Get();
    });
    CountedPointer<ThreeDObjectScaledBitmap> bitmap;
    bitmap = file->GetSubObject(4);
    ASSERT_TRUE(bitmap.Get() != nullptr);
    EXPECT_EQ(bitmap->GetType(), "3-A");
    EXPECT_TRUE(bitmap->HasColour());
    EXPECT_EQ(bitmap->GetColour(), Colour(10 / 255.0f, 20 / 255.0f, 30 / 255.0f, 1));
    EXPECT_EQ(bitmap->GetVertex(), Vertex(1, 1, 1));
    EXPECT_EQ(bitmap->GetSrbName(), "flag.srb");
    EXPECT_FALSE(bitmap->HasScale());
    EXPECT_EQ(bitmap->GetScale(), 0.0);
    EXPECT_EQ(bitmap->GetHeight(), 2.5);
    EXPECT_TRUE(bitmap->IsHorizontallyReversed());
    EXPECT_FALSE(bitmap->IsVerticallyReversed());
    bitmap->SetSrbName("tree.srb");
    EXPECT_EQ(bitmap->GetSrbName(), "tree.srb");
    EXPECT_EQ(file->GetString(9), "tree.srb");

    // An uncoloured bitmap keeps its colour word but answers white.
    auto plain = LoadRecord([](std::uint32_t) {
        ByteBuilder b;
        return Words(b, {3, 0, 0x801E140A, 0, 0, 0}).Get();
    });
    bitmap = plain->GetSubObject(4);
    EXPECT_FALSE(bitmap->HasColour());
    EXPECT_EQ(bitmap->GetColour(), Colour(1, 1, 1, 1));
    EXPECT_EQ(bitmap->GetType(), "3");
}

TEST(GPLRecords, TransformationRotationsAreStoredZYXAndAnsweredInDegrees)
{
    auto file = LoadRecord([](std::uint32_t) {
        ByteBuilder b;
        b.U32(22).F32(1).F32(2).F32(3).F32(0.25f).F32(0.5f).F32(float(Velmo::Util::pi / 2)).F32(2).U32(0xFFFFFFFF);
        return b.Get();
    });
    CountedPointer<ThreeDObjectTransformation> t;
    t = file->GetSubObject(4);
    EXPECT_NEAR(t->GetXRotation(), 90.0, 1e-5);
    EXPECT_NEAR(t->GetYRotation(), Velmo::Util::RadiansToDegrees(0.5), 1e-5);
    EXPECT_NEAR(t->GetZRotation(), Velmo::Util::RadiansToDegrees(0.25), 1e-5);
    EXPECT_EQ(t->GetYTranslation(), 2.0);
    EXPECT_EQ(t->GetScale(), 2.0);
    EXPECT_FALSE(t->ResetsFixedVertices());
    EXPECT_EQ(t->GetChild()->GetId(), -1);
    t->SetZRotation(180);
    t->SetXTranslation(0.1);
    t->SetChild(file->GetSubObject(40));
    ByteBuilder expected;
    expected.U32(22).F32(0.1f).F32(2).F32(3).F32(float(Velmo::Util::pi)).F32(0.5f).F32(float(Velmo::Util::pi / 2));
    expected.F32(2).U32(40);
    EXPECT_EQ(WriteNode(*t, 4), expected.Get());

    GPLTdoFile empty;
    EXPECT_TRUE(GPLTransformation(empty, 1, 0, 0, 0, 0, 0, 0, 1, 0).ResetsFixedVertices());
    EXPECT_TRUE(GPLTransformation2(empty, 1, 0, 0, 0, 0, 0, 0, 1, 0).ResetsFixedVertices());
    EXPECT_EQ(GPLTransformation2(empty, 1, 0, 0, 0, 0, 0, 0, 1, 0).GetType(), "13");
}

TEST(GPLRecords, BoundingBoxFixerSetterAndLineAnswers)
{
    auto file = LoadRecord([](std::uint32_t a) {
        ByteBuilder b;
        Words(b, {25, 7, 6, 5, 4, 3, 2, 1, 0, a});
        return b.Get();
    });
    CountedPointer<ThreeDObjectBoundingBox> box;
    box = file->GetSubObject(4);
    EXPECT_EQ(box->GetVertex(0), Vertex(5, 5, 5));
    EXPECT_EQ(box->GetChild()->GetId(), 44);
    box->SetVertexId(7, 3);
    EXPECT_EQ(box->GetVertexId(7), 3);
    EXPECT_THROW(box->GetVertexId(8), XAssertion);

    GPLTdoFile empty;
    GPLLine line(empty, 1, 2, 3, Colour(1, 0.5f, 0, 1));
    ByteBuilder expected;
    Words(expected, {2069, 0xFFFF8000, 2, 3});
    EXPECT_EQ(WriteNode(line, 0), expected.Get());
    EXPECT_EQ(line.GetFromVertexId(), 2);
    EXPECT_EQ(line.GetToVertexId(), 3);

    auto lines = LoadRecord([](std::uint32_t) {
        ByteBuilder b;
        return Words(b, {2069, 0x80FF0000, 3, 4}).Get();
    });
    CountedPointer<ThreeDObjectLine> l;
    l = lines->GetSubObject(4);
    EXPECT_EQ(l->GetColour(), Colour(1, 0, 0, float(128 / 255.0)));
    EXPECT_EQ(l->GetFromVertex(), Vertex(1, 1, 1));
    EXPECT_EQ(l->GetToVertex(), Vertex(2, 2, 2));

    auto fixers = LoadRecord([](std::uint32_t) {
        ByteBuilder b;
        return Words(b, {23, 2, 6, 1}).Get();
    });
    CountedPointer<ThreeDObjectVertexFixer> fixer;
    fixer = fixers->GetSubObject(4);
    ASSERT_EQ(fixer->GetVertexCount(), 2);
    EXPECT_EQ(fixer->GetVertex(0), Vertex(4, 4, 4));

    CountedPointer<ThreeDObjectStateValueSetter> setter;
    setter = fixers->GetSubObject(20);
    EXPECT_EQ(setter->GetStateIndex(), 1u);
    EXPECT_EQ(setter->GetStateValue(), 2u);
}

TEST(GPLRecords, DecoderKnowsTheTypeWordsOfItsTable)
{
    // The whole word is compared: high bits make a word unknown.
    for (std::uint32_t type : {0u, 1u, 2u, 12u, 18u, 21u, 24u, 26u, 35u, 2068u, 2070u, 2074u, 2083u, 2562u, 2564u,
                               0x80000003u, 0x10000019u})
    {
        ByteBuilder b;
        Words(b, {type, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        try
        {
            Load(FileBytes({{"PRIM", Prim(4, {b.Get()})}}));
            ADD_FAILURE() << type << " loaded";
        }
        catch (const XFileFormat& e)
        {
            EXPECT_EQ(e.GetMessage(), "GPL TDO File unknown instruction type") << type;
        }
    }
    // Sub-types outside the table: type 5 reads two words first, type 17 one.
    for (const auto& words : {std::vector<std::uint32_t>{5, 0xFFFFFFFF, 2}, std::vector<std::uint32_t>{5, 4, 3},
                              std::vector<std::uint32_t>{17, 5}, std::vector<std::uint32_t>{17, 0x100000000 - 1}})
    {
        ByteBuilder b;
        for (auto w : words)
            b.U32(w);
        b.Zeros(64);
        EXPECT_THROW(Load(FileBytes({{"PRIM", Prim(4, {b.Get()})}})), XFileFormat);
    }
    EXPECT_TRUE(GPLInstructionDecoder::Knows(2069, GPLInstructionDecoder::NoSubType));
    EXPECT_TRUE(GPLInstructionDecoder::Knows(2563, GPLInstructionDecoder::NoSubType));
    EXPECT_FALSE(GPLInstructionDecoder::Knows(21, GPLInstructionDecoder::NoSubType));
    EXPECT_FALSE(GPLInstructionDecoder::Knows(5, 2));
    EXPECT_FALSE(GPLInstructionDecoder::Knows(17, 5));

    // 2075 is the coloured form of 27.
    auto file = LoadRecord([](std::uint32_t) { return PolygonRecord(2075, 0xFF000000, 1); });
    EXPECT_TRUE(dynamic_cast<GPLPolygon*>(file->GetSubObject(4).Get()) != nullptr);
    EXPECT_EQ(file->GetSubObject(4)->GetType(), "27-8");
}
