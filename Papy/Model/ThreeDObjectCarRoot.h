#pragma once
// The three parts of a car object.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectCarRoot : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetShadow() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetCockpit() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetCar() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        const ThreeDObjectWalk::Step<ThreeDObjectCarRoot> steps[] = {
            {&ThreeDObjectVisitor::BeforeCarRootShadow, &ThreeDObjectCarRoot::GetShadow,
             &ThreeDObjectVisitor::AfterCarRootShadow},
            {&ThreeDObjectVisitor::BeforeCarRootCockpit, &ThreeDObjectCarRoot::GetCockpit,
             &ThreeDObjectVisitor::AfterCarRootCockpit},
            {&ThreeDObjectVisitor::BeforeCarRootCar, &ThreeDObjectCarRoot::GetCar,
             &ThreeDObjectVisitor::AfterCarRootCar},
        };
        ThreeDObjectWalk::Pairs(visitor, *this, &ThreeDObjectVisitor::EnterCarRoot, steps,
                                &ThreeDObjectVisitor::LeaveCarRoot);
    }
};
} // namespace Velmo::Papy
