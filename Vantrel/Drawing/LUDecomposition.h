#pragma once
// The small solve behind pinned vertices: a 4 x 4 LU factorisation with partial pivoting
// (Doolittle form, in place) and the substitution that solves with it. Pure functions, no
// OpenGL: the caller hands in the modelview matrix arranged by MatrixFromModelview.
#include <array>

// Row-major: A[row][column].
typedef std::array<std::array<double, 4>, 4> LUMatrix;
typedef std::array<double, 4> LUVector;
// The row interchanges of the factorisation: row k was swapped with row P[k].
typedef std::array<unsigned, 4> LUPermutation;

// The matrix of an OpenGL matrix read with glGetDoublev (column-major): A[r][c] = m[c x 4 + r].
LUMatrix MatrixFromModelview(const double m[16]);

// Factorises A in place: the unit lower factor's multipliers below the diagonal, the upper
// factor on and above it. The pivot of column k is the row at or below k with the largest
// absolute value there, the lowest such row on a tie. Returns 0, or the 1-based number of the
// first column whose pivot was exactly 0 (that column is then neither swapped nor scaled).
// P should start as 0, 1, 2, 3.
unsigned LUFactorize(LUMatrix& a, LUPermutation& p);

// Overwrites b with the solution x of the factorised system (the original A x = b).
void LUSubstitute(const LUMatrix& a, const LUPermutation& p, LUVector& b);
