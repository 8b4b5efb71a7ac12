#pragma once
// Type 10: far, middle and near children ordered by a plane; the file stores near, middle, far.
#include "Papy/GPL/GPLPlaneOrderNode.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLPlaneOrder3 : public GPLPlaneOrderNode<ThreeDObjectPlaneOrder3, GPLPlaneOrder3Kind>
{
public:
    // Reads the body behind the type word; no value is tested.
    GPLPlaneOrder3(GPLTdoFile& file, int id, Util::RecordReader& reader) : GPLPlaneOrderNode(file, id, reader) {}
    GPLPlaneOrder3(GPLTdoFile& file, int id, U32 planeId, U32 far, U32 middle, U32 near)
        : GPLPlaneOrderNode(file, id, planeId, far, middle, near)
    {
    }

    Util::CountedPointer<ThreeDObject> GetFarChild() const override { return SlotChild(0); }
    void SetFarChild(const Util::CountedPointer<ThreeDObject>& child) override { SetSlot(0, child); }
    void ClearFarChild() override { ClearSlot(0); }
    Util::CountedPointer<ThreeDObject> GetMiddleChild() const override { return SlotChild(1); }
    void ClearMiddleChild() override { ClearSlot(1); }
    Util::CountedPointer<ThreeDObject> GetNearChild() const override { return SlotChild(2); }
    void ClearNearChild() override { ClearSlot(2); }
};
} // namespace Velmo::Papy
