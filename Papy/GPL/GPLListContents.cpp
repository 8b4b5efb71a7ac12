#include "Papy/GPL/GPLListContents.h"

#include "Papy/GPL/GPLObjectList.h"

namespace Velmo::Papy
{
std::vector<U32> GPLListContents::ChildIds(const ThreeDObjectObjectList& list)
{
    // A list of this file holds the ids themselves; any other list is asked for its children.
    if (const GPLObjectList* own = dynamic_cast<const GPLObjectList*>(&list))
        return own->GetChildIds();
    std::vector<U32> ids;
    const int count = list.GetChildCount();
    ids.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        ids.push_back(U32(list.GetChild(i)->GetId()));
    return ids;
}

std::vector<U32> GPLListContents::Numbers(const ThreeDObjectNumberList& list)
{
    std::vector<U32> numbers;
    const int count = list.GetNumberCount();
    numbers.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        numbers.push_back(list.GetNumber(i));
    return numbers;
}
} // namespace Velmo::Papy
