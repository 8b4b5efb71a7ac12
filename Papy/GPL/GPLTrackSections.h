#pragma once
// The sections of a track: an object list of at least three children, the track index first,
// the sections in the middle and the object-locator list last. Written back as that list.
#include <string>
#include <vector>

#include "Papy/GPL/GPLChildReferences.h"
#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectTrackSections.h"

namespace Velmo::Papy
{
class GPLTrackSections : public GPLNode<ThreeDObjectTrackSections>, public GPLChildReferences
{
public:
    // Takes over the list's id, file offset and children.
    GPLTrackSections(GPLTdoFile& file, const ThreeDObjectObjectList& ol);
    GPLTrackSections(GPLTdoFile& file, int id, U32 first, std::vector<U32> middle, U32 last);

    Util::CountedPointer<ThreeDObject> GetIndex() const override { return Child(m_first); }
    int GetSectionCount() const override { return int(m_middle.size()); }
    Util::CountedPointer<ThreeDObject> GetSection(int i) const override;
    Util::CountedPointer<ThreeDObject> GetTracksideObjects() const override { return Child(m_last); }

    void AppendChildIds(std::vector<U32>& ids) const override
    {
        ids.push_back(m_first);
        ids.insert(ids.end(), m_middle.begin(), m_middle.end());
        ids.push_back(m_last);
    }

    std::string GetType() const override { return "4"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    U32 m_first;
    std::vector<U32> m_middle;
    U32 m_last;
};
} // namespace Velmo::Papy
