#pragma once
// A cross section of a PTF track segment: the N4 cross-section node seen through the track
// model. GetAltitudeAt takes a fraction of the segment here (a distance in the TRK variant).
#include "Papy/Model/ThreeDObjectXSection.h"
#include "Papy/Track/TrackXSection.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class PtfTrackXSection : public TrackXSection
{
public:
    explicit PtfTrackXSection(const Util::CountedPointer<ThreeDObjectXSection>& node) : m_node(node) {}

    double GetStartLatitude() const override { return m_node->GetStartLatitude(); }
    double GetEndLatitude() const override { return m_node->GetEndLatitude(); }
    void SetLatitude(double start, double end) override { m_node->SetLatitude(start, end); }
    double GetStartAltitude() const override { return m_node->GetStartAltitude(); }
    double GetEndAltitude() const override { return m_node->GetEndAltitude(); }
    double GetStartSlope() const override { return m_node->GetStartSlope(); }
    double GetEndSlope() const override { return m_node->GetEndSlope(); }
    void SetAltitude(double startAltitude, double endAltitude, double startSlope, double endSlope) override
    {
        m_node->SetAltitude(startAltitude, endAltitude, startSlope, endSlope);
    }
    double GetLinear() const override;
    double GetSquare() const override;
    double GetCube() const override;
    // The Hermite altitude at fraction t of the segment.
    double GetAltitudeAt(double t) const override { return GetAltitude(t); }

    const Util::CountedPointer<ThreeDObjectXSection>& GetNode() const { return m_node; }

private:
    Util::CountedPointer<ThreeDObjectXSection> m_node;
};
} // namespace Velmo::Papy
