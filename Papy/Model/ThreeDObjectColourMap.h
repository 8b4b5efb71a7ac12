#pragma once
// Replaces colour indices by palette colours under one child.
#include "Papy/Model/Colour.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectColourMap : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;
    virtual int GetEntryCount() const = 0;
    // The source colour index of entry i.
    virtual int GetEntry(int i) const = 0;
    // The colour that replaces it.
    virtual Colour GetColour(int i) const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterColourMap,
                                   &ThreeDObjectColourMap::GetChild, &ThreeDObjectVisitor::LeaveColourMap);
    }
};
} // namespace Velmo::Papy
