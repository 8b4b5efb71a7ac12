#pragma once
// The GPL nodes give their child ids through the model's interface (see
// ThreeDObjectChildReferences), which the graph check of a loaded file follows.
#include "Papy/Model/ThreeDObjectChildReferences.h"

namespace Velmo::Papy
{
typedef ThreeDObjectChildReferences GPLChildReferences;
} // namespace Velmo::Papy
