#include "Papy/Race/GPLPitlaneCamera.h"

#include "Util/Exception.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
GPLPitlaneCamera::GPLPitlaneCamera() : m_record{}
{
}

GPLPitlaneCamera::GPLPitlaneCamera(const Record& record) : m_record(record)
{
}

double GPLPitlaneCamera::GetFloat(unsigned offset) const
{
    return Util::DecodeLE<F32>(m_record.data() + offset);
}

void GPLPitlaneCamera::SetFloat(unsigned offset, double value)
{
    Util::EncodeLE<F32>(F32(value), m_record.data() + offset);
}

void GPLPitlaneCamera::SetPosition(double x, double y, double z)
{
    SetFloat(0, x);
    SetFloat(4, y);
    SetFloat(8, z);
}

void GPLPitlaneCamera::SetFixed(double rotation1, double rotation2, double rotation3, double fieldOfVision1,
                                double fieldOfVision2, double fieldOfVision3)
{
    SetFloat(12, rotation1);
    SetFloat(16, rotation2);
    SetFloat(20, rotation3);
    SetFloat(24, fieldOfVision1);
    SetFloat(28, fieldOfVision2);
    SetFloat(32, fieldOfVision3);
}

S32 GPLPitlaneCamera::GetReserved(unsigned i) const
{
    VELMO_ASSERT(i < 4);
    return Util::DecodeLE<S32>(m_record.data() + 36 + 4 * i);
}

void GPLPitlaneCamera::Write(Util::BinaryStream& stream) const
{
    stream.Write(RecordSize, m_record.data());
}
} // namespace Velmo::Papy
