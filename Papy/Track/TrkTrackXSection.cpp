#include "Papy/Track/TrkTrackXSection.h"

namespace Velmo::Papy
{
TrkTrackXSection::TrkTrackXSection(Util::CountedPointer<TrkFile> file, int s, int l)
    : m_file(std::move(file)), m_section(s), m_lateral(l)
{
}

double TrkTrackXSection::GetStartLatitude() const
{
    return m_file->GetLateral(m_lateral) * TrkFile::LengthUnit;
}

double TrkTrackXSection::GetEndLatitude() const
{
    return m_file->GetLateral(m_lateral) * TrkFile::LengthUnit;
}

void TrkTrackXSection::SetLatitude(double start, double end)
{
    if (start == end)
        m_file->SetLateral(m_lateral, TrkFile::MetresToUnits(start));
}

double TrkTrackXSection::GetStartAltitude() const
{
    return m_file->GetAltitudeConstant(m_section, m_lateral) * TrkFile::LengthUnit;
}

double TrkTrackXSection::GetEndAltitude() const
{
    const TrkFile& file = *m_file;
    S64 sum = S64(file.GetAltitudeConstant(m_section, m_lateral)) + file.GetAltitudeLinear(m_section, m_lateral) +
              file.GetAltitudeSquare(m_section, m_lateral) + file.GetAltitudeCube(m_section, m_lateral);
    return double(sum) * TrkFile::LengthUnit;
}

double TrkTrackXSection::GetStartSlope() const
{
    return GetLinear();
}

double TrkTrackXSection::GetEndSlope() const
{
    const TrkFile& file = *m_file;
    S64 slope = 3 * S64(file.GetAltitudeCube(m_section, m_lateral)) + 2 * S64(file.GetAltitudeSquare(m_section, m_lateral)) +
                file.GetAltitudeLinear(m_section, m_lateral);
    return double(slope) * TrkFile::LengthUnit;
}

void TrkTrackXSection::SetAltitude(double startAltitude, double endAltitude, double startSlope, double endSlope)
{
    double d = endAltitude - startAltitude;
    double cube = startSlope + endSlope - 2 * d;
    double square = 3 * d - 2 * startSlope - endSlope;
    m_file->SetAltitude(m_section, m_lateral, TrkFile::MetresToUnits(startAltitude), TrkFile::MetresToUnits(startSlope),
                        TrkFile::MetresToUnits(square), TrkFile::MetresToUnits(cube));
}

double TrkTrackXSection::GetLinear() const
{
    return m_file->GetAltitudeLinear(m_section, m_lateral) * TrkFile::LengthUnit;
}

double TrkTrackXSection::GetSquare() const
{
    return m_file->GetAltitudeSquare(m_section, m_lateral) * TrkFile::LengthUnit;
}

double TrkTrackXSection::GetCube() const
{
    return m_file->GetAltitudeCube(m_section, m_lateral) * TrkFile::LengthUnit;
}

double TrkTrackXSection::GetAltitudeAt(double distance2D) const
{
    int longitude3D = m_file->Convert2DTo3D(double(m_file->GetSection2DStart(m_section)) + distance2D);
    return double(m_file->ComputePosition(longitude3D, m_file->GetLateral(m_lateral)).Z) * TrkFile::LengthUnit;
}
} // namespace Velmo::Papy
