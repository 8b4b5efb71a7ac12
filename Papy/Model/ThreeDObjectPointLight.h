#pragma once
// A point light.
#include "Papy/Model/Colour.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Papy/Model/Vertex.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectPointLight : public virtual ThreeDObject
{
public:
    virtual Vertex GetPosition() const = 0;
    virtual Colour GetDiffuseIntensity() const = 0;
    virtual Colour GetAmbientIntensity() const = 0;
    virtual double GetGlowRadius() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitPointLight);
    }
};
} // namespace Velmo::Papy
