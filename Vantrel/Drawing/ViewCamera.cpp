#include "Vantrel/Drawing/ViewCamera.h"

#include <algorithm>
#include <cmath>

namespace
{
// The cross axes of each viewing axis: first, second.
constexpr int CrossAxes[3][2] = {{1, 2}, {0, 2}, {0, 1}};

bool IsFinite(const CameraFit& fit)
{
    for (double v : {fit.Centre1, fit.Centre2, fit.Distance, fit.DepthSpan, fit.PositiveEye, fit.NegativeEye})
        if (!std::isfinite(v))
            return false;
    return true;
}
} // namespace

double ViewBounds::GetMin(int axis) const
{
    return axis == 0 ? MinX : axis == 1 ? MinY : MinZ;
}

double ViewBounds::GetMax(int axis) const
{
    return axis == 0 ? MaxX : axis == 1 ? MaxY : MaxZ;
}

bool ViewBounds::IsUsable() const
{
    for (int axis = 0; axis < 3; ++axis)
    {
        const double low = GetMin(axis), high = GetMax(axis);
        // NaN fails every comparison, so it is refused here as well.
        if (!std::isfinite(low) || !std::isfinite(high) || !(low <= high))
            return false;
    }
    return true;
}

int ChooseCameraAxis(const ViewBounds& bounds)
{
    const double x = bounds.MaxX - bounds.MinX;
    const double y = bounds.MaxY - bounds.MinY;
    const double z = bounds.MaxZ - bounds.MinZ;
    if (z <= x && z <= y)
        return 2;
    if (y <= x && y <= z)
        return 1;
    return 0;
}

double GetMinimumCameraDistance(const ViewBounds& bounds)
{
    double largest = 1;
    for (int axis = 0; axis < 3; ++axis)
        largest = std::max({largest, std::fabs(bounds.GetMin(axis)), std::fabs(bounds.GetMax(axis))});
    return largest * 1e-4;
}

std::optional<CameraFit> ComputeCamera(const ViewBounds& bounds, double aspect, bool defaultAxis, int axis,
                                       bool negative)
{
    if (!bounds.IsUsable() || !std::isfinite(aspect) || !(aspect > 0))
        return std::nullopt;
    CameraFit fit;
    if (defaultAxis)
    {
        fit.Axis = ChooseCameraAxis(bounds);
        fit.Negative = false;
    }
    else
    {
        fit.Axis = std::clamp(axis, 0, 2);
        fit.Negative = negative;
    }
    const double depthMin = bounds.GetMin(fit.Axis), depthMax = bounds.GetMax(fit.Axis);
    const int first = CrossAxes[fit.Axis][0], second = CrossAxes[fit.Axis][1];
    fit.Centre1 = (bounds.GetMin(first) + bounds.GetMax(first)) * 0.5;
    fit.Centre2 = (bounds.GetMin(second) + bounds.GetMax(second)) * 0.5;
    const double firstExtent = bounds.GetMax(first) - bounds.GetMin(first);
    const double secondExtent = bounds.GetMax(second) - bounds.GetMin(second);
    fit.Distance = std::max(secondExtent, firstExtent / aspect) / 1.8;
    fit.Distance = std::max(fit.Distance, GetMinimumCameraDistance(bounds));
    fit.DepthSpan = depthMax + fit.Distance - depthMin;
    fit.PositiveEye = depthMax + fit.Distance;
    fit.NegativeEye = depthMin - fit.Distance;
    if (!IsFinite(fit))
        return std::nullopt;
    return fit;
}

CameraView GetCameraView(const CameraFit& fit, double aspect)
{
    CameraView view;
    view.Aspect = aspect;
    view.Near = 0.95 * fit.Distance;
    view.Far = 1.05 * fit.DepthSpan;
    // a: the eye's coordinate along the axis; b: the face of the box it looks at.
    double a, b;
    if (!fit.Negative)
    {
        a = fit.PositiveEye;
        b = a - fit.DepthSpan;
    }
    else
    {
        a = fit.NegativeEye;
        b = fit.DepthSpan + a;
    }
    const double c1 = fit.Centre1, c2 = fit.Centre2;
    switch (fit.Axis)
    {
    case 0:
        view.Eye[0] = a, view.Eye[1] = c1, view.Eye[2] = c2;
        view.Centre[0] = b, view.Centre[1] = c1, view.Centre[2] = c2;
        view.Up[2] = 1;
        break;
    case 1:
        view.Eye[0] = c1, view.Eye[1] = a, view.Eye[2] = c2;
        view.Centre[0] = c1, view.Centre[1] = b, view.Centre[2] = c2;
        view.Up[2] = 1;
        break;
    default:
        view.Eye[0] = c1, view.Eye[1] = c2, view.Eye[2] = a;
        view.Centre[0] = c1, view.Centre[1] = c2, view.Centre[2] = b;
        view.Up[1] = 1;
        view.UpIsY = true;
        break;
    }
    return view;
}
