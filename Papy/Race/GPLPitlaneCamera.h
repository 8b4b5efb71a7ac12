#pragma once
// The pit-lane camera of a GPL camera file: a fixed camera at a position in space. Its 52-byte
// record, kept as read:
//
//   0, 4, 8       position x, y, z, floats
//   12, 16, 20    rotation, floats
//   24, 28, 32    field of vision, floats
//   36 to 48      four reserved int32 words, 0 in every valid file
#include <array>

#include "Papy/Race/Camera.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLPitlaneCamera : public Camera
{
public:
    static constexpr unsigned RecordSize = 52;
    typedef std::array<U8, RecordSize> Record;

    // A new camera with every record byte 0.
    GPLPitlaneCamera();
    explicit GPLPitlaneCamera(const Record& record);

    int GetType() const override { return Pitlane; }

    bool HasPosition() const override { return true; }
    double GetX() const override { return GetFloat(0); }
    double GetY() const override { return GetFloat(4); }
    double GetZ() const override { return GetFloat(8); }
    void SetPosition(double x, double y, double z) override;

    bool HasRotation() const override { return true; }
    bool IsFixed() const override { return true; }
    double GetRotation1() const override { return GetFloat(12); }
    double GetRotation2() const override { return GetFloat(16); }
    double GetRotation3() const override { return GetFloat(20); }
    double GetFieldOfVision1() const override { return GetFloat(24); }
    double GetFieldOfVision2() const override { return GetFloat(28); }
    double GetFieldOfVision3() const override { return GetFloat(32); }
    void SetFixed(double rotation1, double rotation2, double rotation3, double fieldOfVision1,
                  double fieldOfVision2, double fieldOfVision3) override;

    // Reserved word i (0 to 3).
    S32 GetReserved(unsigned i) const;

    void Write(Util::BinaryStream& stream) const override;

    const Record& GetRecord() const { return m_record; }

private:
    double GetFloat(unsigned offset) const;
    void SetFloat(unsigned offset, double value);

    Record m_record;
};
} // namespace Velmo::Papy
