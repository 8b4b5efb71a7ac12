#pragma once
// A named bitmap standing at a vertex.
#include <string>

#include "Papy/Model/Colour.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Papy/Model/Vertex.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectScaledBitmap : public virtual ThreeDObject
{
public:
    virtual Vertex GetVertex() const = 0;
    virtual int GetVertexId() const = 0;
    virtual void SetVertexId(int id) = 0;
    virtual std::string GetSrbName() const = 0;
    virtual void SetSrbName(const std::string& name) = 0;
    // Sized by a scale factor rather than by a height.
    virtual bool HasScale() const = 0;
    virtual double GetScale() const = 0;
    virtual double GetHeight() const = 0;
    virtual bool HasColour() const = 0;
    virtual Colour GetColour() const = 0;
    virtual bool IsHorizontallyReversed() const = 0;
    virtual bool IsVerticallyReversed() const = 0;

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::Leaf(visitor, *this, &ThreeDObjectVisitor::VisitScaledBitmap);
    }
};
} // namespace Velmo::Papy
