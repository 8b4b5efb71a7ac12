#pragma once
// A segment of a TRK track: one section of the file.
#include <vector>

#include "Papy/Track/TrackSegment.h"
#include "Papy/Track/TrkFile.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class TrkTrackSegment : public TrackSegment
{
public:
    // Section s of the file, with its floor strips, walls and one cross section per lateral.
    TrkTrackSegment(Util::CountedPointer<TrkFile> file, int s);

    bool IsCorner() const override;
    double GetStartX() const override;
    double GetStartY() const override;
    double GetEndX() const override;
    double GetEndY() const override;
    double GetLength3D() const override;
    double GetLength2D() const override;
    void GetArc(double& centreX, double& centreY, double& radius, double& curvature) const override;
    double GetStartHeading() const override;
    double GetEndHeading() const override;
    int GetXSectionCount() const override { return int(m_xSections.size()); }
    Util::CountedPointer<TrackXSection> GetXSection(int i) const override;
    int GetFSectionCount() const override { return int(m_fSections.size()); }
    Util::CountedPointer<TrackFSection> GetFSection(int i) const override;
    int GetWSectionCount() const override { return int(m_wSections.size()); }
    Util::CountedPointer<TrackWSection> GetWSection(int i) const override;
    TrackPosition GetPosition(double distance2D, double latitude) const override;
    // The position without the floor's surface, which the point does not need.
    Vertex GetPoint(double distance2D, double latitude) const override;

    int GetIndex() const { return m_index; }

private:
    // The reference point at the start of section s.
    TrkFilePosition GetStart(int s) const;
    TrackPosition Locate(double distance2D, double latitude, bool withSurface) const;

    Util::CountedPointer<TrkFile> m_file;
    int m_index;
    int m_next;
    std::vector<Util::CountedPointer<TrackFSection>> m_fSections;
    std::vector<Util::CountedPointer<TrackWSection>> m_wSections;
    std::vector<Util::CountedPointer<TrackXSection>> m_xSections;
};
} // namespace Velmo::Papy
