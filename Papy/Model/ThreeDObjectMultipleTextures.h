#pragma once
// Several named textures over one child.
#include <string>

#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectMultipleTextures : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;
    virtual int GetTextureCount() const = 0;
    virtual void SetTextureCount(int count) = 0;
    virtual std::string GetTextureName(int i) const = 0;
    virtual void SetTextureName(int i, const std::string& name) = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterMultipleTextures,
                                   &ThreeDObjectMultipleTextures::GetChild,
                                   &ThreeDObjectVisitor::LeaveMultipleTextures);
    }
};
} // namespace Velmo::Papy
