#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Papy/Model/Support/StubNodes.h"
#include "Papy/Model/TdoFile.h"
#include "Util/Exception.h"

using namespace VelmoTest;

namespace
{
// The least a file class does: its node table, a null node under -1, and the base's table
// helpers. It supports no factory.
class TableFile : public TdoFile
{
public:
    TableFile()
    {
        Util::CountedPointer<StubNull> null(new StubNull);
        null->Id = -1;
        Add(null);
    }

    void Add(const Node& node) { EnterSubObject(SubObjects, node); }
    std::size_t GetNodeCount() const { return SubObjects.size(); }
    int RootId = -1;

    Util::CountedPointer<ThreeDObjectRoot> GetRoot() const override
    {
        Util::CountedPointer<ThreeDObjectRoot> root;
        root = GetSubObject(RootId);
        return root;
    }
    Node GetSubObject(int id) const override { return FindSubObject(SubObjects, id); }
    Util::CountedPointer<ThreeDObjectNull> GetNull() const override
    {
        Util::CountedPointer<ThreeDObjectNull> null;
        null = GetSubObject(-1);
        return null;
    }
    Util::CountedPointer<ThreeDObjectHandle> FindHandle(const std::string&) const override
    {
        return Util::CountedPointer<ThreeDObjectHandle>();
    }
    int NewId() override { return m_nextId++; }
    void Save(Util::CountedPointer<Util::BinaryStream>&) override {}

private:
    SubObjectMap SubObjects;
    int m_nextId = 0x40000004;
};

void ExpectFalseAssertion(const std::function<void()>& action, const std::string& what)
{
    try
    {
        action();
        ADD_FAILURE() << what << ": no exception";
    }
    catch (const Util::XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "false") << what;
        EXPECT_STREQ(e.GetFile(), ".\\TdoFile.cpp") << what;
    }
}
} // namespace

TEST(TdoFile, UnknownIdFailsWithoutAddingAnEntry)
{
    TableFile file;
    EXPECT_EQ(file.GetNodeCount(), 1u);
    for (int id : {0, 5, -2})
    {
        try
        {
            file.GetSubObject(id);
            ADD_FAILURE() << "no exception for " << id;
        }
        catch (const Util::XAssertion& e)
        {
            EXPECT_STREQ(e.GetExpression(), "p != SubObjects.end()");
            EXPECT_STREQ(e.GetFile(), ".\\TdoFile.cpp");
        }
        EXPECT_EQ(file.GetNodeCount(), 1u) << id;
    }
}

TEST(TdoFile, EnteringATakenIdReplacesTheNode)
{
    TableFile file;
    // A node entered under an id that is taken replaces the former node; referrers by id see
    // the new one, and the table no longer holds the former.
    Util::CountedPointer<StubObjectList> list(new StubObjectList);
    list->Id = 8;
    file.Add(list);
    Util::CountedPointer<StubTrackRoot> replacement(new StubTrackRoot);
    replacement->Id = 8;
    file.Add(replacement);
    EXPECT_EQ(file.GetNodeCount(), 2u);
    EXPECT_EQ(file.GetSubObject(8).Get(), static_cast<ThreeDObject*>(replacement.Get()));
    EXPECT_EQ(list.GetCount(), 1);
}

