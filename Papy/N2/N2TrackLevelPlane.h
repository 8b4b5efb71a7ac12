#pragma once
// A level plane of a detail split, built by the fix-up from a plane-cull node (type 6): its
// child, plane words and plane. Written back as that type-6 record.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectChildReferences.h"
#include "Papy/Model/ThreeDObjectTrackLevelPlane.h"
#include "Papy/N2/N2Node.h"

namespace Velmo::Papy
{
class N2PlaneCullFront;

class N2TrackLevelPlane : public N2Node<ThreeDObjectTrackLevelPlane>, public ThreeDObjectChildReferences
{
public:
    N2TrackLevelPlane(N2TdoFile& file, const N2PlaneCullFront& node);

    Util::CountedPointer<ThreeDObject> GetChild() const override { return Child(m_childId); }
    Plane GetPlane() const override { return m_plane; }

    void AppendChildIds(std::vector<U32>& ids) const override { ids.push_back(U32(m_childId)); }
    std::string GetType() const override { return "6"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    int m_childId;
    S32 m_planeWords[5];
    Plane m_plane;
};
} // namespace Velmo::Papy
