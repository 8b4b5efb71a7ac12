#pragma once
// A plane of a node brought into eye space by OpenGL itself: its four coefficients are set as
// the equation of a clip plane (not enabled) and read back, which gives them transformed by the
// inverse of the current modelview. The eye is the eye-space origin, so the constant term is
// the eye's signed distance from the plane. Clip plane 5 is used, so that the four planes
// the highlight passes enable (0 to 3) keep their equations.
#include <array>

#include "Papy/Model/Plane.h"

// The plane's coefficients (a, b, c, d) in eye space.
std::array<double, 4> EyeSpacePlane(const Velmo::Papy::Plane& plane);

// The eye's signed distance from the plane: negative on its negative side.
double EyeSideOfPlane(const Velmo::Papy::Plane& plane);