TEST(TdoFile, UnsupportedFactoriesFail)
{
    TableFile file;
    TdoFile& f = file;
    const TdoFile::Node child = file.GetSubObject(-1);
    const TdoFile::Nodes children = {child, child};
    const std::vector<std::pair<const char*, std::function<void()>>> factories = {
        {"AnimatedTransform", [&] { f.CreateAnimatedTransform(1, "a", "b", 1, 2, 3, 4, 5, 6, child); }},
        {"Appearance", [&] { f.CreateAppearance(1, "a", 1, 1, 1, child, child, child, 0); }},
        {"BoundingBox", [&] { f.CreateBoundingBox(1, std::vector<Vertex>(8), child); }},
        {"ClassMaterial", [&] { f.CreateClassMaterial(1, DisplayClassCar, 2, Colour(), child); }},
        {"ClassTexture", [&] { f.CreateClassTexture(1, DisplayClassCar, "t", child); }},
        {"ClassTextureMaterial", [&] { f.CreateClassTextureMaterial(1, DisplayClassCar, "t", 2, Colour(), child); }},
        {"DisplayClass", [&] { f.CreateDisplayClass(1, DisplayClassCar, child); }},
        {"DistanceSplitter", [&] { f.CreateDistanceSplitter(1, Vertex(), children, {1, 2}); }},
        {"ExtObject", [&] { f.CreateExtObject(1, "x"); }},
        {"Geometry", [&] { f.CreateGeometry(1, child, child); }},
        {"Handle", [&] { f.CreateHandle("h", child); }},
        {"Line", [&] { f.CreateLine(1, Vertex(), Vertex(), Colour()); }},
        {"Null", [&] { f.CreateNull(1); }},
        {"NumberList", [&] { f.CreateNumberList(1, {1, 2}); }},
        {"ObjectList", [&] { f.CreateObjectList(1, children); }},
        {"ObjectLocator",
         [&] { f.CreateObjectLocator(1, std::vector<Plane>(4), TdoFile::Nodes(4, child), child, {}, {}, {}, {}); }},
        {"ObjectLocatorList", [&] { f.CreateObjectLocatorList(1, children); }},
        {"PlaneCullFront", [&] { f.CreatePlaneCullFront(1, Plane(), child); }},
        {"PlaneOrder2", [&] { f.CreatePlaneOrder2(1, Plane(), child, child); }},
        {"PlaneOrder2CullFrontBack", [&] { f.CreatePlaneOrder2CullFrontBack(1, Plane(), child, child); }},
        {"PlaneOrder3", [&] { f.CreatePlaneOrder3(1, Plane(), child, child, child); }},
        {"PlaneOrder3CullFront", [&] { f.CreatePlaneOrder3CullFront(1, Plane(), child, child, child); }},
        {"PlaneOrder4CullFrontBack",
         [&] { f.CreatePlaneOrder4CullFrontBack(1, Plane(), child, child, child, child); }},
        {"Polygon", [&] { f.CreatePolygon(1, {}, Colour(), false, {}, false, {}, false, {}); }},
        {"Proxy", [&] { f.CreateProxy(1, child); }},
        {"Root", [&] { f.CreateRoot(1, children); }},
        {"ScaledBitmap", [&] { f.CreateScaledBitmap(1, Vertex(), false, 1, 1, 2, "b"); }},
        {"Shape", [&] { f.CreateShape(1, "s", child, child); }},
        {"Texture", [&] { f.CreateTexture(1, "t", child); }},
        {"Texture2", [&] { f.CreateTexture2(1, "t.mip"); }},
        {"TrackDetailSplit", [&] { f.CreateTrackDetailSplit(1, {children}, child); }},
        {"TrackDrawingDistances", [&] { f.CreateTrackDrawingDistances(1, {{1, 2, 3, 4}}); }},
        {"TrackIndex", [&] { f.CreateTrackIndex(1, {1}); }},
        {"TrackLink", [&] { f.CreateTrackLink(1, {1, 2, 3, 4}); }},
        {"TrackRoot", [&] { f.CreateTrackRoot(1, child, child); }},
        {"TrackSections", [&] { f.CreateTrackSections(1, child, children, child); }},
        {"Transformation", [&] { f.CreateTransformation(1, 0, 0, 0, 90, 0, 0, 1, child); }},
        {"Triangles", [&] { f.CreateTriangles(1, {0, 1, 2}); }},
        {"Vertices", [&] { f.CreateVertices(1, {}, {}, {}, {}); }},
    };
    EXPECT_EQ(factories.size(), 39u);
    for (const auto& [what, action] : factories)
        ExpectFalseAssertion(action, what);
    EXPECT_EQ(file.GetNodeCount(), 1u);
}
