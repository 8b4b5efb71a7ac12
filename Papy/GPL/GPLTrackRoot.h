#pragma once
// The top of a track tree: an object list of exactly two children, the track sections and the
// drawing distances. Written back as that list (type word 4, count 2).
#include <string>

#include "Papy/GPL/GPLChildReferences.h"
#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectTrackRoot.h"

namespace Velmo::Papy
{
class GPLTrackRoot : public GPLNode<ThreeDObjectTrackRoot>, public GPLChildReferences
{
public:
    // Takes over the list's id, file offset and children.
    GPLTrackRoot(GPLTdoFile& file, const ThreeDObjectObjectList& ol);
    GPLTrackRoot(GPLTdoFile& file, int id, U32 child, U32 drawingDistances);

    Util::CountedPointer<ThreeDObject> GetChild() const override { return Child(m_childIds[0]); }
    Util::CountedPointer<ThreeDObject> GetDrawingDistances() const override { return Child(m_childIds[1]); }

    void AppendChildIds(std::vector<U32>& ids) const override { ids.insert(ids.end(), m_childIds, m_childIds + 2); }

    std::string GetType() const override { return "4"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    U32 m_childIds[2];
};
} // namespace Velmo::Papy
