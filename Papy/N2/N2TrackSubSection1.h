#pragma once
// The sub-section under a level plane, built by the fix-up from an object list of at least 3
// children: the first child (objects), the middle children (track), in a file with a groove
// the groove child (the last but one), and the last child (markings). Written back as that
// object list.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectChildReferences.h"
#include "Papy/Model/ThreeDObjectTrackSubSection1.h"
#include "Papy/N2/N2Node.h"

namespace Velmo::Papy
{
class N2ObjectList;

class N2TrackSubSection1 : public N2Node<ThreeDObjectTrackSubSection1>, public ThreeDObjectChildReferences
{
public:
    // Fails the assertion "object_count >= 3" for a shorter list.
    N2TrackSubSection1(N2TdoFile& file, const N2ObjectList& list, bool groove);

    Util::CountedPointer<ThreeDObject> GetObjectsChild() const override { return Child(m_firstId); }
    int GetTrackChildCount() const override { return int(m_middleIds.size()); }
    Util::CountedPointer<ThreeDObject> GetTrackChild(int i) const override
    {
        return Child(m_middleIds[At(m_middleIds, i)]);
    }
    bool HasGrooveChild() const override { return m_groove; }
    // Without a groove: the file's null node.
    Util::CountedPointer<ThreeDObject> GetGrooveChild() const override;
    Util::CountedPointer<ThreeDObject> GetMarkingsChild() const override { return Child(m_lastId); }

    void AppendChildIds(std::vector<U32>& ids) const override;
    std::string GetType() const override { return "4"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    int m_firstId;
    std::vector<int> m_middleIds;
    bool m_groove;
    int m_grooveId;
    int m_lastId;
};
} // namespace Velmo::Papy
