#pragma once
// The ids a node refers to as its children (the references a walk follows), given without
// resolving them, so that a check of the whole file can follow them without looking up every
// id through the file and without failing on an id that names no node.
#include <vector>

#include "Util/Types.h"

namespace Velmo::Papy
{
class ThreeDObjectChildReferences
{
public:
    virtual ~ThreeDObjectChildReferences() = default;
    virtual void AppendChildIds(std::vector<U32>& ids) const = 0;
};
} // namespace Velmo::Papy
