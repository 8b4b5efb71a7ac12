#pragma once
// A floor strip of a PTF track segment: the strip between two consecutive N4 floor-section
// nodes; the first gives the right edge, the surface and the grip, the second the left edge.
#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/Track/TrackFSection.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class PtfTrackFSection : public TrackFSection
{
public:
    PtfTrackFSection(const Util::CountedPointer<ThreeDObjectFSection>& right,
                     const Util::CountedPointer<ThreeDObjectFSection>& left);

    double GetRightStart() const override { return m_right->GetStartLatitude(); }
    double GetRightEnd() const override { return m_right->GetEndLatitude(); }
    double GetLeftStart() const override { return m_left->GetStartLatitude(); }
    double GetLeftEnd() const override { return m_left->GetEndLatitude(); }
    SurfaceType GetType() const override { return m_right->GetSurfaceType(); }
    int GetGripModifier() const override { return m_right->GetGripModifier(); }

private:
    Util::CountedPointer<ThreeDObjectFSection> m_right;
    Util::CountedPointer<ThreeDObjectFSection> m_left;
};
} // namespace Velmo::Papy
