#pragma once
// The detail levels of a track section: rows of four, two and one children, and the links.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTrackDetailSplit : public virtual ThreeDObject
{
public:
    virtual int GetLevelCount() const = 0;
    virtual int GetLevelChildCount(int level) const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetLevelChild(int level, int i) const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetLinks() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override;

private:
    void VisitLevelChild(ThreeDObjectVisitor& visitor, int level, int i);
};
} // namespace Velmo::Papy
