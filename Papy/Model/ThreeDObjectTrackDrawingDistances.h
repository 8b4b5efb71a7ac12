#pragma once
// Records of four drawing-distance numbers.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTrackDrawingDistances : public virtual ThreeDObject
{
public:
    virtual int GetRecordCount() const = 0;
    virtual int GetFirstValue(int i) const = 0;
    virtual int GetSecondValue(int i) const = 0;
    virtual int GetThirdValue(int i) const = 0;
    virtual int GetFourthValue(int i) const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitTrackDrawingDistances);
    }
};
} // namespace Velmo::Papy
