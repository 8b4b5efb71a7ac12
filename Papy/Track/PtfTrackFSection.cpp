#include "Papy/Track/PtfTrackFSection.h"

namespace Velmo::Papy
{
PtfTrackFSection::PtfTrackFSection(const Util::CountedPointer<ThreeDObjectFSection>& right,
                                   const Util::CountedPointer<ThreeDObjectFSection>& left)
    : m_right(right), m_left(left)
{
}
} // namespace Velmo::Papy
