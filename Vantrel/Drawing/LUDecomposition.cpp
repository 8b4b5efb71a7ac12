#include "Vantrel/Drawing/LUDecomposition.h"

#include <cmath>
#include <utility>

namespace
{
constexpr unsigned N = 4;
}

LUMatrix MatrixFromModelview(const double m[16])
{
    LUMatrix a{};
    for (unsigned r = 0; r < N; ++r)
        for (unsigned c = 0; c < N; ++c)
            a[r][c] = m[c * N + r];
    return a;
}

unsigned LUFactorize(LUMatrix& a, LUPermutation& p)
{
    unsigned result = 0;
    for (unsigned k = 0; k < N; ++k)
    {
        unsigned pivot = k;
        for (unsigned i = k + 1; i < N; ++i)
            if (std::fabs(a[i][k]) > std::fabs(a[pivot][k]))
                pivot = i;
        if (a[pivot][k] != 0)
        {
            p[k] = pivot;
            if (pivot != k)
                std::swap(a[k], a[pivot]);
            const double scale = 1 / a[k][k];
            for (unsigned i = k + 1; i < N; ++i)
                a[i][k] *= scale;
        }
        else if (result == 0)
        {
            result = k + 1;
        }
        for (unsigned i = k + 1; i < N; ++i)
            for (unsigned j = k + 1; j < N; ++j)
                a[i][j] -= a[i][k] * a[k][j];
    }
    return result;
}

void LUSubstitute(const LUMatrix& a, const LUPermutation& p, LUVector& b)
{
    for (unsigned i = 0; i < N; ++i)
        if (p[i] != i && p[i] < N)
            std::swap(b[i], b[p[i]]);
    for (unsigned i = 0; i < N; ++i)
        for (unsigned j = 0; j < i; ++j)
            b[i] -= a[i][j] * b[j];
    for (unsigned i = N; i-- > 0;)
    {
        for (unsigned j = i + 1; j < N; ++j)
            b[i] -= a[i][j] * b[j];
        b[i] /= a[i][i];
    }
}
