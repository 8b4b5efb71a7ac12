#pragma once
// Selects a texture slot for one display class over one child.
#include "Papy/Model/DisplayClass.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class ThreeDObjectClassTextureSelector : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;
    virtual U32 GetTextureSlot() const = 0;
    virtual DisplayClass GetClass() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterClassTextureSelector,
                                   &ThreeDObjectClassTextureSelector::GetChild,
                                   &ThreeDObjectVisitor::LeaveClassTextureSelector);
    }
};
} // namespace Velmo::Papy
