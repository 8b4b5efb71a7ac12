#pragma once
// A texture file reference.
#include <string>

#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTexture2 : public virtual ThreeDObject
{
public:
    virtual std::string GetFileName() const = 0;
    virtual void SetFileName(const std::string& name) = 0;
    virtual bool IsShared() const = 0;
    virtual void SetShared(bool shared) = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitTexture2);
    }
};
} // namespace Velmo::Papy
