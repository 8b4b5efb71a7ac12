// The clip test: every vertex against the planes of the plane-order nodes above it, within
// 0.01; the failures and the one summary the pane shows.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "DrawingTestSupport.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3CullFront.h"
#include "Vantrel/Drawing/ModelviewStack.h"
#include "Vantrel/Drawing/ThreeDObjectClipTestVisitor.h"

using namespace DrawingTest;

namespace
{
ThreeDObjectClipTestVisitor ClipTest(const std::string& folder, const std::string& name)
{
    auto factory = FactoryOf(folder);
    auto file = LoadObject(factory, name);
    ThreeDObjectClipTestVisitor visitor(factory);
    visitor.Reset();
    RootOf(file)->Accept(visitor);
    visitor.Reset();
    return visitor;
}
} // namespace

TEST(ClipTestVisitor, ToleranceIsOneHundredthOnTheSideTheChildBelongsTo)
{
    struct Case
    {
        int side;
        double x;
        bool passes;
    };
    const Case cases[] = {
        {-1, 0.01, true}, {-1, 0.011, false}, {-1, -50, true},
        {1, -0.01, true},  {1, -0.011, false}, {1, 50, true},
        {0, 0.01, true},   {0, -0.01, true},   {0, 0.011, false}, {0, -0.011, false}, {0, 0, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ThreeDObjectClipTestVisitor::Passes(c.side, c.x), c.passes) << c.side << " " << c.x;
}

TEST(ClipTestVisitor, NearSquareJustOnTheWrongSidePassesAtOneHundredthAndFailsBeyond)
{
    GLContext context(8, 8);
    VELMO_REQUIRE_GL(context);
    SetView();
    const int depth = ModelviewStack::GetDepth();
    // pass.3do: the near square at z = -0.01 below the plane z = 0, the far one at z = -2.
    ThreeDObjectClipTestVisitor passing = ClipTest("gpl-clip", "pass");
    EXPECT_TRUE(passing.GetFailures().empty());
    EXPECT_EQ(passing.GetSummary(), "");

    // fail.3do: the near square at z = -0.011: its four vertices fail against the order.
    auto factory = FactoryOf("gpl-clip");
    auto file = LoadObject(factory, "fail");
    auto* order = FindNode<Velmo::Papy::ThreeDObjectPlaneOrder2>(file);
    ASSERT_NE(order, nullptr);
    const int nearId = order->GetNearChild()->GetId();
    ThreeDObjectClipTestVisitor failing = ClipTest("gpl-clip", "fail");
    EXPECT_EQ(failing.GetFailures(),
              (std::vector<ThreeDObjectClipTestVisitor::Failure>{{nearId, order->GetId()}}));
    EXPECT_EQ(failing.GetFailedVertexCount(), 4u);
    EXPECT_EQ(failing.GetSummary(), "Clip test: 4 vertices lie on the wrong side of their planes (tolerance 0.01): node " +
                                        std::to_string(nearId) + " against plane node " +
                                        std::to_string(order->GetId()));
    EXPECT_TRUE(failing.GetReport().HasNoProblems());
    EXPECT_EQ(ModelviewStack::GetDepth(), depth);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(ClipTestVisitor, TheOrderWithAFrontChildAmongThreeIsTestedToo)
{
    GLContext context(8, 8);
    VELMO_REQUIRE_GL(context);
    SetView();
    // front9.3do: far at z = -2 and front on the plane pass; near at z = -0.011 fails.
    auto factory = FactoryOf("gpl-clip");
    auto file = LoadObject(factory, "front9");
    auto* order = FindNode<Velmo::Papy::ThreeDObjectPlaneOrder3CullFront>(file);
    ASSERT_NE(order, nullptr);
    ThreeDObjectClipTestVisitor visitor = ClipTest("gpl-clip", "front9");
    EXPECT_EQ(visitor.GetFailures(), (std::vector<ThreeDObjectClipTestVisitor::Failure>{
                                         {order->GetNearChild()->GetId(), order->GetId()}}));
    EXPECT_EQ(visitor.GetFailedVertexCount(), 4u);
}

TEST(ClipTestVisitor, PlanesStayWhereTheirNodePutsThem)
{
    GLContext context(8, 8);
    VELMO_REQUIRE_GL(context);
    SetView();
    // moved.3do: the near square stands at z = -4 under a transformation that lifts it by 5, so
    // it is drawn at z = 1, on the near side of the order's plane z = 0.
    ThreeDObjectClipTestVisitor moved = ClipTest("gpl-clip", "moved");
    EXPECT_EQ(moved.GetSummary(), "");
    // Seen from anywhere: the test is in eye space on both sides.
    glRotated(70, 1, 0, 0);
    glTranslated(3, -2, 8);
    EXPECT_EQ(ClipTest("gpl-clip", "moved").GetSummary(), "");
    EXPECT_EQ(ClipTest("gpl-clip", "fail").GetFailedVertexCount(), 4u);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(ClipTestVisitor, VerticesOutsideEveryPlaneOrderAreNotTested)
{
    GLContext context(8, 8);
    VELMO_REQUIRE_GL(context);
    SetView();
    for (auto [folder, name] : {std::pair{"gpl-polygon", "scene"}, {"gpl-fixed", "keep22"}, {"gpl-safety", "self"}})
    {
        ThreeDObjectClipTestVisitor visitor = ClipTest(folder, name);
        EXPECT_TRUE(visitor.GetFailures().empty()) << folder << "/" << name;
    }
    // The self-including object is walked once more, then refused.
    EXPECT_EQ(ClipTest("gpl-safety", "self").GetReport().GetMessages(),
              (std::vector<std::string>{"External object cycle: self -> self: the repeat is not tested"}));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
