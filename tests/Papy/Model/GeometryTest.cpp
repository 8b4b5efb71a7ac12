#include <gtest/gtest.h>

#include "Papy/Model/BoundingBox.h"
#include "Papy/Model/Normal.h"
#include "Papy/Model/Plane.h"
#include "Papy/Model/TextureVertex.h"
#include "Papy/Model/Vertex.h"
#include "Util/Exception.h"

using namespace Velmo;
using namespace Velmo::Papy;

TEST(Geometry, DefaultsAndEquality)
{
    EXPECT_EQ(Vertex(), Vertex(0, 0, 0));
    EXPECT_EQ(Normal().GetX(), 1.0);
    EXPECT_EQ(Normal(), Normal(1, 0, 0));
    EXPECT_EQ(TextureVertex(), TextureVertex(0, 0));
    EXPECT_EQ(Plane(), Plane(1, 0, 0, 0));

    // Equality needs every coordinate: each one differing alone breaks it.
    EXPECT_NE(Vertex(1, 2, 3), Vertex(0, 2, 3));
    EXPECT_NE(Vertex(1, 2, 3), Vertex(1, 0, 3));
    EXPECT_NE(Vertex(1, 2, 3), Vertex(1, 2, 0));
    EXPECT_NE(Plane(1, 2, 3, 4), Plane(1, 2, 3, 5));
    EXPECT_NE(Plane(1, 2, 3, 4), Plane(0, 2, 3, 4));
    EXPECT_EQ(Vertex(0.0, 0, 0), Vertex(-0.0, 0, 0));
}

TEST(Geometry, PlaneDistanceIsSigned)
{
    Plane x0;
    EXPECT_EQ(x0.GetDistance(Vertex(0, 5, -7)), 0.0);
    EXPECT_EQ(x0.GetDistance(Vertex(2, 5, -7)), 2.0);
    EXPECT_LT(x0.GetDistance(Vertex(-0.5, 0, 0)), 0.0);
    // 2x - y + 0.5z - 3 at (1, 2, 4): 2 - 2 + 2 - 3 = -1.
    EXPECT_EQ(Plane(2, -1, 0.5, -3).GetDistance(Vertex(1, 2, 4)), -1.0);
}

TEST(Geometry, BoundingBoxRequiresMaxAtOrAboveMin)
{
    BoundingBox flat(Vertex(1, 2, 3), Vertex(1, 2, 3));
    EXPECT_EQ(flat.MinVertex, Vertex(1, 2, 3));
    EXPECT_FALSE(flat.IsEmpty());

    struct Case
    {
        Vertex min, max;
        const char* expression;
    } cases[] = {
        {Vertex(1, 0, 0), Vertex(0, 0, 0), "MaxVertex.GetX() >= MinVertex.GetX()"},
        {Vertex(0, 1, 0), Vertex(0, 0, 0), "MaxVertex.GetY() >= MinVertex.GetY()"},
        {Vertex(0, 0, 1), Vertex(0, 0, 0), "MaxVertex.GetZ() >= MinVertex.GetZ()"},
        // Several axes wrong: x is checked first, then y.
        {Vertex(5, 5, 5), Vertex(0, 0, 0), "MaxVertex.GetX() >= MinVertex.GetX()"},
        {Vertex(0, 5, 5), Vertex(0, 0, 0), "MaxVertex.GetY() >= MinVertex.GetY()"},
    };
    for (const Case& c : cases)
    {
        try
        {
            BoundingBox box(c.min, c.max);
            ADD_FAILURE() << "no error for " << c.expression;
        }
        catch (const Util::XAssertion& e)
        {
            EXPECT_STREQ(e.GetExpression(), c.expression);
            EXPECT_STREQ(e.GetFile(), ".\\BoundingBox.cpp");
        }
    }
}

TEST(Geometry, BoundingBoxEmptyOnlyWhenAllZero)
{
    EXPECT_TRUE(BoundingBox().IsEmpty());
    EXPECT_TRUE(BoundingBox(Vertex(0, 0, 0), Vertex(0, 0, 0)).IsEmpty());
    EXPECT_FALSE(BoundingBox(Vertex(0, 0, 0), Vertex(0, 0, 1e-300)).IsEmpty());
    EXPECT_FALSE(BoundingBox(Vertex(-1, 0, 0), Vertex(0, 0, 0)).IsEmpty());
}
