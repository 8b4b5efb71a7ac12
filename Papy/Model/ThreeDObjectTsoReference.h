#pragma once
// The placement of a trackside object, static or moving along a path.
#include <string>

#include "Papy/Model/DynamicTSOType.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTsoReference : public virtual ThreeDObject
{
public:
    // The trackside object.
    virtual Util::CountedPointer<ThreeDObject> GetChild() const = 0;
    // Moves along a path.
    virtual bool IsDynamic() const = 0;
    virtual std::string GetPathFile() const = 0;
    virtual DynamicTSOType GetDynamicType() const = 0;
    virtual int GetStartWaypoint() const = 0;
    virtual double GetSpeed() const = 0;
    virtual double GetXTranslation() const = 0;
    virtual void SetXTranslation(double value) = 0;
    virtual double GetYTranslation() const = 0;
    virtual void SetYTranslation(double value) = 0;
    virtual double GetZTranslation() const = 0;
    virtual void SetZTranslation(double value) = 0;
    virtual bool UsesWindDirection() const = 0;
    virtual void SetUsesWindDirection(bool uses) = 0;
    virtual double GetXRotation() const = 0;
    virtual void SetXRotation(double value) = 0;
    virtual double GetYRotation() const = 0;
    virtual void SetYRotation(double value) = 0;
    virtual double GetZRotation() const = 0;
    virtual void SetZRotation(double value) = 0;
    virtual int GetAnimationCount() const = 0;
    virtual std::string GetAnimationName(int i) const = 0;
    virtual int GetAnimationFrameCount(int i) const = 0;
    virtual double GetAnimationFramesPerSecond(int i) const = 0;
    virtual bool HasSoundFile() const = 0;
    virtual std::string GetSoundFile() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterTsoReference,
                                   &ThreeDObjectTsoReference::GetChild, &ThreeDObjectVisitor::LeaveTsoReference);
    }
};
} // namespace Velmo::Papy
