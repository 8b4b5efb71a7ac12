#pragma once
// Chooses a child by the value of a named state variable.
#include <string>

#include "Papy/Model/BoundingBox.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectStateSwitch : public virtual ThreeDObject
{
public:
    virtual std::string GetVariable() const = 0;
    virtual int GetChildCount() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetChild(int i) const = 0;
    virtual double GetStateValue(int i) const = 0;
    virtual void SetStateValue(int i, double value) = 0;
    // With its state value.
    virtual void RemoveChild(int i) = 0;
    virtual BoundingBox GetBoundingBox() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::List(visitor, *this, &ThreeDObjectVisitor::EnterStateSwitch,
                               &ThreeDObjectStateSwitch::GetChildCount, &ThreeDObjectStateSwitch::GetChild,
                               &ThreeDObjectVisitor::BeforeStateSwitchChild,
                               &ThreeDObjectVisitor::AfterStateSwitchChild, &ThreeDObjectVisitor::LeaveStateSwitch);
    }
};
} // namespace Velmo::Papy
