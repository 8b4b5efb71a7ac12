#pragma once
// How a shape is drawn: up to three named texture links, further links, a colour and a texture
// function.
#include "Papy/Model/Colour.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectAppearance : public virtual ThreeDObject
{
public:
    // The number of links that are set.
    virtual int GetLinkCount() const = 0;
    virtual bool HasTexture() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetTexture() const = 0;
    virtual bool HasLightMapTexture() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetLightMapTexture() const = 0;
    virtual bool HasSpecularTexture() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetSpecularTexture() const = 0;
    virtual int GetOtherTextureCount() const = 0;
    virtual bool HasOtherTexture(int i) const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetOtherTexture(int i) const = 0;
    virtual Colour GetColour() const = 0;
    // 0 to 5, 6 for a code without a name.
    virtual int GetTextureFunction() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        if (visitor.EnterAppearance(*this))
        {
            if (HasTexture())
                ThreeDObjectWalk::Pair(visitor, *this, &ThreeDObjectVisitor::BeforeAppearanceTexture,
                                       &ThreeDObjectAppearance::GetTexture,
                                       &ThreeDObjectVisitor::AfterAppearanceTexture);
            if (HasLightMapTexture())
                ThreeDObjectWalk::Pair(visitor, *this, &ThreeDObjectVisitor::BeforeAppearanceLightMapTexture,
                                       &ThreeDObjectAppearance::GetLightMapTexture,
                                       &ThreeDObjectVisitor::AfterAppearanceLightMapTexture);
            if (HasSpecularTexture())
                ThreeDObjectWalk::Pair(visitor, *this, &ThreeDObjectVisitor::BeforeAppearanceSpecularTexture,
                                       &ThreeDObjectAppearance::GetSpecularTexture,
                                       &ThreeDObjectVisitor::AfterAppearanceSpecularTexture);
            // The further links are walked without calls of their own around each.
            if (visitor.EnterAppearanceOtherTextures(*this))
            {
                const int count = GetOtherTextureCount();
                for (int i = 0; i < count; ++i)
                    ThreeDObjectWalk::Descend(visitor, GetOtherTexture(i));
            }
            visitor.LeaveAppearanceOtherTextures(*this);
        }
        visitor.LeaveAppearance(*this);
    }
};
} // namespace Velmo::Papy
