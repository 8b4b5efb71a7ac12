#pragma once
// A texture slot and a material for one display class over one child.
#include "Papy/Model/Colour.h"
#include "Papy/Model/DisplayClass.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class ThreeDObjectClassTextureSelectorMaterial : public virtual ThreeDObject
{
public:
    virtual DisplayClass GetClass() const = 0;
    virtual double GetShininess() const = 0;
    virtual Colour GetSpecularShade() const = 0;
    virtual U32 GetTextureSlot() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterClassTextureSelectorMaterial,
                                   &ThreeDObjectClassTextureSelectorMaterial::GetChild,
                                   &ThreeDObjectVisitor::LeaveClassTextureSelectorMaterial);
    }
};
} // namespace Velmo::Papy
