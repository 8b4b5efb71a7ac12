#pragma once
// Type 6: a front child culled by a plane.
#include "Papy/Model/ThreeDObjectPlaneCullFront.h"
#include "Papy/N2/N2PlaneOrderNode.h"

namespace Velmo::Papy
{
class N2PlaneCullFront : public N2PlaneOrderNode<ThreeDObjectPlaneCullFront, N2PlaneCullFrontKind>
{
public:
    N2PlaneCullFront(N2TdoFile& file, Util::RecordReader& reader, int id) : N2PlaneOrderNode(file, reader, id) {}

    Util::CountedPointer<ThreeDObject> GetFrontChild() const override { return SlotChild(0); }
    int GetChildId() const { return m_record.ChildIds[0]; }
};
} // namespace Velmo::Papy
