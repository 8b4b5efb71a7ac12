#pragma once
// Type 6: one front child, drawn only from the front side of a plane.
#include "Papy/GPL/GPLPlaneOrderNode.h"
#include "Papy/Model/ThreeDObjectPlaneCullFront.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLPlaneCullFront : public GPLPlaneOrderNode<ThreeDObjectPlaneCullFront, GPLPlaneCullFrontKind>
{
public:
    // Reads the body behind the type word; no value is tested.
    GPLPlaneCullFront(GPLTdoFile& file, int id, Util::RecordReader& reader) : GPLPlaneOrderNode(file, id, reader) {}
    GPLPlaneCullFront(GPLTdoFile& file, int id, U32 planeId, U32 front)
        : GPLPlaneOrderNode(file, id, planeId, front)
    {
    }

    Util::CountedPointer<ThreeDObject> GetFrontChild() const override { return SlotChild(0); }
};
} // namespace Velmo::Papy
