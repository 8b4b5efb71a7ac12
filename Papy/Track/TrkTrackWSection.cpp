#include "Papy/Track/TrkTrackWSection.h"

namespace Velmo::Papy
{
TrkTrackWSection::TrkTrackWSection(Util::CountedPointer<TrkFile> file, int s, int w)
    : m_file(std::move(file)), m_section(s), m_wall(w)
{
}

double TrkTrackWSection::GetStartLatitude() const
{
    return (double(m_file->GetWallInnerFrom(m_section, m_wall)) + m_file->GetWallOuterFrom(m_section, m_wall)) / 2 *
           TrkFile::LengthUnit;
}

double TrkTrackWSection::GetEndLatitude() const
{
    return (double(m_file->GetWallInnerTo(m_section, m_wall)) + m_file->GetWallOuterTo(m_section, m_wall)) / 2 *
           TrkFile::LengthUnit;
}

double TrkTrackWSection::GetStartHeight() const
{
    return m_file->GetWallHeight(m_section, m_wall) * TrkFile::LengthUnit;
}

double TrkTrackWSection::GetEndHeight() const
{
    return m_file->GetWallHeight(m_section, m_wall) * TrkFile::LengthUnit;
}

double TrkTrackWSection::GetStartWidth() const
{
    return (double(m_file->GetWallOuterFrom(m_section, m_wall)) - m_file->GetWallInnerFrom(m_section, m_wall)) *
           TrkFile::LengthUnit;
}

double TrkTrackWSection::GetEndWidth() const
{
    return (double(m_file->GetWallOuterTo(m_section, m_wall)) - m_file->GetWallInnerTo(m_section, m_wall)) *
           TrkFile::LengthUnit;
}

WallType TrkTrackWSection::GetType() const
{
    return m_file->GetWallType(m_section, m_wall);
}
} // namespace Velmo::Papy
