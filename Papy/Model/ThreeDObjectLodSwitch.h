#pragma once
// A level-of-detail switch: one child per split distance.
#include "Papy/Model/BoundingBox.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectLodSwitch : public virtual ThreeDObject
{
public:
    virtual int GetChildCount() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetChild(int i) const = 0;
    virtual double GetSplitDistance(int i) const = 0;
    virtual bool IgnoresPreferences() const = 0;
    virtual BoundingBox GetBoundingBox() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::List(visitor, *this, &ThreeDObjectVisitor::EnterLodSwitch,
                               &ThreeDObjectLodSwitch::GetChildCount, &ThreeDObjectLodSwitch::GetChild,
                               &ThreeDObjectVisitor::BeforeLodSwitchChild, &ThreeDObjectVisitor::AfterLodSwitchChild,
                               &ThreeDObjectVisitor::LeaveLodSwitch);
    }
};
} // namespace Velmo::Papy
