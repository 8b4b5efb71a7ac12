#include "Papy/Track/TrkTrackSegment.h"

#include <cmath>

#include "Papy/Track/TrkTrack.h"
#include "Papy/Track/TrkTrackFSection.h"
#include "Papy/Track/TrkTrackWSection.h"
#include "Papy/Track/TrkTrackXSection.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
TrkTrackSegment::TrkTrackSegment(Util::CountedPointer<TrkFile> file, int s) : m_file(std::move(file)), m_index(s)
{
    int count = m_file->GetSectionCount();
    VELMO_ASSERT(s >= 0 && s < count);
    m_next = (s + 1) % count;
    int floors = m_file->GetFloorCount(s);
    for (int b = 0; b < floors; ++b)
        m_fSections.push_back(Util::CountedPointer<TrackFSection>(new TrkTrackFSection(m_file, s, b)));
    int walls = m_file->GetWallCount(s);
    for (int w = 0; w < walls; ++w)
        m_wSections.push_back(Util::CountedPointer<TrackWSection>(new TrkTrackWSection(m_file, s, w)));
    int laterals = m_file->GetLateralCount();
    for (int l = 0; l < laterals; ++l)
        m_xSections.push_back(Util::CountedPointer<TrackXSection>(new TrkTrackXSection(m_file, s, l)));
}

TrkFilePosition TrkTrackSegment::GetStart(int s) const
{
    return m_file->ComputePosition(m_file->GetSectionStart(s), 0, false);
}

bool TrkTrackSegment::IsCorner() const
{
    return m_file->IsCorner(m_index);
}

double TrkTrackSegment::GetStartX() const
{
    return double(GetStart(m_index).X) * TrkFile::LengthUnit;
}

double TrkTrackSegment::GetStartY() const
{
    return double(GetStart(m_index).Y) * TrkFile::LengthUnit;
}

double TrkTrackSegment::GetEndX() const
{
    return double(GetStart(m_next).X) * TrkFile::LengthUnit;
}

double TrkTrackSegment::GetEndY() const
{
    return double(GetStart(m_next).Y) * TrkFile::LengthUnit;
}

double TrkTrackSegment::GetLength3D() const
{
    return m_file->GetSectionLength(m_index) * TrkFile::LengthUnit;
}

double TrkTrackSegment::GetLength2D() const
{
    return m_file->GetSection2DLength(m_index);
}

void TrkTrackSegment::GetArc(double& centreX, double& centreY, double& radius, double& curvature) const
{
    centreX = m_file->GetCentreX(m_index) * TrkFile::LengthUnit;
    centreY = m_file->GetCentreY(m_index) * TrkFile::LengthUnit;
    curvature = m_file->GetHalfTurn(m_index) * 2.0 * TrkFile::AngleUnit;
    // The radius of the reference line, with the sign of the turn.
    double reference = (double(m_file->GetLateral(0)) + double(m_file->GetTraceRadius(m_index, 0))) * TrkFile::LengthUnit;
    radius = curvature < 0 ? -std::fabs(reference) : std::fabs(reference);
}

double TrkTrackSegment::GetStartHeading() const
{
    return m_file->GetSectionHeading(m_index) * TrkFile::AngleUnit;
}

double TrkTrackSegment::GetEndHeading() const
{
    return m_file->GetSectionHeading(m_next) * TrkFile::AngleUnit;
}

Util::CountedPointer<TrackXSection> TrkTrackSegment::GetXSection(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_xSections.size()));
    return m_xSections[i];
}

Util::CountedPointer<TrackFSection> TrkTrackSegment::GetFSection(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_fSections.size()));
    return m_fSections[i];
}

Util::CountedPointer<TrackWSection> TrkTrackSegment::GetWSection(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_wSections.size()));
    return m_wSections[i];
}

TrackPosition TrkTrackSegment::Locate(double distance2D, double latitude, bool withSurface) const
{
    int longitude3D = m_file->Convert2DTo3D(double(m_file->GetSection2DStart(m_index)) + distance2D);
    return TrkTrack::ToTrackPosition(
        m_file->ComputePosition(longitude3D, TrkFile::MetresToUnits(latitude), withSurface));
}

TrackPosition TrkTrackSegment::GetPosition(double distance2D, double latitude) const
{
    return Locate(distance2D, latitude, true);
}

Vertex TrkTrackSegment::GetPoint(double distance2D, double latitude) const
{
    const TrackPosition position = Locate(distance2D, latitude, false);
    return Vertex{position.X, position.Y, position.Z};
}
} // namespace Velmo::Papy
