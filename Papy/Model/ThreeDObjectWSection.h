#pragma once
// A wall section of a track segment: position, height, wall type and a grid of surface entries.
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectAppearance.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Papy/Model/Vertex.h"
#include "Papy/Model/WallType.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectWSection : public virtual ThreeDObject
{
public:
    virtual bool IsForcedStraight() const = 0;
    virtual double GetStartLatitude() const = 0;
    virtual double GetEndLatitude() const = 0;
    virtual double GetStartHeight() const = 0;
    virtual double GetEndHeight() const = 0;
    virtual double GetStartHalfWidth() const = 0;
    virtual double GetEndHalfWidth() const = 0;
    virtual double GetStartCollisionHalfWidth() const = 0;
    virtual double GetEndCollisionHalfWidth() const = 0;
    virtual WallType GetWallType() const = 0;
    virtual bool IsVertical() const = 0;
    virtual bool IsProfileCurved() const = 0;
    virtual int GetProfilePointCount() const = 0;
    virtual Vertex GetProfilePoint(int i) const = 0;
    virtual int GetSubsectionCount() const = 0;
    // The boundary between subsections i and i + 1.
    virtual double GetSplitPoint(int i) const = 0;
    virtual bool HasEntry(int subsection, int entry) const = 0;
    virtual Util::CountedPointer<ThreeDObjectAppearance> GetEntryAppearance(int subsection, int entry) const = 0;
    // The null node when the entry has none.
    virtual Util::CountedPointer<ThreeDObject> GetEntryTextureCoords(int subsection, int entry) const = 0;
    virtual bool HasEntryBaseTexture(int subsection, int entry) const = 0;
    virtual bool HasEntryLightMapTexture(int subsection, int entry) const = 0;
    // Texel parameters of an entry's texture links, numbered from 0: base texture, then light map.
    virtual bool UsesDefaultTexelParameters(int subsection, int entry, int link) const = 0;
    virtual bool IsHorizontalTexelFixed(int subsection, int entry, int link) const = 0;
    virtual double GetHorizontalTexelSize(int subsection, int entry, int link) const = 0;
    virtual double GetHorizontalTexelSkew(int subsection, int entry, int link) const = 0;
    virtual bool IsVerticalTexelFixed(int subsection, int entry, int link) const = 0;
    virtual double GetVerticalTexelSize(int subsection, int entry, int link) const = 0;
    virtual double GetVerticalTexelSkew(int subsection, int entry, int link) const = 0;

    // Every subsection has five entries (faces).
    static constexpr int EntryCount = 5;
    int GetEntryCount() const { return EntryCount; }

    void Accept(ThreeDObjectVisitor& visitor) override;
};
} // namespace Velmo::Papy
