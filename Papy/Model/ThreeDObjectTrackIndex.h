#pragma once
// The index numbers of a track.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTrackIndex : public virtual ThreeDObject
{
public:
    virtual int GetIndexCount() const = 0;
    virtual int GetIndex(int i) const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitTrackIndex);
    }
};
} // namespace Velmo::Papy
