#include "Papy/Race/GPLTrackCamera.h"

#include "Util/Exception.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
constexpr unsigned FixedFlag = 16;
constexpr unsigned Zoom = 20;
constexpr unsigned Rotation = 32;
constexpr unsigned FieldOfVision = 44;
} // namespace

GPLTrackCamera::GPLTrackCamera(int type) : m_type(type), m_record{}, m_extra(0)
{
}

GPLTrackCamera::GPLTrackCamera(int type, const Record& record, U8 extra)
    : m_type(type), m_record(record), m_extra(extra)
{
}

double GPLTrackCamera::GetFloat(unsigned offset) const
{
    return Util::DecodeLE<F32>(m_record.data() + offset);
}

void GPLTrackCamera::SetFloat(unsigned offset, double value)
{
    Util::EncodeLE<F32>(F32(value), m_record.data() + offset);
}

void GPLTrackCamera::SetTrackPosition(double value1, double value2, double value3, double switchOffset)
{
    SetFloat(0, value1);
    SetFloat(4, value2);
    SetFloat(8, value3);
    SetFloat(12, switchOffset);
}

bool GPLTrackCamera::IsFixed() const
{
    return Util::DecodeLE<S32>(m_record.data() + FixedFlag) != 0;
}

double GPLTrackCamera::GetFixedValue(unsigned offset) const
{
    VELMO_ASSERT(IsFixed());
    return GetFloat(offset);
}

double GPLTrackCamera::GetZoomValue(unsigned offset) const
{
    VELMO_ASSERT(!IsFixed());
    return GetFloat(offset);
}

double GPLTrackCamera::GetRotation1() const
{
    return GetFixedValue(Rotation);
}

double GPLTrackCamera::GetRotation2() const
{
    return GetFixedValue(Rotation + 4);
}

double GPLTrackCamera::GetRotation3() const
{
    return GetFixedValue(Rotation + 8);
}

double GPLTrackCamera::GetFieldOfVision1() const
{
    return GetFixedValue(FieldOfVision);
}

double GPLTrackCamera::GetFieldOfVision2() const
{
    return GetFixedValue(FieldOfVision + 4);
}

double GPLTrackCamera::GetFieldOfVision3() const
{
    return GetFixedValue(FieldOfVision + 8);
}

void GPLTrackCamera::SetFixed(double rotation1, double rotation2, double rotation3, double fieldOfVision1,
                              double fieldOfVision2, double fieldOfVision3)
{
    SetFloat(Rotation, rotation1);
    SetFloat(Rotation + 4, rotation2);
    SetFloat(Rotation + 8, rotation3);
    SetFloat(FieldOfVision, fieldOfVision1);
    SetFloat(FieldOfVision + 4, fieldOfVision2);
    SetFloat(FieldOfVision + 8, fieldOfVision3);
    Util::EncodeLE<S32>(1, m_record.data() + FixedFlag);
}

double GPLTrackCamera::GetStartZoom() const
{
    return GetZoomValue(Zoom);
}

double GPLTrackCamera::GetMidZoom() const
{
    return GetZoomValue(Zoom + 4);
}

double GPLTrackCamera::GetEndZoom() const
{
    return GetZoomValue(Zoom + 8);
}

void GPLTrackCamera::SetZoom(double start, double mid, double end)
{
    SetFloat(Zoom, start);
    SetFloat(Zoom + 4, mid);
    SetFloat(Zoom + 8, end);
    Util::EncodeLE<S32>(0, m_record.data() + FixedFlag);
}

void GPLTrackCamera::Write(Util::BinaryStream& stream) const
{
    stream.Write(RecordSize, m_record.data());
}
} // namespace Velmo::Papy
