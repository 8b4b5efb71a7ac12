#pragma once
// A named texture for one display class over one child.
#include <string>

#include "Papy/Model/DisplayClass.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectClassTexture : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;
    virtual DisplayClass GetClass() const = 0;
    virtual std::string GetTextureName() const = 0;
    virtual void SetTextureName(const std::string& name) = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterClassTexture,
                                   &ThreeDObjectClassTexture::GetChild, &ThreeDObjectVisitor::LeaveClassTexture);
    }
};
} // namespace Velmo::Papy
