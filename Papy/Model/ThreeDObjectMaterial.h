#pragma once
// A material over one child.
#include "Papy/Model/Colour.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectMaterial : public virtual ThreeDObject
{
public:
    virtual double GetShininess() const = 0;
    virtual Colour GetSpecularShade() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterMaterial, &ThreeDObjectMaterial::GetChild,
                                   &ThreeDObjectVisitor::LeaveMaterial);
    }
};
} // namespace Velmo::Papy
