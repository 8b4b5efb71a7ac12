#pragma once
// Type 7: a back and a front child; the file stores front, then back.
#include "Papy/GPL/GPLPlaneOrderNode.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2CullFrontBack.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLPlaneOrder2CullFrontBack
    : public GPLPlaneOrderNode<ThreeDObjectPlaneOrder2CullFrontBack, GPLPlaneOrder2CullFrontBackKind>
{
public:
    // Reads the body behind the type word; no value is tested.
    GPLPlaneOrder2CullFrontBack(GPLTdoFile& file, int id, Util::RecordReader& reader)
        : GPLPlaneOrderNode(file, id, reader)
    {
    }
    GPLPlaneOrder2CullFrontBack(GPLTdoFile& file, int id, U32 planeId, U32 back, U32 front)
        : GPLPlaneOrderNode(file, id, planeId, back, front)
    {
    }

    Util::CountedPointer<ThreeDObject> GetBackChild() const override { return SlotChild(0); }
    void ClearBackChild() override { ClearSlot(0); }
    Util::CountedPointer<ThreeDObject> GetFrontChild() const override { return SlotChild(1); }
    void ClearFrontChild() override { ClearSlot(1); }
};
} // namespace Velmo::Papy
