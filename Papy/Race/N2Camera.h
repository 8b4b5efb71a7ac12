#pragma once
// A TV1 or TV2 camera of an N2 camera file: nine floats whose meaning is not known, kept as
// read and shown as they are. Read only.
#include <array>

#include "Papy/Race/Camera.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class N2Camera : public Camera
{
public:
    static constexpr int ValueCount = 9;

    N2Camera(int type, const std::array<F32, ValueCount>& values);

    int GetType() const override { return m_type; }
    int GetRealCount() const override { return ValueCount; }
    double GetReal(int i) const override;

    // N2 cameras are never written.
    void Write(Util::BinaryStream& stream) const override;
    bool CanWrite() const { return false; }

private:
    int m_type;
    std::array<F32, ValueCount> m_values;
};
} // namespace Velmo::Papy
