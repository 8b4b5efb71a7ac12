#pragma once
// The top list of an N2 track object, built by the fix-up from an object list of at least 2
// children: child 0 is the track index, the others the detail splits. Written back as that
// object list.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectChildReferences.h"
#include "Papy/Model/ThreeDObjectTrackSections.h"
#include "Papy/N2/N2Node.h"

namespace Velmo::Papy
{
class N2ObjectList;

class N2TrackSections : public N2Node<ThreeDObjectTrackSections>, public ThreeDObjectChildReferences
{
public:
    // Fails the assertion "object_count >= 2" for a shorter list.
    N2TrackSections(N2TdoFile& file, const N2ObjectList& list);

    Util::CountedPointer<ThreeDObject> GetIndex() const override { return Child(m_indexId); }
    int GetSectionCount() const override { return int(m_sectionIds.size()); }
    Util::CountedPointer<ThreeDObject> GetSection(int i) const override
    {
        return Child(m_sectionIds[At(m_sectionIds, i)]);
    }
    // N2 tracks have none: the file's null node.
    Util::CountedPointer<ThreeDObject> GetTracksideObjects() const override;

    void AppendChildIds(std::vector<U32>& ids) const override;
    std::string GetType() const override { return "4"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    int m_indexId;
    std::vector<int> m_sectionIds;
};
} // namespace Velmo::Papy
