// The bounds visitor on the model-view stack, against bounds that drawing_samples.py works out
// with its own matrix arithmetic.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "DrawingSamples.h"
#include "GLContext.h"
#include "Papy/Model/ThreeDObjectTrack.h"
#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Util/Exception.h"
#include "Vantrel/Drawing/ThreeDObjectGetBoundsVisitor.h"

namespace
{
using DrawingTest::Samples;
using Velmo::Util::CountedPointer;

int StackDepth()
{
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
}

// Measures a node as the pane does: push, identity, walk, pop; the stack as before.
struct Measured
{
    ViewBounds Bounds;
    std::vector<std::string> Messages;
};

Measured Measure(const CountedPointer<Velmo::Papy::ThreeDObject>& node,
                 const CountedPointer<Velmo::Papy::FileFactory>& factory, const DrawOptions& options = {})
{
    glMatrixMode(GL_MODELVIEW);
    const int before = StackDepth();
    glPushMatrix();
    glLoadIdentity();
    Measured result;
    {
        ThreeDObjectGetBoundsVisitor visitor(factory, options);
        try
        {
            node->Accept(visitor);
        }
        catch (...)
        {
            glPopMatrix();
            EXPECT_EQ(StackDepth(), before);
            throw;
        }
        result.Bounds = visitor.GetBounds();
        result.Messages = visitor.GetReport().GetMessages();
    }
    glPopMatrix();
    EXPECT_EQ(StackDepth(), before);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    return result;
}

Measured MeasureGpl(const std::string& name, const DrawOptions& options = {})
{
    return Measure(Samples::Root(Samples::Get().Gpl(name)), Samples::Get().Factory("gpl"), options);
}
} // namespace

TEST(BoundsVisitor, TransformedPolygonsFixedVerticesStateSplittersAndSprites)
{
    GLContext context;
    VELMO_REQUIRE_GL(context);
    // Rotations about all three axes with translations; a vertex fixed inside a transformation
    // that resets the fixed vertices and inside one that keeps them (in a car, whose shadow and
    // cockpit do not count); the first active child of a state splitter, and one over a
    // variable never set; scaled bitmaps (scaled as drawn, a flat one and one of height 0 at 1).
    for (const char* name : {"rotated", "fixed-reset", "fixed-kept", "state", "sprite", "sprite-flat", "sprite-zero"})
    {
        const Measured measured = MeasureGpl(name);
        DrawingTest::ExpectBounds(measured.Bounds, Samples::Get().Bounds(name), name);
        EXPECT_TRUE(measured.Messages.empty()) << name;
    }
}

TEST(BoundsVisitor, TransformsDeeperThanTheStackAreLeftOutWithOneMessage)
{
    GLContext context;
    VELMO_REQUIRE_GL(context);
    GLint maxDepth = 0;
    glGetIntegerv(GL_MAX_MODELVIEW_STACK_DEPTH, &maxDepth);
    if (maxDepth >= 64)
        GTEST_SKIP() << "the model-view stack holds the sample's 64 levels";
    const Measured measured = MeasureGpl("deep");
    DrawingTest::ExpectBounds(measured.Bounds, Samples::Get().Bounds("deep"), "deep");
    EXPECT_EQ(measured.Messages, std::vector<std::string>{BoundsTransformStack::OverflowMessage()});
}

