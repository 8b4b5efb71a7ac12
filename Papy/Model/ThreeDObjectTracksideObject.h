#pragma once
// A named object placed beside the track.
#include <string>

#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTracksideObject : public virtual ThreeDObject
{
public:
    // The object's file name.
    virtual std::string GetObjectName() const = 0;
    virtual std::string GetComment() const = 0;
    virtual bool IsShared() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitTracksideObject);
    }
};
} // namespace Velmo::Papy
