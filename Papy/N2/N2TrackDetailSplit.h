#pragma once
// A detail split of an N2 track object, built by the fix-up from an object list of exactly 8
// children: three groups of 4, 2 and 1 children (children 0-3, 4-5 and 6), then the link
// list (child 7). Written back as that object list.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectChildReferences.h"
#include "Papy/Model/ThreeDObjectTrackDetailSplit.h"
#include "Papy/N2/N2Node.h"

namespace Velmo::Papy
{
class N2ObjectList;

class N2TrackDetailSplit : public N2Node<ThreeDObjectTrackDetailSplit>, public ThreeDObjectChildReferences
{
public:
    // Fails the assertion "object_count == 8" for another count.
    N2TrackDetailSplit(N2TdoFile& file, const N2ObjectList& list);

    int GetLevelCount() const override { return 3; }
    // 4, 2 and 1 for groups 0, 1 and 2; 0 for any other.
    int GetLevelChildCount(int level) const override;
    // Any other group, or a position beyond the group, fails an assertion.
    Util::CountedPointer<ThreeDObject> GetLevelChild(int level, int i) const override;
    Util::CountedPointer<ThreeDObject> GetLinks() const override { return Child(m_childIds[7]); }

    void AppendChildIds(std::vector<U32>& ids) const override;
    std::string GetType() const override { return "4"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    // The seven group children, then the link list.
    std::vector<int> m_childIds;
};
} // namespace Velmo::Papy
