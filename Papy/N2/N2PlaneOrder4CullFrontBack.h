#pragma once
// Type 8: far, back, front and near children ordered by a plane; the record stores near,
// front, back, far.
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Papy/N2/N2PlaneOrderNode.h"

namespace Velmo::Papy
{
class N2PlaneOrder4CullFrontBack
    : public N2PlaneOrderNode<ThreeDObjectPlaneOrder4CullFrontBack, N2PlaneOrder4CullFrontBackKind>
{
public:
    N2PlaneOrder4CullFrontBack(N2TdoFile& file, Util::RecordReader& reader, int id)
        : N2PlaneOrderNode(file, reader, id)
    {
    }

    Util::CountedPointer<ThreeDObject> GetFarChild() const override { return SlotChild(0); }
    void SetFarChild(const Util::CountedPointer<ThreeDObject>& child) override { SetSlot(0, child); }
    void ClearFarChild() override { ClearSlot(0); }
    Util::CountedPointer<ThreeDObject> GetBackChild() const override { return SlotChild(1); }
    void ClearBackChild() override { ClearSlot(1); }
    Util::CountedPointer<ThreeDObject> GetFrontChild() const override { return SlotChild(2); }
    void ClearFrontChild() override { ClearSlot(2); }
    Util::CountedPointer<ThreeDObject> GetNearChild() const override { return SlotChild(3); }
    void ClearNearChild() override { ClearSlot(3); }
};
} // namespace Velmo::Papy
