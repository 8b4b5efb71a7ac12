// The GPL node factories: a tree built only through them saves and loads back as built; what
// they make of the editor's values; the calls they refuse, leaving the file as it was.
#include <functional>

#include <gtest/gtest.h>

#include "GPLSaveSupport.h"
#include "GPLTestFile.h"
#include "Papy/Model/ThreeDObjectNull.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectObjectLocatorList.h"
#include "Papy/Model/ThreeDObjectProxy.h"
#include "Papy/Model/ThreeDObjectTrackSections.h"
#include "Papy/Model/ThreeDObjectTrackDetailSplit.h"
#include "Papy/Model/ThreeDObjectTrackRoot.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"

using namespace VelmoTest;
using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;

namespace
{
typedef TdoFile::Node Node;
typedef TdoFile::Nodes Nodes;

const Colour White(1, 1, 1, 1);
const Colour Rust(0.6f, 0.2f, 0, 1);

std::vector<Vertex> Square(double z)
{
    return {Vertex(0, 0, z), Vertex(1, 0, z), Vertex(1, 1, z), Vertex(0, 1, z)};
}

// One polygon of each of the eight kinds, by the three feature flags.
Nodes EveryPolygon(GPLTdoFile& file)
{
    Nodes polygons;
    const std::vector<Colour> shades = {Rust, White, Colour(0, 0.2f, 0.6f, 1), Rust};
    const std::vector<Normal> normals = {Normal(0, 0, 1), Normal(0, 1, 0), Normal(0, 0, 1), Normal(1, 0, 0)};
    const std::vector<TextureVertex> uvs = {TextureVertex(0, 0), TextureVertex(0.5, 0), TextureVertex(0.5, 0.25),
                                            TextureVertex(0, 0.25)};
    for (int features = 0; features < 8; ++features)
    {
        bool s = features & 1, n = features & 2, t = features & 4;
        polygons.push_back(file.CreatePolygon(file.NewId(), Square(features), White, s,
                                              s ? shades : std::vector<Colour>{}, n,
                                              n ? normals : std::vector<Normal>{}, t,
                                              t ? uvs : std::vector<TextureVertex>{}));
    }
    return polygons;
}

// A scene of every kind the editor can insert outside a track, under a root with a handle.
CountedPointer<GPLTdoFile> BuildScene()
{
    CountedPointer<GPLTdoFile> file(new GPLTdoFile());
    GPLTdoFile& f = *file;
    Nodes parts = EveryPolygon(f);
    Node line = f.CreateLine(f.NewId(), Vertex(0, 0, 0), Vertex(2, 2, 2), Rust);
    Node bitmap = f.CreateScaledBitmap(f.NewId(), Vertex(3, 0, 1), false, 0, 0, 2.5, "tree.srb");
    Node ext = f.CreateExtObject(f.NewId(), "pitwall");
    Node numbers = f.CreateNumberList(f.NewId(), {7, -1, 300000});
    Node list = f.CreateObjectList(f.NewId(), {line, bitmap, ext, numbers, line});
    const Plane plane(0, 0, 1, -0.5);
    parts.push_back(f.CreatePlaneCullFront(f.NewId(), plane, list));
    parts.push_back(f.CreatePlaneOrder2(f.NewId(), plane, parts[0], parts[1]));
    parts.push_back(f.CreatePlaneOrder2CullFrontBack(f.NewId(), Plane(1, 0, 0, 0), parts[2], parts[3]));
    parts.push_back(f.CreatePlaneOrder3(f.NewId(), plane, parts[4], parts[5], parts[6]));
    parts.push_back(f.CreatePlaneOrder3CullFront(f.NewId(), plane, parts[7], line, bitmap));
    parts.push_back(f.CreatePlaneOrder4CullFrontBack(f.NewId(), plane, line, bitmap, ext, parts[0]));
    std::vector<Vertex> corners = Square(0);
    for (const Vertex& v : Square(4))
        corners.push_back(v);
    parts.push_back(f.CreateBoundingBox(f.NewId(), corners, parts[8]));
    parts.push_back(f.CreateTransformation(f.NewId(), 1, 2, 3, 90, -45, 30, 0.5, parts[9]));
    parts.push_back(f.CreateTexture(f.NewId(), "road.mip", parts[10]));
    parts.push_back(f.CreateDisplayClass(f.NewId(), DisplayClassWall, parts[11]));
    parts.push_back(f.CreateClassTexture(f.NewId(), DisplayClassTree, "leaves.mip", parts[12]));
    parts.push_back(f.CreateClassMaterial(f.NewId(), DisplayClassCar, 9.6, Colour(0.3f, 0.6f, 0.9f, 0), parts[13]));
    parts.push_back(f.CreateClassTextureMaterial(f.NewId(), DisplayClassDriver, "road.mip", 12, White, parts[14]));
    parts.push_back(f.CreateDistanceSplitter(f.NewId(), Vertex(5, 5, 0), {parts[15], list}, {100, 2000}));
    Node top = f.CreateObjectList(f.NewId(), parts);
    f.CreateRoot(f.NewId(), {top});
    f.CreateHandle("scene", parts[16]);
    f.CreateHandle("line", line);
    return file;
}

// A track built the way the fix-up builds one from a loaded file.
CountedPointer<GPLTdoFile> BuildTrack()
{
    CountedPointer<GPLTdoFile> file(new GPLTdoFile());
    GPLTdoFile& f = *file;
    Node leaf = f.CreateLine(f.NewId(), Vertex(0, 0, 0), Vertex(0, 0, 1), White);
    Nodes grid;
    for (int i = 0; i < 7; ++i)
        grid.push_back(f.CreateExtObject(f.NewId(), "detail" + std::to_string(i)));
    Node links = f.CreateTrackLink(f.NewId(), {0, 1, 2, 3});
    Node split = f.CreateTrackDetailSplit(
        f.NewId(), {{grid[0], grid[1], grid[2], grid[3]}, {grid[4], grid[5]}, {grid[6]}}, links);
    const std::vector<Plane> planes = {Plane(1, 0, 0, 0), Plane(0, 1, 0, 0), Plane(-1, 0, 0, 5), Plane(0, -1, 0, 5)};
    Node first = f.CreateObjectLocator(f.NewId(), planes, {f.GetNull(), f.GetNull(), f.GetNull(), f.GetNull()}, leaf,
                                       {1.5, 2}, {0, 0}, {-3, 4}, {leaf, grid[0]});
    Node second =
        f.CreateObjectLocator(f.NewId(), planes, {first, f.GetNull(), first, f.GetNull()}, leaf, {}, {}, {}, {});
    Node locators = f.CreateObjectLocatorList(f.NewId(), {first, second, f.GetNull()});
    Node index = f.CreateTrackIndex(f.NewId(), {0, 1, 2});
    Node sections = f.CreateTrackSections(f.NewId(), index, {split}, locators);
    Node distances = f.CreateTrackDrawingDistances(f.NewId(), {{1, 2, 3, 4}, {5, 6, 7, 8}});
    f.CreateRoot(f.NewId(), {f.CreateTrackRoot(f.NewId(), sections, distances)});
    return file;
}
} // namespace

