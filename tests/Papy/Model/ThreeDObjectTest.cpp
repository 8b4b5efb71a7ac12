#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Papy/Model/Support/StubNodes.h"
#include "Util/Exception.h"

using namespace VelmoTest;

namespace
{
// Runs action and checks that it fails with the assertion expression in the given unit.
void ExpectAssertion(const std::function<void()>& action, const char* expression, const char* unit,
                     const std::string& what)
{
    try
    {
        action();
        ADD_FAILURE() << what << ": no exception";
    }
    catch (const Util::XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), expression) << what;
        EXPECT_STREQ(e.GetFile(), unit) << what;
    }
}
} // namespace

TEST(ThreeDObject, GenericValueListsAreEmptyAndRefuseAccess)
{
    StubNull node;
    ThreeDObject& n = node;
    EXPECT_EQ(n.GetName(), "");
    EXPECT_EQ(n.GetIntegerCount(), 0);
    EXPECT_EQ(n.GetFloatCount(), 0);
    EXPECT_EQ(n.GetStringCount(), 0);
    EXPECT_EQ(n.GetBooleanCount(), 0);
    n.ClearFileOffset();

    const std::vector<std::pair<const char*, std::function<void()>>> refused = {
        {"SetName", [&] { n.SetName("x"); }},
        {"GetInteger", [&] { n.GetInteger(0); }},
        {"SetInteger", [&] { n.SetInteger(0, 1); }},
        {"GetFloat", [&] { n.GetFloat(0); }},
        {"SetFloat", [&] { n.SetFloat(0, 1); }},
        {"GetString", [&] { n.GetString(0); }},
        {"SetString", [&] { n.SetString(0, "x"); }},
        {"GetBoolean", [&] { n.GetBoolean(0); }},
        {"SetBoolean", [&] { n.SetBoolean(0, true); }},
    };
    for (const auto& [what, action] : refused)
        ExpectAssertion(action, "false", ".\\ThreeDObject.cpp", what);
}

TEST(ThreeDObject, PolygonDefaults)
{
    class Uncoloured : public StubPolygon
    {
    public:
        bool HasColour() const override { return false; }
        bool HasColourMapIndex() const override { return true; }
    };
    StubPolygon coloured;
    Uncoloured indexed;
    EXPECT_TRUE(coloured.HasColour());
    EXPECT_FALSE(coloured.HasColourMapIndex());
    EXPECT_FALSE(coloured.HasShades());
    EXPECT_FALSE(coloured.HasNormals());
    EXPECT_FALSE(coloured.HasTextureVertices());
    coloured.PrepareTextureVertices(Util::CountedPointer<MipFile>());

    const char* unit = ".\\ThreeDObjectPolygon.cpp";
    // Asking for what the polygon says it lacks names the missing feature.
    ExpectAssertion([&] { indexed.GetColour(); }, "HasColour()", unit, "GetColour uncoloured");
    ExpectAssertion([&] { coloured.GetColourMapIndex(); }, "HasColourMapIndex()", unit, "GetColourMapIndex");
    const std::vector<std::pair<const char*, std::function<void()>>> unsupported = {
        {"GetColour", [&] { coloured.GetColour(); }},
        {"GetColourMapIndex", [&] { indexed.GetColourMapIndex(); }},
        {"GetShade", [&] { coloured.GetShade(0); }},
        {"SetShade", [&] { coloured.SetShade(0, Colour()); }},
        {"GetNormal", [&] { coloured.GetNormal(0); }},
        {"GetNormalId", [&] { coloured.GetNormalId(0); }},
        {"SetNormalId", [&] { coloured.SetNormalId(0, 1); }},
        {"GetTextureVertex", [&] { coloured.GetTextureVertex(0); }},
    };
    for (const auto& [what, action] : unsupported)
        ExpectAssertion(action, "false", unit, what);
}

TEST(ThreeDObject, KindDefaultsAndFixedCounts)
{
    StubTransformation transformation;
    EXPECT_TRUE(transformation.ResetsFixedVertices());

    // The plane-id operations answer 0 and ignore a new id unless a node class keeps one.
    StubPlaneCullFront cullFront;
    StubPlaneOrder2 order2;
    StubPlaneOrder2CullFrontBack order2CullFrontBack;
    StubPlaneOrder3 order3;
    StubPlaneOrder3CullFront order3CullFront;
    StubPlaneOrder4CullFrontBack order4CullFrontBack;
    const std::vector<std::pair<std::function<int()>, std::function<void(int)>>> planeIds = {
        {[&] { return cullFront.GetPlaneId(); }, [&](int id) { cullFront.SetPlaneId(id); }},
        {[&] { return order2.GetPlaneId(); }, [&](int id) { order2.SetPlaneId(id); }},
        {[&] { return order2CullFrontBack.GetPlaneId(); }, [&](int id) { order2CullFrontBack.SetPlaneId(id); }},
        {[&] { return order3.GetPlaneId(); }, [&](int id) { order3.SetPlaneId(id); }},
        {[&] { return order3CullFront.GetPlaneId(); }, [&](int id) { order3CullFront.SetPlaneId(id); }},
        {[&] { return order4CullFrontBack.GetPlaneId(); }, [&](int id) { order4CullFrontBack.SetPlaneId(id); }},
    };
    for (const auto& [get, set] : planeIds)
    {
        set(7);
        EXPECT_EQ(get(), 0);
    }

    EXPECT_EQ(StubBoundingBox().GetVertexCount(), 8);
    EXPECT_EQ(StubTrackDetail().GetVertexCount(), 4);
    EXPECT_EQ(StubWSection().GetEntryCount(), 5);
    EXPECT_EQ(ThreeDObjectObjectLocator::SiblingCount, 4);
}

TEST(ThreeDObject, SplittersPickActiveChildrenByTheirThresholds)
{
    class StateSplitter : public StubStateSplitter
    {
    public:
        U32 Operator = 0;
        std::vector<U32> Values;
        U32 GetComparisonOperator() const override { return Operator; }
        U32 GetValue(int i) const override { return Values[i]; }
    };
    class DistanceSplitter : public StubDistanceSplitter
    {
    public:
        U32 Operator = 0;
        std::vector<double> Distances;
        U32 GetComparisonOperator() const override { return Operator; }
        double GetSplitDistance(int i) const override { return Distances[i]; }
    };

    StateSplitter state;
    state.Values = {10, 4000000000u};
    state.Operator = ComparisonGE;
    EXPECT_TRUE(state.IsChildActive(0, 10));
    EXPECT_FALSE(state.IsChildActive(0, 9.5));
    // Thresholds are unsigned: the large one is not a negative number.
    EXPECT_FALSE(state.IsChildActive(1, 10));
    state.Operator = ComparisonINDEX;
    EXPECT_TRUE(state.IsChildActive(1, 1.9));
    EXPECT_FALSE(state.IsChildActive(0, 1.9));
    state.Operator = 0;
    EXPECT_FALSE(state.IsChildActive(0, 10));

    DistanceSplitter distance;
    distance.Distances = {100.5, 250};
    distance.Operator = ComparisonLE;
    EXPECT_TRUE(distance.IsChildActive(0, 100.5));
    EXPECT_FALSE(distance.IsChildActive(0, 100.75));
    EXPECT_TRUE(distance.IsChildActive(1, 100.75));
}
