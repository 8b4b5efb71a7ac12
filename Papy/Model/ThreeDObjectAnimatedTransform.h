#pragma once
// A transform over one child whose values are also given per state record.
#include <string>

#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectAnimatedTransform : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;
    // The name of the state variable that drives the animation.
    virtual std::string GetVariable() const = 0;
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
    virtual int GetStateCount() const = 0;
    // A zero-filled state record before index i.
    virtual void InsertState(int i) = 0;
    virtual int GetStateValue(int i) const = 0;
    virtual void SetStateValue(int i, int value) = 0;
    virtual double GetStateXTranslation(int i) const = 0;
    virtual void SetStateXTranslation(int i, double value) = 0;
    virtual double GetStateYTranslation(int i) const = 0;
    virtual void SetStateYTranslation(int i, double value) = 0;
    virtual double GetStateZTranslation(int i) const = 0;
    virtual void SetStateZTranslation(int i, double value) = 0;
    virtual double GetStateXRotation(int i) const = 0;
    virtual void SetStateXRotation(int i, double value) = 0;
    virtual double GetStateYRotation(int i) const = 0;
    virtual void SetStateYRotation(int i, double value) = 0;
    virtual double GetStateZRotation(int i) const = 0;
    virtual void SetStateZRotation(int i, double value) = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterAnimatedTransform,
                                   &ThreeDObjectAnimatedTransform::GetChild,
                                   &ThreeDObjectVisitor::LeaveAnimatedTransform);
    }
};
} // namespace Velmo::Papy
