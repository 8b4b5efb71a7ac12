#include "Papy/Track/PtfTrackWSection.h"

namespace Velmo::Papy
{
PtfTrackWSection::PtfTrackWSection(const Util::CountedPointer<ThreeDObjectWSection>& node) : m_node(node)
{
}
} // namespace Velmo::Papy
