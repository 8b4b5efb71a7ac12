#include "Vantrel/Drawing/TrackPlanBudget.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

int TrackPlanBudget::PieceCount(Cut cut, double length, double step)
{
    if (!std::isfinite(length) || length < 0 || !std::isfinite(step) || !(step > 0))
        return 0;
    double pieces = 0;
    if (cut == Cut::EqualPieces)
        pieces = 1 + std::trunc(length / step);
    else if (length > 0)
        pieces = std::max(std::ceil(length / step), 1.0);
    return pieces >= MaxPieces ? MaxPieces : int(pieces);
}

long long TrackPlanBudget::CountVertices(Cut cut, double step, const std::vector<Load>& loads)
{
    long long vertices = 0;
    for (const Load& load : loads)
    {
        const long long pieces = PieceCount(cut, load.Length, step);
        // Clamped: a segment of many sections cannot overflow the sum.
        vertices += pieces * std::clamp(load.VerticesPerPiece, 0LL, 1LL << 32);
        if (vertices > (1LL << 60))
            return vertices;
    }
    return vertices;
}

double TrackPlanBudget::FitStep(Cut cut, double step, const std::vector<Load>& loads)
{
    if (!std::isfinite(step) || !(step > 0) || CountVertices(cut, step, loads) <= MaxVertices)
        return step;
    // Doubled until it fits (or until every piece is a whole segment), then narrowed down.
    const double largest = std::numeric_limits<double>::max() / 4;
    double low = step, high = step;
    while (high < largest && CountVertices(cut, high, loads) > MaxVertices)
    {
        low = high;
        high *= 2;
    }
    if (CountVertices(cut, high, loads) > MaxVertices)
        return high;
    while (high - low > high * 1e-6)
    {
        const double middle = low + (high - low) / 2;
        if (CountVertices(cut, middle, loads) <= MaxVertices)
            high = middle;
        else
            low = middle;
    }
    return high;
}

std::string TrackPlanBudget::LongerStepText(double asked, double fitted)
{
    char text[160];
    std::snprintf(text, sizeof text, "The plan is too large to draw in full: drawn in steps of %.6g instead of %.6g",
                  fitted, asked);
    return text;
}
