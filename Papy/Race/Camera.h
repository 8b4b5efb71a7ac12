#pragma once
// One television or pit-lane camera of a camera file, whatever the game. A kind of camera
// answers only the questions its record can: the Has/Is queries say which values exist, and
// asking for a value the kind does not have is an assertion.
#include <string>

#include "Util/BinaryStream.h"

namespace Velmo::Papy
{
class Camera
{
public:
    enum Type
    {
        TV1 = 0,
        TV2 = 1,
        Pitlane = 2
    };

    // "TV1", "TV2" or "Pitlane"; any other value is an assertion.
    static std::string GetTypeName(int type);

    virtual ~Camera() = default;

    virtual int GetType() const = 0;

    // A position along the track: three values and the switch offset.
    virtual bool HasTrackPosition() const;
    virtual double GetTrackPosition1() const;
    virtual double GetTrackPosition2() const;
    virtual double GetTrackPosition3() const;
    virtual double GetSwitchOffset() const;
    virtual void SetTrackPosition(double value1, double value2, double value3, double switchOffset);

    // A position in space.
    virtual bool HasPosition() const;
    virtual double GetX() const;
    virtual double GetY() const;
    virtual double GetZ() const;
    virtual void SetPosition(double x, double y, double z);

    // A fixed camera points in a fixed direction with a fixed field of vision.
    virtual bool HasRotation() const;
    virtual bool IsFixed() const;
    virtual double GetRotation1() const;
    virtual double GetRotation2() const;
    virtual double GetRotation3() const;
    virtual double GetFieldOfVision1() const;
    virtual double GetFieldOfVision2() const;
    virtual double GetFieldOfVision3() const;
    virtual void SetFixed(double rotation1, double rotation2, double rotation3, double fieldOfVision1,
                          double fieldOfVision2, double fieldOfVision3);

    // A zoomed camera follows the cars, zooming from a start over a middle to an end value.
    virtual bool HasZoom() const;
    virtual bool IsZoomed() const;
    virtual double GetStartZoom() const;
    virtual double GetMidZoom() const;
    virtual double GetEndZoom() const;
    virtual void SetZoom(double start, double mid, double end);

    // Values of a record whose meaning is not known, shown as they are (none by default).
    virtual int GetIntegerCount() const;
    virtual int GetInteger(int i) const;
    virtual int GetRealCount() const;
    virtual double GetReal(int i) const;

    // Writes the camera's record.
    virtual void Write(Util::BinaryStream& stream) const = 0;
};
} // namespace Velmo::Papy
