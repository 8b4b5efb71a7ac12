#pragma once
// Rebuilds a track object: the top object list becomes the track root, and from there its
// sections, drawing distances, index, detail splits, links and object-locator list.
#include "Papy/GPL/GPLTdoFixupVisitor.h"

namespace Velmo::Papy
{
class GPLTrackTdoFixupVisitor : public GPLTdoFixupVisitor
{
public:
    explicit GPLTrackTdoFixupVisitor(GPLTdoFile& file) : GPLTdoFixupVisitor(file) {}

    bool EnterRoot(ThreeDObjectRoot& node) override;
    bool EnterTrackRoot(ThreeDObjectTrackRoot& node) override;
    bool EnterTrackSections(ThreeDObjectTrackSections& node) override;
    bool EnterTrackDetailSplit(ThreeDObjectTrackDetailSplit& node, bool& reverse) override;
};
} // namespace Velmo::Papy
