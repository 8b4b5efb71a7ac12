#pragma once
// An axis-aligned box given by its two corners. The all-zero box stands for "no box".
#include "Papy/Model/Vertex.h"

namespace Velmo::Papy
{
class BoundingBox
{
public:
    BoundingBox() = default;
    // Requires max >= min on each axis, checked in the order x, y, z.
    BoundingBox(const Vertex& min, const Vertex& max);

    // True when all six coordinates are exactly 0.
    bool IsEmpty() const;

    bool operator==(const BoundingBox& other) const = default;

    Vertex MinVertex;
    Vertex MaxVertex;
};
} // namespace Velmo::Papy