// What the factories build is what a saved file loads as, and the save is at its fixed point
// after one more generation.
TEST(GPLFactory, BuiltTreesSaveAndLoadBackAsBuilt)
{
    for (auto build : {BuildScene, BuildTrack})
    {
        CountedPointer<GPLTdoFile> built = build();
        const std::string tree = Dump(*built);
        const Bytes saved = SaveToBytes(*built);
        EXPECT_EQ(Dump(*built), tree);
        CountedPointer<GPLTdoFile> loaded = Load(saved);
        EXPECT_EQ(Dump(*loaded), tree);
        if (build == BuildTrack)
        {
            EXPECT_NE(dynamic_cast<ThreeDObjectTrackRoot*>(loaded->GetRoot()->GetChild(0).Get()), nullptr)
                << "the loaded track is fixed up into track nodes";
        }
        const Bytes again = SaveToBytes(*loaded);
        EXPECT_EQ(SaveToBytes(*Load(again)), again);
    }
}

// The editor's values in file terms.
TEST(GPLFactory, ConvertsValuesToTheFilesTerms)
{
    GPLTdoFile f;
    auto polygon = f.CreatePolygon(f.NewId(), {Vertex(1, 2, 3), Vertex(4, 5, 6), Vertex(1, 2, 3)}, Rust, false, {},
                                   false, {}, false, {});
    EXPECT_EQ(polygon->GetVertexId(0), polygon->GetVertexId(2)) << "an equal vertex is reused";
    EXPECT_EQ(f.GetVertices().size(), 2u);
    EXPECT_EQ(polygon->GetType(), "27-8") << "a new polygon carries a full colour";

    auto a = f.CreateExtObject(f.NewId(), "same");
    auto b = f.CreateTexture(f.NewId(), "same", a);
    EXPECT_EQ(f.GetStrings().size(), 1u);
    EXPECT_EQ(b->GetTextureName(), "same");

    auto t = f.CreateTransformation(f.NewId(), 1, 2, 3, 90, 0, -180, 2, a);
    EXPECT_NEAR(t->GetXRotation(), 90, 1e-4);
    EXPECT_NEAR(t->GetZRotation(), -180, 1e-4);
    EXPECT_EQ(t->GetChild().Get(), a.Get());

    auto splitter = f.CreateDistanceSplitter(f.NewId(), Vertex(0, 0, 0), {a, a}, {0.1, 1e10});
    EXPECT_EQ(splitter->GetComparisonOperator(), 2u);
    EXPECT_EQ(splitter->GetSplitDistance(0), double(0.1f));

    auto material = f.CreateClassMaterial(f.NewId(), DisplayClassTerrain, 9.6, Colour(0.3f, 0.6f, 0.9f, 1), a);
    EXPECT_EQ(material->GetShininess(), 10);
    EXPECT_NEAR(material->GetSpecularShade().GetRed(), 0.6, 1e-6);
    EXPECT_EQ(material->GetClass(), DisplayClassTerrain);

    const std::size_t nodes = f.GetSubObjects().size();
    EXPECT_EQ(f.CreateScaledBitmap(f.NewId(), Vertex(9, 9, 9), true, 1, 1, 1, "x.srb").Get(), nullptr);
    EXPECT_EQ(f.GetSubObjects().size(), nodes) << "a scaled bitmap with a scale is not made";

    // A created null node and a proxy are written as their targets.
    auto null = f.CreateNull(f.NewId());
    EXPECT_EQ(null->GetFileOffset(), 0xFFFFFFFFu);
    auto proxy = f.CreateProxy(f.NewId(), a);
    auto list = f.CreateObjectList(f.NewId(), {null, proxy});
    f.CreateRoot(GPLTdoFile::RootId, {list});
    EXPECT_EQ(f.GetRoot()->GetId(), GPLTdoFile::RootId);
    Bytes saved = SaveToBytes(f);
    Bytes prim;
    for (std::size_t at = 12; at + 12 <= saved.size();)
    {
        std::uint32_t size = Velmo::Util::DecodeLE<std::uint32_t>(saved.data() + at + 8);
        if (std::string(saved.begin() + std::ptrdiff_t(at), saved.begin() + std::ptrdiff_t(at + 4)) == "MIRP")
            prim.assign(saved.begin() + std::ptrdiff_t(at + 12), saved.begin() + std::ptrdiff_t(at + 12 + size));
        at += 12 + (size + 3) / 4 * 4;
    }
    // The ext object at 4 (12 bytes), then the list naming the null reference and the target.
    EXPECT_EQ(prim, (Bytes{16, 0, 0, 0, 14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0, 0xFF, 0xFF, 0xFF,
                           0xFF, 4, 0, 0, 0}));
}

