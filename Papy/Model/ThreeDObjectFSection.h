#pragma once
// A floor section of a track segment: its surface, its latitudes and its texel parameters.
#include "Papy/Model/SurfaceType.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Papy/Model/TrackFunction.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectFSection : public virtual ThreeDObject
{
public:
    virtual Util::CountedPointer<ThreeDObject> GetAppearance() const = 0;
    // The null node when the section has none.
    virtual Util::CountedPointer<ThreeDObject> GetTextureCoords() const = 0;
    virtual bool IsForcedStraight() const = 0;
    virtual double GetStartLatitude() const = 0;
    virtual double GetEndLatitude() const = 0;
    // The section's boundary at fraction f along the segment, of those latitudes at its ends.
    static double BoundaryAt(double start, double end, double f) { return (1 - f) * start + f * end; }
    virtual SurfaceType GetSurfaceType() const = 0;
    virtual int GetGripModifier() const = 0;
    virtual TrackFunction GetTrackFunction() const = 0;
    virtual bool HasBaseTexture() const = 0;
    virtual bool HasLightMapTexture() const = 0;
    // Texel parameters of texture i: the base texture first when there is one, then the light map.
    virtual bool UsesDefaultTexelParameters(int i) const = 0;
    virtual bool IsHorizontalTexelFixed(int i) const = 0;
    virtual double GetHorizontalTexelSize(int i) const = 0;
    virtual double GetHorizontalTexelSkew1(int i) const = 0;
    virtual double GetHorizontalTexelSkew2(int i) const = 0;
    virtual bool IsVerticalTexelFixed(int i) const = 0;
    virtual double GetVerticalTexelSize(int i) const = 0;
    virtual double GetVerticalTexelSkew(int i) const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        const ThreeDObjectWalk::Step<ThreeDObjectFSection> steps[] = {
            {&ThreeDObjectVisitor::BeforeFSectionAppearance, &ThreeDObjectFSection::GetAppearance,
             &ThreeDObjectVisitor::AfterFSectionAppearance},
            {&ThreeDObjectVisitor::BeforeFSectionTextureCoords, &ThreeDObjectFSection::GetTextureCoords,
             &ThreeDObjectVisitor::AfterFSectionTextureCoords},
        };
        ThreeDObjectWalk::Pairs(visitor, *this, &ThreeDObjectVisitor::EnterFSection, steps,
                                &ThreeDObjectVisitor::LeaveFSection);
    }
};
} // namespace Velmo::Papy
