#pragma once
// A named texture and a material for one display class over one child.
#include <string>

#include "Papy/Model/Colour.h"
#include "Papy/Model/DisplayClass.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectClassTextureMaterial : public virtual ThreeDObject
{
public:
    virtual DisplayClass GetClass() const = 0;
    virtual double GetShininess() const = 0;
    virtual Colour GetSpecularShade() const = 0;
    virtual std::string GetTextureName() const = 0;
    virtual void SetTextureName(const std::string& name) = 0;
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterClassTextureMaterial,
                                   &ThreeDObjectClassTextureMaterial::GetChild,
                                   &ThreeDObjectVisitor::LeaveClassTextureMaterial);
    }
};
} // namespace Velmo::Papy
