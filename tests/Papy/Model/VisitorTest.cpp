#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Papy/Model/Support/RecordingVisitor.h"
#include "Papy/Model/Support/StubNodes.h"

using namespace VelmoTest;

namespace
{
typedef StubData::Node Node;

// Sees only the generic operations, with the node they were handed.
class GenericVisitor : public ThreeDObjectVisitor
{
public:
    std::vector<std::string> Seen;
    std::vector<const ThreeDObject*> Nodes;

    bool Enter(ThreeDObject& node) override { return Note("Enter", node); }
    void Leave(ThreeDObject& node) override { Note("Leave", node); }
    void Visit(ThreeDObject& node) override { Note("Visit", node); }

private:
    bool Note(const char* what, ThreeDObject& node)
    {
        Seen.push_back(std::string(what) + " " + std::to_string(node.GetId()));
        Nodes.push_back(&node);
        return true;
    }
};

struct Expectation
{
    int singleChildren; // named children the default walk visits
    const char* list;   // the getter of a list whose items the default walk visits, or ""
};

// Kinds that are not leaves, with what a walk of their defaults visits.
const std::map<std::string, Expectation> NonLeaves = {
    {"AnimatedTransform", {1, ""}},
    {"AnimationSplitter", {0, "GetChild"}},
    {"Appearance", {3, "GetOtherTexture"}},
    {"AppNode", {1, ""}},
    {"Billboard", {1, ""}},
    {"BoundingBox", {1, ""}},
    {"CarRoot", {3, ""}},
    {"ClassMaterial", {1, ""}},
    {"ClassTexture", {1, ""}},
    {"ClassTextureMaterial", {1, ""}},
    {"ClassTextureSelector", {1, ""}},
    {"ClassTextureSelectorMaterial", {1, ""}},
    {"ColourMap", {1, ""}},
    {"DisplayClass", {1, ""}},
    {"DistanceSplitter", {0, "GetChild"}},
    {"ExtObjectList", {1, "GetObject"}},
    {"FSection", {2, ""}},
    {"Geometry", {2, ""}},
    {"Group", {0, "GetChild"}},
    {"Handle", {1, ""}},
    {"LatitudeSplitter", {0, "GetChild"}},
    {"LodSwitch", {0, "GetChild"}},
    {"LongitudeSplitter", {0, "GetChild"}},
    {"Material", {1, ""}},
    {"MultipleTextures", {1, ""}},
    {"ObjectList", {0, "GetChild"}},
    {"ObjectLocatorList", {0, "GetChild"}},
    {"ObjectLocator", {1, "GetObject"}}, // but not its four siblings
    {"PlaneCullFront", {1, ""}},
    {"PlaneOrder2", {2, ""}},
    {"PlaneOrder2CullFrontBack", {2, ""}},
    {"PlaneOrder3", {3, ""}},
    {"PlaneOrder3CullFront", {3, ""}},
    {"PlaneOrder4CullFrontBack", {4, ""}},
    {"Portal", {1, ""}},
    {"Proxy", {1, ""}},
    {"Root", {0, "GetChild"}},
    {"SelfLighting", {1, ""}},
    {"Shape", {2, ""}},
    {"StateSplitter", {0, "GetChild"}},
    {"StateSwitch", {0, "GetChild"}},
    {"Texture", {1, ""}},
    {"TextureSelector", {1, ""}},
    {"Track", {0, "GetDetail"}},
    {"TrackDetail", {1, ""}},
    {"TrackDetailSplit", {1, ""}},
    {"TrackLevelPlane", {1, ""}},
    {"TrackRoot", {2, ""}},
    {"TrackSections", {2, "GetSection"}},
    {"TrackSegment", {0, ""}},
    {"TrackSubSection1", {3, "GetTrackChild"}},
    {"Transform", {1, ""}},
    {"Transformation", {1, ""}},
    {"TriangleFan", {1, ""}},
    {"TriangleStrip", {1, ""}},
    {"TsoReference", {1, ""}},
    {"U3", {1, ""}},
    {"WSection", {0, ""}},
};
} // namespace

