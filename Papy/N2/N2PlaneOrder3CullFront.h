#pragma once
// Type 9: far, front and near children ordered by a plane; the record stores near, front, far.
#include "Papy/Model/ThreeDObjectPlaneOrder3CullFront.h"
#include "Papy/N2/N2PlaneOrderNode.h"

namespace Velmo::Papy
{
class N2PlaneOrder3CullFront : public N2PlaneOrderNode<ThreeDObjectPlaneOrder3CullFront, N2PlaneOrder3CullFrontKind>
{
public:
    N2PlaneOrder3CullFront(N2TdoFile& file, Util::RecordReader& reader, int id) : N2PlaneOrderNode(file, reader, id)
    {
    }

    Util::CountedPointer<ThreeDObject> GetFarChild() const override { return SlotChild(0); }
    void ClearFarChild() override { ClearSlot(0); }
    Util::CountedPointer<ThreeDObject> GetFrontChild() const override { return SlotChild(1); }
    void ClearFrontChild() override { ClearSlot(1); }
    Util::CountedPointer<ThreeDObject> GetNearChild() const override { return SlotChild(2); }
    void ClearNearChild() override { ClearSlot(2); }
};
} // namespace Velmo::Papy
