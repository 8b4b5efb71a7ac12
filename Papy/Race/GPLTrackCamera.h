#pragma once
// A TV1 or TV2 camera of a GPL camera file: its 56-byte record, kept as read and changed only
// in the fields that are set.
//
//   0, 4, 8, 12   the track position (three values and the switch offset), floats
//   16            fixed flag, int32: non-zero = fixed
//   20, 24, 28    start, mid and end zoom, floats (a zoomed camera)
//   32, 36, 40    rotation, floats (a fixed camera)
//   44, 48, 52    field of vision, floats (a fixed camera)
//
// Files of version 2 follow each record with one more byte, which the camera keeps for them.
#include <array>

#include "Papy/Race/Camera.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLTrackCamera : public Camera
{
public:
    static constexpr unsigned RecordSize = 56;
    typedef std::array<U8, RecordSize> Record;

    // A new camera of the type with every record byte 0.
    explicit GPLTrackCamera(int type);
    GPLTrackCamera(int type, const Record& record, U8 extra = 0);

    int GetType() const override { return m_type; }

    bool HasTrackPosition() const override { return true; }
    double GetTrackPosition1() const override { return GetFloat(0); }
    double GetTrackPosition2() const override { return GetFloat(4); }
    double GetTrackPosition3() const override { return GetFloat(8); }
    double GetSwitchOffset() const override { return GetFloat(12); }
    void SetTrackPosition(double value1, double value2, double value3, double switchOffset) override;

    bool HasRotation() const override { return true; }
    bool IsFixed() const override;
    double GetRotation1() const override;
    double GetRotation2() const override;
    double GetRotation3() const override;
    double GetFieldOfVision1() const override;
    double GetFieldOfVision2() const override;
    double GetFieldOfVision3() const override;
    void SetFixed(double rotation1, double rotation2, double rotation3, double fieldOfVision1,
                  double fieldOfVision2, double fieldOfVision3) override;

    bool HasZoom() const override { return true; }
    bool IsZoomed() const override { return !IsFixed(); }
    double GetStartZoom() const override;
    double GetMidZoom() const override;
    double GetEndZoom() const override;
    void SetZoom(double start, double mid, double end) override;

    // Writes the 56-byte record (without the extra byte).
    void Write(Util::BinaryStream& stream) const override;

    const Record& GetRecord() const { return m_record; }
    // The byte that follows the record in a version-2 file (0 for a camera made here).
    U8 GetExtra() const { return m_extra; }

private:
    double GetFloat(unsigned offset) const;
    void SetFloat(unsigned offset, double value);
    double GetFixedValue(unsigned offset) const;
    double GetZoomValue(unsigned offset) const;

    int m_type;
    Record m_record;
    U8 m_extra;
};
} // namespace Velmo::Papy