TEST(Visitor, EveryKindsDefaultsReachTheGenericOperations)
{
    const auto kinds = AllStubKinds();
    ASSERT_EQ(kinds.size(), 79u);
    int leaves = 0;
    for (const auto& [kind, make] : kinds)
    {
        Node node = make();
        StubData& data = dynamic_cast<StubData&>(*node);
        data.Id = 1;
        data.Fallback = Node(new StubNull);
        dynamic_cast<StubData&>(*data.Fallback).Id = 2;
        const auto expectation = NonLeaves.find(kind);
        if (expectation != NonLeaves.end() && *expectation->second.list != 0)
        {
            Node item(new StubNull);
            dynamic_cast<StubData&>(*item).Id = 3;
            data.Lists[expectation->second.list] = {item};
        }

        GenericVisitor visitor;
        node->Accept(visitor);
        ASSERT_FALSE(visitor.Seen.empty()) << kind;
        if (expectation == NonLeaves.end())
        {
            ++leaves;
            EXPECT_EQ(visitor.Seen, std::vector<std::string>({"Visit 1"})) << kind;
        }
        else
        {
            EXPECT_EQ(visitor.Seen.front(), "Enter 1") << kind;
            EXPECT_EQ(visitor.Seen.back(), "Leave 1") << kind;
            EXPECT_EQ(std::count(visitor.Seen.begin(), visitor.Seen.end(), "Visit 2"),
                      expectation->second.singleChildren)
                << kind;
            EXPECT_EQ(std::count(visitor.Seen.begin(), visitor.Seen.end(), "Visit 3"),
                      *expectation->second.list != 0 ? 1 : 0)
                << kind;
            EXPECT_EQ(visitor.Nodes.back(), node.Get()) << kind;
        }
        // The kind's operations hand on the very node, as ThreeDObject.
        EXPECT_EQ(visitor.Nodes.front(), node.Get()) << kind;
    }
    EXPECT_EQ(leaves, 21);
}

TEST(Visitor, OrderedEntersClearReverse)
{
    ThreeDObjectVisitor visitor;
    StubPlaneOrder2 order2;
    StubPlaneOrder2CullFrontBack order2CullFrontBack;
    StubPlaneOrder3 order3;
    StubPlaneOrder3CullFront order3CullFront;
    StubPlaneOrder4CullFrontBack order4CullFrontBack;
    StubTrackDetailSplit split;
    const std::vector<std::function<bool(bool&)>> enters = {
        [&](bool& reverse) { return visitor.EnterPlaneOrder2(order2, reverse); },
        [&](bool& reverse) { return visitor.EnterPlaneOrder2CullFrontBack(order2CullFrontBack, reverse); },
        [&](bool& reverse) { return visitor.EnterPlaneOrder3(order3, reverse); },
        [&](bool& reverse) { return visitor.EnterPlaneOrder3CullFront(order3CullFront, reverse); },
        [&](bool& reverse) { return visitor.EnterPlaneOrder4CullFrontBack(order4CullFrontBack, reverse); },
        [&](bool& reverse) { return visitor.EnterTrackDetailSplit(split, reverse); },
    };
    for (const auto& enter : enters)
    {
        bool reverse = true;
        EXPECT_TRUE(enter(reverse));
        EXPECT_FALSE(reverse);
    }
}

TEST(Visitor, BeforeDefaultsAgreeExceptForTheLocatorSiblings)
{
    ThreeDObjectVisitor visitor;
    StubObjectLocator locator;
    StubWSection wall;
    StubTrackDetailSplit split;
    StubObjectList list;
    EXPECT_FALSE(visitor.BeforeObjectLocatorSibling(locator, 0));
    EXPECT_TRUE(visitor.EnterObjectLocatorSiblings(locator));
    EXPECT_TRUE(visitor.BeforeObjectLocatorChild(locator));
    EXPECT_TRUE(visitor.BeforeObjectLocatorObject(locator, 0));
    EXPECT_TRUE(visitor.BeforeWSectionAppearance(wall, 1, 4));
    EXPECT_TRUE(visitor.BeforeWSectionTextureCoords(wall, 1, 4));
    EXPECT_TRUE(visitor.BeforeTrackDetailSplitLevelChild(split, 2, 0));
    EXPECT_TRUE(visitor.EnterTrackDetailSplitLevels(split));
    EXPECT_TRUE(visitor.BeforeObjectListChild(list, 7));
}

TEST(Visitor, RecordingVisitorOverridesEveryOperation)
{
    // The class compiles only if each of its overrides names an operation of the interface;
    // walking one node of every kind reaches nothing of the base.
    for (const auto& [kind, make] : AllStubKinds())
    {
        Node node = make();
        StubData& data = dynamic_cast<StubData&>(*node);
        data.Id = 1;
        data.Fallback = Node(new StubNull);
        RecordingVisitor visitor;
        node->Accept(visitor);
        for (const std::string& call : visitor.Calls)
        {
            EXPECT_NE(call.rfind("Enter 1", 0), 0u) << kind;
            EXPECT_NE(call.rfind("Leave 1", 0), 0u) << kind;
            EXPECT_NE(call.rfind("Visit 1", 0), 0u) << kind;
        }
        EXPECT_NE(visitor.Calls.front().find(kind), std::string::npos) << kind;
    }
}
