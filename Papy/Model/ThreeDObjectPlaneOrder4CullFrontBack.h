#pragma once
// Orders a far, a back, a front and a near child by a plane.
#include "Papy/Model/Plane.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectPlaneOrder4CullFrontBack : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetFarChild() const = 0;
    virtual void SetFarChild(const Util::CountedPointer<ThreeDObject>& child) = 0;
    virtual void ClearFarChild() = 0;
    virtual Util::CountedPointer<ThreeDObject> GetBackChild() const = 0;
    virtual void ClearBackChild() = 0;
    virtual Util::CountedPointer<ThreeDObject> GetFrontChild() const = 0;
    virtual void ClearFrontChild() = 0;
    virtual Util::CountedPointer<ThreeDObject> GetNearChild() const = 0;
    virtual void ClearNearChild() = 0;
    virtual Plane GetPlane() const = 0;
    virtual int GetPlaneId() const { return 0; }
    virtual void SetPlaneId(int id) { static_cast<void>(id); }

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        const ThreeDObjectWalk::Step<ThreeDObjectPlaneOrder4CullFrontBack> steps[] = {
            {&ThreeDObjectVisitor::BeforePlaneOrder4CullFrontBackFarChild,
             &ThreeDObjectPlaneOrder4CullFrontBack::GetFarChild,
             &ThreeDObjectVisitor::AfterPlaneOrder4CullFrontBackFarChild},
            {&ThreeDObjectVisitor::BeforePlaneOrder4CullFrontBackBackChild,
             &ThreeDObjectPlaneOrder4CullFrontBack::GetBackChild,
             &ThreeDObjectVisitor::AfterPlaneOrder4CullFrontBackBackChild},
            {&ThreeDObjectVisitor::BeforePlaneOrder4CullFrontBackFrontChild,
             &ThreeDObjectPlaneOrder4CullFrontBack::GetFrontChild,
             &ThreeDObjectVisitor::AfterPlaneOrder4CullFrontBackFrontChild},
            {&ThreeDObjectVisitor::BeforePlaneOrder4CullFrontBackNearChild,
             &ThreeDObjectPlaneOrder4CullFrontBack::GetNearChild,
             &ThreeDObjectVisitor::AfterPlaneOrder4CullFrontBackNearChild},
        };
        ThreeDObjectWalk::Ordered(visitor, *this, &ThreeDObjectVisitor::EnterPlaneOrder4CullFrontBack, steps,
                                  &ThreeDObjectVisitor::LeavePlaneOrder4CullFrontBack);
    }
};
} // namespace Velmo::Papy
