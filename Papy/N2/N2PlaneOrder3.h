#pragma once
// Type 10: far, middle and near children ordered by a plane; the record stores near, middle,
// far.
#include "Papy/Model/ThreeDObjectPlaneOrder3.h"
#include "Papy/N2/N2PlaneOrderNode.h"

namespace Velmo::Papy
{
class N2PlaneOrder3 : public N2PlaneOrderNode<ThreeDObjectPlaneOrder3, N2PlaneOrder3Kind>
{
public:
    N2PlaneOrder3(N2TdoFile& file, Util::RecordReader& reader, int id) : N2PlaneOrderNode(file, reader, id) {}

    Util::CountedPointer<ThreeDObject> GetFarChild() const override { return SlotChild(0); }
    void SetFarChild(const Util::CountedPointer<ThreeDObject>& child) override { SetSlot(0, child); }
    void ClearFarChild() override { ClearSlot(0); }
    Util::CountedPointer<ThreeDObject> GetMiddleChild() const override { return SlotChild(1); }
    void ClearMiddleChild() override { ClearSlot(1); }
    Util::CountedPointer<ThreeDObject> GetNearChild() const override { return SlotChild(2); }
    void ClearNearChild() override { ClearSlot(2); }
};
} // namespace Velmo::Papy
