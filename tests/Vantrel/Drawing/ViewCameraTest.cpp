#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Vantrel/Drawing/ViewCamera.h"

namespace
{
ViewBounds Box(double x0, double x1, double y0, double y1, double z0, double z1)
{
    ViewBounds b;
    b.MinX = x0, b.MaxX = x1, b.MinY = y0, b.MaxY = y1, b.MinZ = z0, b.MaxZ = z1;
    return b;
}
} // namespace

TEST(ViewCamera, TheAxisIsTheThinnestWithZThenYOnTies)
{
    struct Case
    {
        double x, y, z;
        int axis;
    } cases[] = {
        {1, 1, 1, 2},    // all equal: Z
        {2, 1, 1, 2},    // Z ties Y, both below X: Z
        {2, 2, 3, 1},    // X and Y equal, smaller than Z: Y
        {1, 2, 3, 0},    // X thinnest
        {5, 1, 3, 1},    // Y thinnest
        {0, 0, 0, 2},    // a point: Z
        {4, 0, 4, 1},    // flat in Y
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseCameraAxis(Box(0, c.x, -c.y, 0, 10, 10 + c.z)), c.axis) << c.x << " " << c.y << " " << c.z;
}

TEST(ViewCamera, AThreeToOnePaneFitsAThreeByOneNodeAtOneOverOnePointEight)
{
    // 3 wide (X), 1 high (Y), flat in Z, in a pane three times as wide as high.
    auto fit = ComputeCamera(Box(-1.5, 1.5, 0, 1, 2, 2), 3.0, true, 0, false);
    ASSERT_TRUE(fit);
    EXPECT_EQ(fit->Axis, 2);
    EXPECT_FALSE(fit->Negative);
    EXPECT_DOUBLE_EQ(fit->Distance, 1 / 1.8);
    EXPECT_DOUBLE_EQ(fit->Centre1, 0);
    EXPECT_DOUBLE_EQ(fit->Centre2, 0.5);
    EXPECT_DOUBLE_EQ(fit->DepthSpan, 1 / 1.8);
    EXPECT_DOUBLE_EQ(fit->PositiveEye, 2 + 1 / 1.8);
    EXPECT_DOUBLE_EQ(fit->NegativeEye, 2 - 1 / 1.8);
    // The same node in a square pane: the width decides, 3 / 1.8.
    EXPECT_DOUBLE_EQ(ComputeCamera(Box(-1.5, 1.5, 0, 1, 2, 2), 1.0, true, 0, false)->Distance, 3 / 1.8);
}

TEST(ViewCamera, TheLookAtFollowsTheAxisAndTheSide)
{
    const ViewBounds box = Box(0, 4, 10, 12, -3, 5);
    struct Case
    {
        int axis;
        bool negative;
        double eye[3], centre[3];
        bool upIsY;
    };
    // Distances: axis X: cross Y (2) and Z (8): max(8, 2 / 1) / 1.8; axis Y: cross X (4), Z (8);
    // axis Z: cross X (4), Y (2): max(2, 4) / 1.8.
    const double dx = 8 / 1.8, dy = 8 / 1.8, dz = 4 / 1.8;
    const Case cases[] = {
        {0, false, {4 + dx, 11, 1}, {0, 11, 1}, false},
        {0, true, {0 - dx, 11, 1}, {4, 11, 1}, false},
        {1, false, {2, 12 + dy, 1}, {2, 10, 1}, false},
        {1, true, {2, 10 - dy, 1}, {2, 12, 1}, false},
        {2, false, {2, 11, 5 + dz}, {2, 11, -3}, true},
        {2, true, {2, 11, -3 - dz}, {2, 11, 5}, true},
    };
    for (const Case& c : cases)
    {
        auto fit = ComputeCamera(box, 1.0, false, c.axis, c.negative);
        ASSERT_TRUE(fit);
        const CameraView view = GetCameraView(*fit, 1.0);
        for (int i = 0; i < 3; ++i)
        {
            EXPECT_NEAR(view.Eye[i], c.eye[i], 1e-12) << c.axis << c.negative << i;
            EXPECT_NEAR(view.Centre[i], c.centre[i], 1e-12) << c.axis << c.negative << i;
        }
        EXPECT_EQ(view.UpIsY, c.upIsY);
        EXPECT_EQ(view.Up[1], c.upIsY ? 1 : 0);
        EXPECT_EQ(view.Up[2], c.upIsY ? 0 : 1);
        EXPECT_DOUBLE_EQ(view.Near, 0.95 * fit->Distance);
        EXPECT_DOUBLE_EQ(view.Far, 1.05 * fit->DepthSpan);
        EXPECT_EQ(view.FieldOfView, 90);
    }
}

TEST(ViewCamera, BoundsThatHoldNothingOrAreNotFiniteGiveNoCamera)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const ViewBounds cases[] = {
        ViewBounds(),                       // nothing included: minimum above maximum
        Box(0, 1, 0, 1, 1, 0),              // one axis inverted
        Box(nan, 1, 0, 1, 0, 1),
        Box(0, 1, 0, nan, 0, 1),
        Box(0, 1, 0, 1, -inf, 1),
        Box(0, inf, 0, 1, 0, 1),
        Box(-1e308, 1e308, 0, 1, 0, 1),     // the extent overflows
    };
    for (const ViewBounds& b : cases)
        EXPECT_FALSE(ComputeCamera(b, 1.0, true, 2, false));
    // A pane without a size has no aspect.
    for (double aspect : {0.0, -1.0, nan, inf})
        EXPECT_FALSE(ComputeCamera(Box(0, 1, 0, 1, 0, 1), aspect, true, 2, false));
}

TEST(ViewCamera, ABoxWithoutExtentKeepsTheNearPlaneAwayFromTheEye)
{
    struct Case
    {
        ViewBounds box;
        int axis;
    } cases[] = {
        {Box(3, 3, 4, 4, 5, 5), 2},            // a point
        {Box(0, 10, 0, 0, 0, 0), 0},           // a line seen end on
        {Box(1e6, 1e6, 1e6, 1e6, 1e6, 1e6), 2}, // a point far from the origin
    };
    for (const Case& c : cases)
    {
        auto fit = ComputeCamera(c.box, 1.0, false, c.axis, false);
        ASSERT_TRUE(fit);
        const CameraView view = GetCameraView(*fit, 1.0);
        EXPECT_GT(view.Near, 0);
        EXPECT_GT(view.Far, view.Near);
        // The eye stays far enough that single precision still separates it from the box.
        const double along = c.box.GetMax(c.axis);
        EXPECT_NE(float(along + fit->Distance), float(along));
    }
}
