#include "Papy/Track/PtfTrackSegment.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
// A reference that names a node of another kind yields no section; that is refused here rather
// than followed later.
template <class Section>
Util::CountedPointer<Section> Checked(const Util::CountedPointer<Section>& section)
{
    VELMO_ASSERT_TEXT(section.Get() != nullptr, "section != 0");
    return section;
}
} // namespace

PtfTrackSegment::PtfTrackSegment(const Util::CountedPointer<ThreeDObjectTrackSegment>& node) : m_node(node)
{
    VELMO_ASSERT_TEXT(m_node.Get() != nullptr, "segment != 0");
    // n floor nodes make n - 1 strips (none for n of 0 or 1).
    const int floors = m_node->GetFSectionCount();
    for (int i = 0; i + 1 < floors; ++i)
        m_fSections.emplace_back(new PtfTrackFSection(Checked(m_node->GetFSection(i)), Checked(m_node->GetFSection(i + 1))));
    const int walls = m_node->GetWSectionCount();
    for (int i = 0; i < walls; ++i)
        m_wSections.emplace_back(new PtfTrackWSection(Checked(m_node->GetWSection(i))));
    const int crosses = m_node->GetXSectionCount();
    for (int i = 0; i < crosses; ++i)
        m_xSections.emplace_back(new PtfTrackXSection(Checked(m_node->GetXSection(i))));
}

Util::CountedPointer<TrackXSection> PtfTrackSegment::GetXSection(int i) const
{
    VELMO_ASSERT(i >= 0 && i < GetXSectionCount());
    return m_xSections[std::size_t(i)];
}

Util::CountedPointer<TrackFSection> PtfTrackSegment::GetFSection(int i) const
{
    VELMO_ASSERT(i >= 0 && i < GetFSectionCount());
    return m_fSections[std::size_t(i)];
}

Util::CountedPointer<TrackWSection> PtfTrackSegment::GetWSection(int i) const
{
    VELMO_ASSERT(i >= 0 && i < GetWSectionCount());
    return m_wSections[std::size_t(i)];
}

namespace
{
double Fraction(const ThreeDObjectTrackSegment& node, double distance2D)
{
    double length = node.GetLength();
    return length != 0 ? distance2D / length : 0.0;
}
} // namespace

TrackPosition PtfTrackSegment::GetPosition(double distance2D, double latitude) const
{
    return m_node->GetPosition(Fraction(*m_node, distance2D), latitude, false);
}

Vertex PtfTrackSegment::GetPoint(double distance2D, double latitude) const
{
    return m_node->GetPoint(Fraction(*m_node, distance2D), latitude, false);
}
} // namespace Velmo::Papy
