#pragma once
// Type 9: far, front and near children; the file stores them in that order.
#include "Papy/GPL/GPLPlaneOrderNode.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3CullFront.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLPlaneOrder3CullFront : public GPLPlaneOrderNode<ThreeDObjectPlaneOrder3CullFront, GPLPlaneOrder3CullFrontKind>
{
public:
    // Reads the body behind the type word; no value is tested.
    GPLPlaneOrder3CullFront(GPLTdoFile& file, int id, Util::RecordReader& reader) : GPLPlaneOrderNode(file, id, reader)
    {
    }
    GPLPlaneOrder3CullFront(GPLTdoFile& file, int id, U32 planeId, U32 far, U32 front, U32 near)
        : GPLPlaneOrderNode(file, id, planeId, far, front, near)
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
