#pragma once
// A wall of a PTF track segment: the N4 wall-section node seen through the track model.
#include "Papy/Model/ThreeDObjectWSection.h"
#include "Papy/Track/TrackWSection.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class PtfTrackWSection : public TrackWSection
{
public:
    explicit PtfTrackWSection(const Util::CountedPointer<ThreeDObjectWSection>& node);

    double GetStartLatitude() const override { return m_node->GetStartLatitude(); }
    double GetEndLatitude() const override { return m_node->GetEndLatitude(); }
    double GetStartHeight() const override { return m_node->GetStartHeight(); }
    double GetEndHeight() const override { return m_node->GetEndHeight(); }
    double GetStartWidth() const override { return m_node->GetStartHalfWidth(); }
    double GetEndWidth() const override { return m_node->GetEndHalfWidth(); }
    WallType GetType() const override { return m_node->GetWallType(); }

private:
    Util::CountedPointer<ThreeDObjectWSection> m_node;
};
} // namespace Velmo::Papy
