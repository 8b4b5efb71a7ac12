#include "Vantrel/Drawing/TrackPlanBudget.h"

#include <algorithm>
#include <cmath>
#include <climits>
#include <limits>

#include "Vantrel/Drawing/DrawingMessages.h"
#include "Vantrel/Drawing/FrameBudget.h"

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

double TrackPlanBudget::MaxPoints()
{
    return FrameBudget::Limits[FrameBudget::TrackPoints] / 3;
}

long long TrackPlanBudget::CountPoints(Cut cut, double step, const std::vector<Load>& loads)
{
    long long points = 0;
    for (const Load& load : loads)
    {
        const long long pieces = PieceCount(cut, load.Length, step);
        // Clamped: a segment of many sections cannot overflow the sum.
        points += pieces * std::clamp(load.PointsPerPiece, 0LL, 1LL << 32);
        if (points > (1LL << 60))
            return points;
    }
    return points;
}

double TrackPlanBudget::FitStep(Cut cut, double step, const std::vector<Load>& loads)
{
    const double most = MaxPoints();
    if (!std::isfinite(step) || !(step > 0) || double(CountPoints(cut, step, loads)) <= most)
        return step;
    // Whole multiples: doubled until one fits, then narrowed down to the smallest. A plan whose
    // segments are past the budget even as one piece each fits nowhere: it takes the smallest
    // multiple that makes every piece a whole segment, not a step beyond every length.
    const double largest = std::numeric_limits<double>::max() / 4;
    const double target = std::max(most, double(CountPoints(cut, largest, loads)));
    auto fits = [&](double times) { return double(CountPoints(cut, step * times, loads)) <= target; };
    double low = 1, high = 1;
    while (step * high < largest && !fits(high))
    {
        low = high;
        high *= 2;
    }
    if (!fits(high))
        return step * high;
    while (high - low > 1)
    {
        const double middle = std::floor(low + (high - low) / 2);
        if (middle <= low || middle >= high)
            break;
        if (fits(middle))
            high = middle;
        else
            low = middle;
    }
    return step * high;
}

std::string TrackPlanBudget::StepsText(double asked, double fitted)
{
    const double every = std::round(fitted / asked);
    return DrawingMessages::PlanInSteps(every >= double(INT_MAX) || !(every == every) ? INT_MAX : int(every));
}
