#pragma once
// Type 11: a far and a near child ordered by a plane; the record stores near, far.
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Papy/N2/N2PlaneOrderNode.h"

namespace Velmo::Papy
{
class N2PlaneOrder2 : public N2PlaneOrderNode<ThreeDObjectPlaneOrder2, N2PlaneOrder2Kind>
{
public:
    N2PlaneOrder2(N2TdoFile& file, Util::RecordReader& reader, int id) : N2PlaneOrderNode(file, reader, id) {}

    Util::CountedPointer<ThreeDObject> GetFarChild() const override { return SlotChild(0); }
    void ClearFarChild() override { ClearSlot(0); }
    Util::CountedPointer<ThreeDObject> GetNearChild() const override { return SlotChild(1); }
    void ClearNearChild() override { ClearSlot(1); }
};
} // namespace Velmo::Papy
