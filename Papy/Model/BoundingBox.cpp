#include "Papy/Model/BoundingBox.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
BoundingBox::BoundingBox(const Vertex& min, const Vertex& max) : MinVertex(min), MaxVertex(max)
{
    VELMO_ASSERT(MaxVertex.GetX() >= MinVertex.GetX());
    VELMO_ASSERT(MaxVertex.GetY() >= MinVertex.GetY());
    VELMO_ASSERT(MaxVertex.GetZ() >= MinVertex.GetZ());
}

bool BoundingBox::IsEmpty() const
{
    return MinVertex == Vertex() && MaxVertex == Vertex();
}
} // namespace Velmo::Papy
