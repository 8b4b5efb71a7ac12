#pragma once
// The contents of the generic lists that the track and car nodes are made from: the child ids
// of an object list and the numbers of a number list, taken without resolving any id.
#include <vector>

#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLListContents
{
public:
    static std::vector<U32> ChildIds(const ThreeDObjectObjectList& list);
    static std::vector<U32> Numbers(const ThreeDObjectNumberList& list);
};
} // namespace Velmo::Papy
