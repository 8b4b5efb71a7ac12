#pragma once
// The index, the sections and the trackside objects of a track.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTrackSections : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetIndex() const = 0;
    virtual int GetSectionCount() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetSection(int i) const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetTracksideObjects() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        if (visitor.EnterTrackSections(*this))
        {
            ThreeDObjectWalk::Pair(visitor, *this, &ThreeDObjectVisitor::BeforeTrackSectionsIndex,
                                   &ThreeDObjectTrackSections::GetIndex, &ThreeDObjectVisitor::AfterTrackSectionsIndex);
            ThreeDObjectWalk::SubList(
                visitor, *this, &ThreeDObjectVisitor::EnterTrackSectionsSections,
                &ThreeDObjectTrackSections::GetSectionCount, &ThreeDObjectTrackSections::GetSection,
                &ThreeDObjectVisitor::BeforeTrackSectionsSection, &ThreeDObjectVisitor::AfterTrackSectionsSection,
                &ThreeDObjectVisitor::LeaveTrackSectionsSections);
            ThreeDObjectWalk::Pair(visitor, *this, &ThreeDObjectVisitor::BeforeTrackSectionsTracksideObjects,
                                   &ThreeDObjectTrackSections::GetTracksideObjects,
                                   &ThreeDObjectVisitor::AfterTrackSectionsTracksideObjects);
        }
        visitor.LeaveTrackSections(*this);
    }
};
} // namespace Velmo::Papy
