#include "Papy/Race/N2Camera.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
N2Camera::N2Camera(int type, const std::array<F32, ValueCount>& values) : m_type(type), m_values(values)
{
}

double N2Camera::GetReal(int i) const
{
    VELMO_ASSERT(i >= 0 && i < ValueCount);
    return m_values[i];
}

void N2Camera::Write(Util::BinaryStream&) const
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}
} // namespace Velmo::Papy
