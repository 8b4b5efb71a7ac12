// The fixed-vertex solve: the LU factorisation with partial pivoting, its substitution, and
// the map of pinned vertices. Pure arithmetic, no OpenGL.
#include <gtest/gtest.h>

#include "Util/Exception.h"
#include "Vantrel/Drawing/FixedVertexMap.h"
#include "Vantrel/Drawing/LUDecomposition.h"

using Velmo::Papy::Vertex;

TEST(LUDecomposition, IdentityFactorisesToItselfAndSolvesToTheRightHandSide)
{
    LUMatrix a = {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};
    LUPermutation p = {0, 1, 2, 3};
    EXPECT_EQ(LUFactorize(a, p), 0u);
    EXPECT_EQ(a, (LUMatrix{{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}}));
    EXPECT_EQ(p, (LUPermutation{0, 1, 2, 3}));
    LUVector b = {3, -4, 5.5, 1};
    LUSubstitute(a, p, b);
    EXPECT_EQ(b, (LUVector{3, -4, 5.5, 1}));
}

TEST(LUDecomposition, PivotIsTheLargestMagnitudeAndATieTakesTheLowestRow)
{
    // Column 0: |2| ties between rows 1 and 2 (the lower index wins); the solution is known.
    LUMatrix a = {{{0, 1, 0, 0}, {2, 0, 1, 0}, {-2, 1, 0, 0}, {1, 0, 0, 1}}};
    const LUMatrix original = a;
    LUPermutation p = {0, 1, 2, 3};
    ASSERT_EQ(LUFactorize(a, p), 0u);
    EXPECT_EQ(p[0], 1u);
    // After the first step column 1 holds 1, 1, 0 below the diagonal: another tie, row 1.
    EXPECT_EQ(p[1], 1u);
    const LUVector x = {1, 2, 3, 4};
    LUVector b{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            b[r] += original[r][c] * x[c];
    LUSubstitute(a, p, b);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(b[i], x[i], 1e-12);
}

TEST(LUDecomposition, ASingularMatrixGivesTheOneBasedColumnOfItsFirstZeroPivot)
{
    struct Case
    {
        LUMatrix a;
        unsigned column;
    };
    const Case cases[] = {
        {{{{0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}, {0, 1, 1, 1}}}, 1},  // column 0 all zero
        {{{{1, 2, 0, 0}, {2, 4, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}}, 2},  // column 1 depends on 0
        {{{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 1}}}, 3},  // a scale of 0 along z
        {{{{1, 0, 0, 5}, {0, 1, 0, 6}, {0, 0, 1, 7}, {0, 0, 0, 0}}}, 4},
        {{{{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}}, 1},  // the first one counts
    };
    for (const Case& c : cases)
    {
        LUMatrix a = c.a;
        LUPermutation p = {0, 1, 2, 3};
        EXPECT_EQ(LUFactorize(a, p), c.column);
    }
}

TEST(LUDecomposition, ModelviewIsReadColumnMajor)
{
    double m[16];
    for (int i = 0; i < 16; ++i)
        m[i] = i;
    const LUMatrix a = MatrixFromModelview(m);
    EXPECT_EQ(a[0][3], 12);
    EXPECT_EQ(a[3][0], 3);
    EXPECT_EQ(a[1][2], 9);
}

TEST(FixedVertexMap, SolveUndoesTheModelviewAndASingularOneFails)
{
    // A translation by (10, 0, 0) and a quarter turn about z, column-major.
    const double m[16] = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 10, 0, 0, 1};
    const Vertex eye = FixedVertexMap::ToEye(m, Vertex(1, 2, 3));
    EXPECT_EQ(eye, Vertex(8, 1, 3));
    const Vertex back = FixedVertexMap::Solve(m, eye);
    EXPECT_NEAR(back.GetX(), 1, 1e-12);
    EXPECT_NEAR(back.GetY(), 2, 1e-12);
    EXPECT_NEAR(back.GetZ(), 3, 1e-12);
    const double flat[16] = {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    try
    {
        FixedVertexMap::Solve(flat, eye);
        ADD_FAILURE() << "no exception";
    }
    catch (const Velmo::Util::XUsage& error)
    {
        EXPECT_EQ(error.GetText(), "FixedVertex LU decomposition problem");
    }
}

TEST(FixedVertexMap, KeysByExternalDepthAndReleasesOnlyDeeperEntries)
{
    FixedVertexMap map;
    map.Fix(0, 7, Vertex(1, 0, 0), 2);
    map.Fix(1, 7, Vertex(2, 0, 0), 3);
    map.Fix(0, 8, Vertex(3, 0, 0), 4);
    ASSERT_NE(map.Find(0, 7), nullptr);
    EXPECT_EQ(map.Find(0, 7)->EyePosition, Vertex(1, 0, 0));
    EXPECT_EQ(map.Find(1, 7)->EyePosition, Vertex(2, 0, 0));
    EXPECT_EQ(map.Find(2, 7), nullptr);
    map.Fix(0, 7, Vertex(9, 0, 0), 2);
    EXPECT_EQ(map.Find(0, 7)->EyePosition, Vertex(9, 0, 0));
    map.Release(3);
    EXPECT_EQ(map.GetSize(), 2u);
    EXPECT_EQ(map.Find(0, 8), nullptr);
    map.Release(2);
    EXPECT_EQ(map.GetSize(), 1u);
    EXPECT_NE(map.Find(0, 7), nullptr);
}
