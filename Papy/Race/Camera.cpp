#include "Papy/Race/Camera.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
// A value asked of a camera whose kind does not have it.
[[noreturn]] void NotOfThisKind(int line)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, line);
}
} // namespace

std::string Camera::GetTypeName(int type)
{
    switch (type)
    {
    case TV1:
        return "TV1";
    case TV2:
        return "TV2";
    case Pitlane:
        return "Pitlane";
    }
    Util::ThrowAssertion("false", ".\\Camera.cpp", 200);
}

// The defaults: a kind has none of the values, and asking for one is an assertion.
bool Camera::HasTrackPosition() const { return false; }
double Camera::GetTrackPosition1() const { NotOfThisKind(__LINE__); }
double Camera::GetTrackPosition2() const { NotOfThisKind(__LINE__); }
double Camera::GetTrackPosition3() const { NotOfThisKind(__LINE__); }
double Camera::GetSwitchOffset() const { NotOfThisKind(__LINE__); }
void Camera::SetTrackPosition(double, double, double, double) { NotOfThisKind(__LINE__); }

bool Camera::HasPosition() const { return false; }
double Camera::GetX() const { NotOfThisKind(__LINE__); }
double Camera::GetY() const { NotOfThisKind(__LINE__); }
double Camera::GetZ() const { NotOfThisKind(__LINE__); }
void Camera::SetPosition(double, double, double) { NotOfThisKind(__LINE__); }

bool Camera::HasRotation() const { return false; }
bool Camera::IsFixed() const { return false; }
double Camera::GetRotation1() const { NotOfThisKind(__LINE__); }
double Camera::GetRotation2() const { NotOfThisKind(__LINE__); }
double Camera::GetRotation3() const { NotOfThisKind(__LINE__); }
double Camera::GetFieldOfVision1() const { NotOfThisKind(__LINE__); }
double Camera::GetFieldOfVision2() const { NotOfThisKind(__LINE__); }
double Camera::GetFieldOfVision3() const { NotOfThisKind(__LINE__); }
void Camera::SetFixed(double, double, double, double, double, double) { NotOfThisKind(__LINE__); }

bool Camera::HasZoom() const { return false; }
bool Camera::IsZoomed() const { return false; }
double Camera::GetStartZoom() const { NotOfThisKind(__LINE__); }
double Camera::GetMidZoom() const { NotOfThisKind(__LINE__); }
double Camera::GetEndZoom() const { NotOfThisKind(__LINE__); }
void Camera::SetZoom(double, double, double) { NotOfThisKind(__LINE__); }

int Camera::GetIntegerCount() const { return 0; }
int Camera::GetInteger(int) const { return 0; }
int Camera::GetRealCount() const { return 0; }
double Camera::GetReal(int) const { return 0; }
} // namespace Velmo::Papy
