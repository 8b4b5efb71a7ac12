#pragma once
// The four links of a track section.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTrackLink : public virtual ThreeDObject
{
public:
    virtual int GetLinkCount() const = 0;
    virtual int GetLink(int i) const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitTrackLink);
    }
};
} // namespace Velmo::Papy
