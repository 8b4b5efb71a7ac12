#include "Vantrel/Rows/TrkTreeRows.h"

#include <algorithm>

#include "Papy/Track/Track.h"
#include "Vantrel/Rows/TrkHint.h"
#include "Vantrel/Rows/TrkText.h"

static_assert(TrkHint::MaxSegments == 32767, "CutText names the number of segments listed");
const char* const TrkTreeRows::CutText = "The first 32,767 segments are listed.";

namespace
{
void AddParts(TrkTreeItem& parent, int s, TrkPart kind, const char* label, int count)
{
    count = std::min(count, TrkHint::MaxParts);
    for (int p = 0; p < count; ++p)
        parent.Add(label + TrkText::Integer(p), TrkHint::Part(s, kind, p));
}
} // namespace

void TrkTreeRows::Build(const Velmo::Papy::Track* track, TrkTreeItem& root)
{
    root = TrkTreeItem{"root", TrkHint::Whole, {}};
    if (track == nullptr)
        return;
    const int segments = track->GetSegmentCount();
    const int count = std::min(segments, TrkHint::MaxSegments);
    const bool cut = segments > TrkHint::MaxSegments;
    root.Children.reserve(std::size_t(std::max(count, 0)) + (cut ? 1 : 0));
    for (int s = 0; s < count; ++s)
    {
        auto segment = track->GetSegment(s);
        TrkTreeItem& item = root.Add("Segment " + TrkText::Integer(s), TrkHint::Segment(s));
        const int traces = segment->GetXSectionCount();
        const int surfaces = segment->GetFSectionCount();
        const int walls = segment->GetWSectionCount();
        item.Children.reserve(std::size_t(std::clamp(traces, 0, TrkHint::MaxParts) + std::clamp(surfaces, 0, TrkHint::MaxParts) +
                                          std::clamp(walls, 0, TrkHint::MaxParts)));
        AddParts(item, s, TrkPart::Trace, "Trace ", traces);
        AddParts(item, s, TrkPart::Surface, "Surface ", surfaces);
        AddParts(item, s, TrkPart::Wall, "Wall ", walls);
    }
    if (cut)
        root.Add(CutText, 0);
}
