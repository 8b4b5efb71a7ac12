#pragma once
// A named translation and rotation over one child.
#include "Papy/Model/BoundingBox.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTransform : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;
    virtual double GetXTranslation() const = 0;
    virtual void SetXTranslation(double value) = 0;
    virtual double GetYTranslation() const = 0;
    virtual void SetYTranslation(double value) = 0;
    virtual double GetZTranslation() const = 0;
    virtual void SetZTranslation(double value) = 0;
    virtual double GetXRotation() const = 0;
    virtual void SetXRotation(double value) = 0;
    virtual double GetYRotation() const = 0;
    virtual void SetYRotation(double value) = 0;
    virtual double GetZRotation() const = 0;
    virtual void SetZRotation(double value) = 0;
    virtual BoundingBox GetBoundingBox() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterTransform,
                                   &ThreeDObjectTransform::GetChild, &ThreeDObjectVisitor::LeaveTransform);
    }
};
} // namespace Velmo::Papy
