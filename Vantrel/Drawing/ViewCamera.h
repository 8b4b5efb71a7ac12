#pragma once
// The camera of the 3D-object pane, worked out without OpenGL: the box a node fills, the axis
// and distance the eye takes to frame it, and the perspective and look-at values that follow.
// The pane loads these into OpenGL; the tests check them as plain numbers.
#include <optional>

// The box of everything drawn for a node. Nothing included leaves each minimum above its
// maximum (1e9 and -1e9).
struct ViewBounds
{
    double MinX = 1e9;
    double MaxX = -1e9;
    double MinY = 1e9;
    double MaxY = -1e9;
    double MinZ = 1e9;
    double MaxZ = -1e9;

    // Axis 0 X, 1 Y, 2 Z.
    double GetMin(int axis) const;
    double GetMax(int axis) const;
    // Every value finite and each minimum at most its maximum: only such a box gets a camera.
    bool IsUsable() const;
};

// The camera fitted to a box along one axis.
struct CameraFit
{
    int Axis = 2;          // 0 X, 1 Y, 2 Z
    bool Negative = false; // the eye looks from the negative end of the axis
    double Centre1 = 0;    // centre of the first cross axis: Y for axis X, X for axes Y and Z
    double Centre2 = 0;    // centre of the second cross axis: Z for axes X and Y, Y for axis Z
    double Distance = 0;   // from the face of the box to the eye
    double DepthSpan = 0;  // the distance plus the extent along the axis
    double PositiveEye = 0; // maximum along the axis plus the distance
    double NegativeEye = 0; // minimum along the axis minus the distance
};

// What the projection and the model-view matrix are loaded with.
struct CameraView
{
    double Eye[3] = {};
    double Centre[3] = {};
    double Up[3] = {};
    bool UpIsY = false;
    double FieldOfView = 90;
    double Aspect = 1;
    double Near = 0;
    double Far = 0;
};

// The axis along which the box is thinnest: Z when its extent is at most both others, else Y
// when at most both others, else X.
int ChooseCameraAxis(const ViewBounds& bounds);

// The distance below which the eye never comes: a box without extent (a point, or a line seen
// end on) would otherwise put the near plane at 0. Scaled with the box's coordinates so that it
// stays above the precision of single-precision matrices.
double GetMinimumCameraDistance(const ViewBounds& bounds);

// The camera for a box seen in a pane of the given aspect (width / height). defaultAxis chooses
// the axis from the box and looks from the positive side; otherwise axis and negative are used
// as given. No camera for a box that is not usable, for an aspect that is not finite and
// positive, or when the result would not be finite.
std::optional<CameraFit> ComputeCamera(const ViewBounds& bounds, double aspect, bool defaultAxis, int axis,
                                       bool negative);

// The perspective (90 degrees, near 0.95 x distance, far 1.05 x depth span) and the look-at
// (eye on the fitted side, looking along the axis at the box's far face, Z up for the X and Y
// axes, Y up for the Z axis) of a fitted camera.
CameraView GetCameraView(const CameraFit& fit, double aspect);