// Handles take the file's own ids, hang from the root and are found by name; a root makes its
// first child the top node.
TEST(GPLFactory, HandlesAndRoot)
{
    GPLTdoFile f;
    EXPECT_EQ(f.GetRoot().Get(), nullptr);
    auto first = f.CreateExtObject(f.NewId(), "a");
    auto second = f.CreateExtObject(f.NewId(), "b");
    f.CreateRoot(f.NewId(), {second, first});
    EXPECT_EQ(f.GetRootOffset(), std::uint32_t(second->GetId()));
    auto h1 = f.CreateHandle("one", first);
    auto h2 = f.CreateHandle("two", second);
    EXPECT_EQ(h1->GetId(), -3);
    EXPECT_EQ(h2->GetId(), -4);
    EXPECT_EQ(f.FindHandle("two").Get(), h2.Get());
    ASSERT_EQ(f.GetRoot()->GetChildCount(), 4);
    EXPECT_EQ(f.GetRoot()->GetChild(2).Get(), h1.Get());
    EXPECT_EQ(f.GetRoot()->GetChild(3).Get(), h2.Get());
    EXPECT_EQ(f.GetHandles().size(), 2u);
}

// Refused calls name the rule and store nothing: no node, no vertex, plane or string.
TEST(GPLFactory, RefusedCallsLeaveTheFileAsItWas)
{
    struct Case
    {
        const char* message;
        std::function<void(GPLTdoFile&, const Node&)> call;
    };
    const Vertex v(1, 1, 1);
    const Plane p(0, 0, 1, 0);
    const std::vector<Plane> planes(4, p);
    const Case cases[] = {
        {"GPL root needs at least one child", [](GPLTdoFile& f, const Node&) { f.CreateRoot(f.NewId(), {}); }},
        {"GPL polygon needs one shade per vertex",
         [&](GPLTdoFile& f, const Node&) {
             f.CreatePolygon(f.NewId(), {v, v, v}, White, true, {White}, false, {}, false, {});
         }},
        {"GPL polygon needs one normal per vertex",
         [&](GPLTdoFile& f, const Node&) {
             f.CreatePolygon(f.NewId(), {v, v}, White, false, {}, true, {Normal(0, 0, 1)}, false, {});
         }},
        {"GPL polygon needs one texture vertex per vertex",
         [&](GPLTdoFile& f, const Node&) {
             f.CreatePolygon(f.NewId(), {v}, White, false, {}, false, {}, true, {});
         }},
        {"GPL distance splitter needs one distance per child",
         [&](GPLTdoFile& f, const Node& c) { f.CreateDistanceSplitter(f.NewId(), v, {c, c}, {1}); }},
        {"GPL object locator needs one position per located object",
         [&](GPLTdoFile& f, const Node& c) {
             f.CreateObjectLocator(f.NewId(), planes, {c, c, c, c}, c, {1}, {1, 2}, {1}, {c});
         }},
        {"GPL object locator needs one position per located object",
         [&](GPLTdoFile& f, const Node& c) {
             f.CreateObjectLocator(f.NewId(), planes, {c, c, c, c}, c, {1}, {2}, {}, {c});
         }},
        {"GPL object locator needs 4 planes and 4 siblings",
         [&](GPLTdoFile& f, const Node& c) {
             f.CreateObjectLocator(f.NewId(), {p, p, p}, {c, c, c, c}, c, {}, {}, {}, {});
         }},
        {"GPL bounding box needs 8 corners",
         [&](GPLTdoFile& f, const Node& c) { f.CreateBoundingBox(f.NewId(), {v, v, v, v, v, v, v}, c); }},
        {"GPL only allows track link with 4 links",
         [](GPLTdoFile& f, const Node&) { f.CreateTrackLink(f.NewId(), {1, 2, 3}); }},
        {"GPL only allows track detail with 4/2/1 split",
         [](GPLTdoFile& f, const Node& c) { f.CreateTrackDetailSplit(f.NewId(), {{c, c, c, c}, {c, c}, {c, c}}, c); }},
        {"GPL only allows track detail with 4/2/1 split",
         [](GPLTdoFile& f, const Node& c) { f.CreateTrackDetailSplit(f.NewId(), {{c, c, c, c}, {c, c}}, c); }},
        // Both would be written as lists that the file refuses when it is read back.
        {"GPL object locator list needs at least one child",
         [](GPLTdoFile& f, const Node&) { f.CreateObjectLocatorList(f.NewId(), {}); }},
        {"GPL track sections need at least one section",
         [](GPLTdoFile& f, const Node& c) { f.CreateTrackSections(f.NewId(), c, {}, c); }},
        {"GPL node given no child", [](GPLTdoFile& f, const Node&) { f.CreateTexture(f.NewId(), "t", Node()); }},
        {"GPL node child not in this file",
         [](GPLTdoFile& f, const Node&) {
             GPLTdoFile other;
             f.CreateObjectList(f.NewId(), {other.CreateExtObject(other.NewId(), "elsewhere")});
         }},
        {"GPL node id reserved for the null node, the root or a handle",
         [](GPLTdoFile& f, const Node&) { f.CreateNumberList(GPLTdoFile::NullId, {1}); }},
        {"GPL node id reserved for the null node, the root or a handle",
         [](GPLTdoFile& f, const Node& c) { f.CreateObjectList(GPLTdoFile::RootId, {c}); }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.message);
        GPLTdoFile f;
        Node child = f.CreateLine(f.NewId(), Vertex(0, 0, 0), Vertex(1, 0, 0), White);
        f.CreatePlaneCullFront(f.NewId(), Plane(1, 0, 0, 0), child);
        const std::size_t nodes = f.GetSubObjects().size();
        try
        {
            c.call(f, child);
            ADD_FAILURE() << "accepted";
        }
        catch (const Velmo::Util::XUsage& e)
        {
            EXPECT_EQ(e.GetText(), c.message);
        }
        EXPECT_EQ(f.GetSubObjects().size(), nodes);
        EXPECT_EQ(f.GetVertices().size(), 2u);
        EXPECT_EQ(f.GetPlanes().size(), 1u);
        EXPECT_TRUE(f.GetStrings().empty());
    }

    // A handle needs a root to hang from; a new file has none until CreateRoot.
    GPLTdoFile empty;
    auto ext = empty.CreateExtObject(empty.NewId(), "x");
    try
    {
        empty.CreateHandle("h", ext);
        ADD_FAILURE() << "accepted";
    }
    catch (const Velmo::Util::XUsage& e)
    {
        EXPECT_EQ(e.GetText(), "GPL handle needs a file with a root");
    }
    EXPECT_TRUE(empty.GetHandles().empty());
    EXPECT_EQ(empty.GetStrings().size(), 1u);
}

