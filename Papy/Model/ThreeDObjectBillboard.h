#pragma once
// A translation and rotation axis over one child.
#include "Papy/Model/BoundingBox.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectBillboard : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;
    virtual double GetXTranslation() const = 0;
    virtual void SetXTranslation(double value) = 0;
    virtual double GetYTranslation() const = 0;
    virtual void SetYTranslation(double value) = 0;
    virtual double GetZTranslation() const = 0;
    virtual void SetZTranslation(double value) = 0;
    virtual double GetRotationAxisX() const = 0;
    virtual void SetRotationAxisX(double value) = 0;
    virtual double GetRotationAxisY() const = 0;
    virtual void SetRotationAxisY(double value) = 0;
    virtual double GetRotationAxisZ() const = 0;
    virtual void SetRotationAxisZ(double value) = 0;
    virtual BoundingBox GetBoundingBox() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterBillboard,
                                   &ThreeDObjectBillboard::GetChild, &ThreeDObjectVisitor::LeaveBillboard);
    }
};
} // namespace Velmo::Papy
