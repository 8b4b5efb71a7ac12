#pragma once
// Type 8: far, back, front and near children; the file stores near, front, back, far.
#include "Papy/GPL/GPLPlaneOrderNode.h"
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLPlaneOrder4CullFrontBack
    : public GPLPlaneOrderNode<ThreeDObjectPlaneOrder4CullFrontBack, GPLPlaneOrder4CullFrontBackKind>
{
public:
    // Reads the body behind the type word; no value is tested.
    GPLPlaneOrder4CullFrontBack(GPLTdoFile& file, int id, Util::RecordReader& reader)
        : GPLPlaneOrderNode(file, id, reader)
    {
    }
    GPLPlaneOrder4CullFrontBack(GPLTdoFile& file, int id, U32 planeId, U32 far, U32 back, U32 front, U32 near)
        : GPLPlaneOrderNode(file, id, planeId, far, back, front, near)
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
