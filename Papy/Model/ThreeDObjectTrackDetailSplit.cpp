#include "Papy/Model/ThreeDObjectTrackDetailSplit.h"

namespace Velmo::Papy
{
namespace
{
// The order of the levels' children when the visitor asks for the reverse order: (level, i).
// Every detail split has levels of four, two and one children.
constexpr int ReverseOrder[7][2] = {{0, 0}, {0, 1}, {1, 0}, {0, 2}, {0, 3}, {1, 1}, {2, 0}};
} // namespace

void ThreeDObjectTrackDetailSplit::Accept(ThreeDObjectVisitor& visitor)
{
    bool reverse = false;
    if (visitor.EnterTrackDetailSplit(*this, reverse))
    {
        if (visitor.EnterTrackDetailSplitLevels(*this))
        {
            if (reverse)
            {
                for (const auto& entry : ReverseOrder)
                    VisitLevelChild(visitor, entry[0], entry[1]);
            }
            else
            {
                // Both counts are asked again at every test.
                for (int level = 0; level < GetLevelCount(); ++level)
                    for (int i = 0; i < GetLevelChildCount(level); ++i)
                        VisitLevelChild(visitor, level, i);
            }
        }
        visitor.LeaveTrackDetailSplitLevels(*this);
        ThreeDObjectWalk::Pair(visitor, *this, &ThreeDObjectVisitor::BeforeTrackDetailSplitLinks,
                               &ThreeDObjectTrackDetailSplit::GetLinks,
                               &ThreeDObjectVisitor::AfterTrackDetailSplitLinks);
    }
    visitor.LeaveTrackDetailSplit(*this);
}

void ThreeDObjectTrackDetailSplit::VisitLevelChild(ThreeDObjectVisitor& visitor, int level, int i)
{
    if (visitor.BeforeTrackDetailSplitLevelChild(*this, level, i))
        ThreeDObjectWalk::Descend(visitor, GetLevelChild(level, i));
    visitor.AfterTrackDetailSplitLevelChild(*this, level, i);
}
} // namespace Velmo::Papy
