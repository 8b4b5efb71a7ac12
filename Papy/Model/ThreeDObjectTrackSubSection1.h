#pragma once
// One level plane's contents in a track section: objects, track children, groove and markings.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTrackSubSection1 : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetObjectsChild() const = 0;
    virtual int GetTrackChildCount() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetTrackChild(int i) const = 0;
    virtual bool HasGrooveChild() const = 0;
    // Ask HasGrooveChild first.
    virtual Util::CountedPointer<ThreeDObject> GetGrooveChild() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetMarkingsChild() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        if (visitor.EnterTrackSubSection1(*this))
        {
            ThreeDObjectWalk::Pair(visitor, *this, &ThreeDObjectVisitor::BeforeTrackSubSection1ObjectsChild,
                                   &ThreeDObjectTrackSubSection1::GetObjectsChild,
                                   &ThreeDObjectVisitor::AfterTrackSubSection1ObjectsChild);
            ThreeDObjectWalk::SubList(visitor, *this, &ThreeDObjectVisitor::EnterTrackSubSection1TrackChildren,
                                      &ThreeDObjectTrackSubSection1::GetTrackChildCount,
                                      &ThreeDObjectTrackSubSection1::GetTrackChild,
                                      &ThreeDObjectVisitor::BeforeTrackSubSection1TrackChild,
                                      &ThreeDObjectVisitor::AfterTrackSubSection1TrackChild,
                                      &ThreeDObjectVisitor::LeaveTrackSubSection1TrackChildren);
            if (HasGrooveChild())
                ThreeDObjectWalk::Pair(visitor, *this, &ThreeDObjectVisitor::BeforeTrackSubSection1GrooveChild,
                                       &ThreeDObjectTrackSubSection1::GetGrooveChild,
                                       &ThreeDObjectVisitor::AfterTrackSubSection1GrooveChild);
            ThreeDObjectWalk::Pair(visitor, *this, &ThreeDObjectVisitor::BeforeTrackSubSection1MarkingsChild,
                                   &ThreeDObjectTrackSubSection1::GetMarkingsChild,
                                   &ThreeDObjectVisitor::AfterTrackSubSection1MarkingsChild);
        }
        visitor.LeaveTrackSubSection1(*this);
    }
};
} // namespace Velmo::Papy
