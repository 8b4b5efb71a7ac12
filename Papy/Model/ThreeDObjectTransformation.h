#pragma once
// A translation, three rotations in degrees and a scale over one child.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTransformation : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;
    virtual void SetChild(const Util::CountedPointer<ThreeDObject>& child) = 0;
    virtual double GetXTranslation() const = 0;
    virtual void SetXTranslation(double value) = 0;
    virtual double GetYTranslation() const = 0;
    virtual void SetYTranslation(double value) = 0;
    virtual double GetZTranslation() const = 0;
    virtual void SetZTranslation(double value) = 0;
    // Degrees.
    virtual double GetXRotation() const = 0;
    virtual void SetXRotation(double degrees) = 0;
    // Degrees.
    virtual double GetYRotation() const = 0;
    virtual void SetYRotation(double degrees) = 0;
    // Degrees.
    virtual double GetZRotation() const = 0;
    virtual void SetZRotation(double degrees) = 0;
    virtual double GetScale() const = 0;
    virtual void SetScale(double value) = 0;
    virtual bool ResetsFixedVertices() const { return true; }

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterTransformation,
                                   &ThreeDObjectTransformation::GetChild, &ThreeDObjectVisitor::LeaveTransformation);
    }
};
} // namespace Velmo::Papy
