#pragma once
// The detail levels of one track section: an object list of exactly eight children, seven in
// rows of four, two and one (the levels), then the links. Written back as that list.
#include <string>

#include "Papy/GPL/GPLChildReferences.h"
#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectTrackDetailSplit.h"

namespace Velmo::Papy
{
class GPLTrackDetailSplit : public GPLNode<ThreeDObjectTrackDetailSplit>, public GPLChildReferences
{
public:
    // Takes over the list's id, file offset and children.
    GPLTrackDetailSplit(GPLTdoFile& file, const ThreeDObjectObjectList& ol);
    // The seven level children in row order, then the links.
    GPLTrackDetailSplit(GPLTdoFile& file, int id, const U32 (&levelChildIds)[7], U32 links);

    int GetLevelCount() const override { return 3; }
    // 4, 2 and 1 for the rows 0, 1 and 2; 0 for any other row.
    int GetLevelChildCount(int level) const override;
    Util::CountedPointer<ThreeDObject> GetLevelChild(int level, int i) const override;
    Util::CountedPointer<ThreeDObject> GetLinks() const override { return Child(m_links); }

    void AppendChildIds(std::vector<U32>& ids) const override
    {
        ids.insert(ids.end(), m_levelChildIds, m_levelChildIds + 7);
        ids.push_back(m_links);
    }

    std::string GetType() const override { return "4"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    U32 m_levelChildIds[7];
    U32 m_links;
};
} // namespace Velmo::Papy
