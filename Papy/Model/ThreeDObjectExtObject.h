#pragma once
// A reference by name to an object outside the file.
#include <string>

#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectExtObject : public virtual ThreeDObject
{
public:
    virtual std::string GetObjectName() const = 0;
    virtual void SetObjectName(const std::string& name) = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitExtObject);
    }
};
} // namespace Velmo::Papy
