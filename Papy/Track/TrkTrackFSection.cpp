#include "Papy/Track/TrkTrackFSection.h"

namespace Velmo::Papy
{
TrkTrackFSection::TrkTrackFSection(Util::CountedPointer<TrkFile> file, int s, int b)
    : m_file(std::move(file)), m_section(s), m_floor(b)
{
}

double TrkTrackFSection::GetRightStart() const
{
    return m_file->GetFloorRightFrom(m_section, m_floor) * TrkFile::LengthUnit;
}

double TrkTrackFSection::GetRightEnd() const
{
    return m_file->GetFloorRightTo(m_section, m_floor) * TrkFile::LengthUnit;
}

double TrkTrackFSection::GetLeftStart() const
{
    return m_file->GetFloorLeftFrom(m_section, m_floor) * TrkFile::LengthUnit;
}

double TrkTrackFSection::GetLeftEnd() const
{
    return m_file->GetFloorLeftTo(m_section, m_floor) * TrkFile::LengthUnit;
}

SurfaceType TrkTrackFSection::GetType() const
{
    return m_file->GetFloorType(m_section, m_floor);
}

int TrkTrackFSection::GetGripModifier() const
{
    return m_file->GetFloorGrip(m_section, m_floor);
}
} // namespace Velmo::Papy
