#pragma once
// One textured detail placed beside the track.
#include "Papy/Model/TextureVertex.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class ThreeDObjectTrackDetail : public virtual ThreeDObject
{
public:
    virtual double GetLongitude() const = 0;
    virtual double GetHeight() const = 0;
    virtual double GetLatitude() const = 0;
    virtual double GetWidth() const = 0;
    virtual double GetOrientation() const = 0;
    virtual Util::CountedPointer<ThreeDObject> GetAppearance() const = 0;
    virtual TextureVertex GetTextureVertex(int i) const = 0;

    // A track detail always has four corner vertices.
    static constexpr int VertexCount = 4;
    int GetVertexCount() const { return VertexCount; }

    void Accept(ThreeDObjectVisitor& visitor) override
    {
        ThreeDObjectWalk::OneChild(visitor, *this, &ThreeDObjectVisitor::EnterTrackDetail,
                                   &ThreeDObjectTrackDetail::GetAppearance, &ThreeDObjectVisitor::LeaveTrackDetail);
    }
};
} // namespace Velmo::Papy