TEST(BoundsVisitor, AnExternalObjectCycleIsWalkedOnceAndNamed)
{
    GLContext context;
    VELMO_REQUIRE_GL(context);
    // a names b, b names a: a's polygon, b's polygon, and a again inside b, whose b is passed over.
    const Measured a = MeasureGpl("a");
    DrawingTest::ExpectBounds(a.Bounds, Samples::Get().Bounds("a"), "a");
    EXPECT_EQ(a.Messages, std::vector<std::string>{"External object cycle passed over: b -> a -> b"});
    const Measured self = MeasureGpl("self");
    DrawingTest::ExpectBounds(self.Bounds, Samples::Get().Bounds("self"), "self");
    EXPECT_EQ(self.Messages, std::vector<std::string>{"External object cycle passed over: self -> self"});
    // With the Object class off, external objects add nothing and nothing is met twice.
    DrawOptions options;
    options.SetDraw(15, false);
    const Measured without = MeasureGpl("a", options);
    EXPECT_TRUE(without.Messages.empty());
    EXPECT_DOUBLE_EQ(without.Bounds.MinX, 1.0);
    EXPECT_DOUBLE_EQ(without.Bounds.MaxZ, 3.0);
}

TEST(BoundsVisitor, AMissingExternalObjectIsPassedOverWithTheFactorysMessage)
{
    GLContext context;
    VELMO_REQUIRE_GL(context);
    // The polygon beside it still counts.
    const Measured lost = MeasureGpl("lost");
    ASSERT_EQ(lost.Messages.size(), 1u);
    EXPECT_NE(lost.Messages[0].find("File not found"), std::string::npos) << lost.Messages[0];
    EXPECT_DOUBLE_EQ(lost.Bounds.MinX, 0.0);
    EXPECT_DOUBLE_EQ(lost.Bounds.MaxX, 1.0);
}

TEST(BoundsVisitor, ScaledBitmapsAddNothingWhereTheGameHasNone)
{
    GLContext context;
    VELMO_REQUIRE_GL(context);
    // The N4 folder's factory has no scaled bitmaps.
    ASSERT_FALSE(Samples::Get().Factory("n4")->HasFacet<Velmo::Papy::MakeSrb>());
    const Measured measured = Measure(Samples::Root(Samples::Get().Gpl("sprite")), Samples::Get().Factory("n4"));
    EXPECT_FALSE(measured.Bounds.IsUsable());
    EXPECT_EQ(measured.Bounds.MinX, 1e9);
    EXPECT_EQ(measured.Bounds.MaxX, -1e9);
}

TEST(BoundsVisitor, ATrackSegmentIncludesItsSectionEdgesAndASectionAloneNothing)
{
    GLContext context;
    VELMO_REQUIRE_GL(context);
    const auto file = Samples::Get().Ptf("plan");
    const auto factory = Samples::Get().Factory("n4");
    // The first segment of the file's track.
    struct FindTrack : Velmo::Papy::ThreeDObjectVisitor
    {
        CountedPointer<Velmo::Papy::ThreeDObjectTrackSegment> Segment;
        bool EnterTrack(Velmo::Papy::ThreeDObjectTrack& node) override
        {
            Segment = node.GetSegment(0);
            return false;
        }
    } find;
    Samples::Root(file)->Accept(find);
    ASSERT_TRUE(find.Segment);
    CountedPointer<Velmo::Papy::ThreeDObject> segment;
    segment = find.Segment;
    DrawingTest::ExpectBounds(Measure(segment, factory).Bounds, Samples::Get().Bounds("plan-segment"), "segment");
    CountedPointer<Velmo::Papy::ThreeDObject> section;
    section = find.Segment->GetFSection(0);
    EXPECT_FALSE(Measure(section, factory).Bounds.IsUsable());
}

TEST(BoundsVisitor, TheSpriteScaleIsTheDrawnOne)
{
    struct Case
    {
        bool hasScale;
        double scale, height, z0, z2, expected;
    } cases[] = {
        {true, 0.5, 9, 1, 2, 0.5},      // a scale factor wins
        {false, 0, 2.5, 6, -2, -0.3125}, // height over (z2 - z0)
        {false, 0, 0, 6, -2, 1},        // no height
        {false, 0, 3, 4, 4, 1},         // equal z: no division by 0
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ThreeDObjectGetBoundsVisitor::GetSpriteScale(c.hasScale, c.scale, c.height, c.z0, c.z2),
                         c.expected);
}
