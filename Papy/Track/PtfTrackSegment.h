#pragma once
// A segment of a PTF track: the N4 track-segment node seen through the track model, with its
// floor strips (one between each two consecutive floor nodes), walls and cross sections.
// Lengths are the node's plan length, both in 2D and in 3D.
#include <vector>

#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Papy/Track/PtfTrackFSection.h"
#include "Papy/Track/PtfTrackWSection.h"
#include "Papy/Track/PtfTrackXSection.h"
#include "Papy/Track/TrackSegment.h"

namespace Velmo::Papy
{
class PtfTrackSegment : public TrackSegment
{
public:
    explicit PtfTrackSegment(const Util::CountedPointer<ThreeDObjectTrackSegment>& node);

    bool IsCorner() const override { return m_node->IsCorner(); }
    double GetStartX() const override { return m_node->GetStartX(); }
    double GetStartY() const override { return m_node->GetStartY(); }
    double GetEndX() const override { return m_node->GetEndX(); }
    double GetEndY() const override { return m_node->GetEndY(); }
    double GetLength3D() const override { return m_node->GetLength(); }
    double GetLength2D() const override { return m_node->GetLength(); }
    void GetArc(double& centreX, double& centreY, double& radius, double& curvature) const override
    {
        m_node->GetArc(centreX, centreY, radius, curvature);
    }
    double GetStartHeading() const override { return m_node->GetStartHeading(); }
    double GetEndHeading() const override { return m_node->GetEndHeading(); }
    int GetXSectionCount() const override { return int(m_xSections.size()); }
    Util::CountedPointer<TrackXSection> GetXSection(int i) const override;
    int GetFSectionCount() const override { return int(m_fSections.size()); }
    Util::CountedPointer<TrackFSection> GetFSection(int i) const override;
    int GetWSectionCount() const override { return int(m_wSections.size()); }
    Util::CountedPointer<TrackWSection> GetWSection(int i) const override;
    // The node's position at the fraction distance / length (0 for a segment of no length).
    TrackPosition GetPosition(double distance2D, double latitude) const override;
    // The node's point at that fraction: its floor sections are not walked.
    Vertex GetPoint(double distance2D, double latitude) const override;

    const Util::CountedPointer<ThreeDObjectTrackSegment>& GetNode() const { return m_node; }

private:
    Util::CountedPointer<ThreeDObjectTrackSegment> m_node;
    std::vector<Util::CountedPointer<PtfTrackFSection>> m_fSections;
    std::vector<Util::CountedPointer<PtfTrackWSection>> m_wSections;
    std::vector<Util::CountedPointer<PtfTrackXSection>> m_xSections;
};
} // namespace Velmo::Papy
