#pragma once
// The items of the track tree: "root" for the whole track, a "Segment i" item per segment and
// under each its "Trace j", "Surface k" and "Wall l" items, each with its hint code (TrkHint).
// Texts are ASCII.
#include "Vantrel/Rows/TrkTreeItem.h"

namespace Velmo::Papy
{
class Track;
}

class TrkTreeRows
{
public:
    // The last item under root of a track of more segments than codes can name; its code is 0
    // (it names nothing).
    static const char* const CutText;

    // Makes root the tree of the track; without a track only "root". Segments past
    // TrkHint::MaxSegments and parts past TrkHint::MaxParts of a kind are left out, as their
    // codes would name other items; a tree cut so ends with CutText. What the track throws
    // propagates; the items added before stay in root.
    static void Build(const Velmo::Papy::Track* track, TrkTreeItem& root);
};