// A display class that GPL has no number for fails the file's lookup before anything is made.
TEST(GPLFactory, DisplayClassWithoutGplNumberFails)
{
    GPLTdoFile f;
    auto child = f.CreateExtObject(f.NewId(), "c");
    const std::size_t nodes = f.GetSubObjects().size();
    try
    {
        f.CreateClassTexture(f.NewId(), DisplayClassFence, "fence.mip", child);
        ADD_FAILURE() << "accepted";
    }
    catch (const Velmo::Util::XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "p != DisplayClasses.end()");
    }
    EXPECT_EQ(f.GetSubObjects().size(), nodes);
    EXPECT_EQ(f.GetStrings().size(), 1u);
}

// The editor can tie a node into its own subtree; such a tree cannot be written, and the save
// says so before it changes anything.
TEST(GPLFactory, SaveRefusesATreeTheEditorTiedIntoACycle)
{
    GPLTdoFile f;
    auto leaf = f.CreateLine(f.NewId(), Vertex(0, 0, 0), Vertex(1, 1, 1), White);
    auto transform = f.CreateTransformation(f.NewId(), 0, 0, 0, 0, 0, 0, 1, leaf);
    auto list = f.CreateObjectList(f.NewId(), {transform});
    f.CreateRoot(f.NewId(), {list});
    transform->SetChild(list);
    auto* memory = new Velmo::Util::MemoryStream(Bytes(4, 7), "saved.3do");
    CountedPointer<Velmo::Util::BinaryStream> stream(memory);
    try
    {
        f.Save(stream);
        ADD_FAILURE() << "saved";
    }
    catch (const Velmo::Util::XFileFormat& e)
    {
        EXPECT_EQ(e.GetMessage(), "GPL 3do file node refers to itself or an ancestor");
    }
    EXPECT_EQ(memory->GetBytes(), Bytes(4, 7));
    EXPECT_EQ(f.GetVertices().size(), 2u);
}
