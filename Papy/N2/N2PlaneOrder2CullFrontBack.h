#pragma once
// Type 7: a back and a front child culled by a plane; the record stores front, back.
#include "Papy/Model/ThreeDObjectPlaneOrder2CullFrontBack.h"
#include "Papy/N2/N2PlaneOrderNode.h"

namespace Velmo::Papy
{
class N2PlaneOrder2CullFrontBack
    : public N2PlaneOrderNode<ThreeDObjectPlaneOrder2CullFrontBack, N2PlaneOrder2CullFrontBackKind>
{
public:
    N2PlaneOrder2CullFrontBack(N2TdoFile& file, Util::RecordReader& reader, int id)
        : N2PlaneOrderNode(file, reader, id)
    {
    }

    Util::CountedPointer<ThreeDObject> GetBackChild() const override { return SlotChild(0); }
    void ClearBackChild() override { ClearSlot(0); }
    Util::CountedPointer<ThreeDObject> GetFrontChild() const override { return SlotChild(1); }
    void ClearFrontChild() override { ClearSlot(1); }
};
} // namespace Velmo::Papy
