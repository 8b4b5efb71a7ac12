#pragma once
// Type 11: a far and a near child ordered by a plane; the file stores near, then far.
#include "Papy/GPL/GPLPlaneOrderNode.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLPlaneOrder2 : public GPLPlaneOrderNode<ThreeDObjectPlaneOrder2, GPLPlaneOrder2Kind>
{
public:
    // Reads the body behind the type word; no value is tested.
    GPLPlaneOrder2(GPLTdoFile& file, int id, Util::RecordReader& reader) : GPLPlaneOrderNode(file, id, reader) {}
    GPLPlaneOrder2(GPLTdoFile& file, int id, U32 planeId, U32 far, U32 near)
        : GPLPlaneOrderNode(file, id, planeId, far, near)
    {
    }

    Util::CountedPointer<ThreeDObject> GetFarChild() const override { return SlotChild(0); }
    void ClearFarChild() override { ClearSlot(0); }
    Util::CountedPointer<ThreeDObject> GetNearChild() const override { return SlotChild(1); }
    void ClearNearChild() override { ClearSlot(1); }
};
} // namespace Velmo::Papy
