#include "Vantrel/Drawing/ExternalObjectStack.h"

#include <algorithm>

#include "Vantrel/Drawing/ExternalObjectChain.h"

std::string ExternalObjectStack::Enter(const std::string& name, const void* object)
{
    const auto found = std::find(m_objects.begin(), m_objects.end(), object);
    if (found != m_objects.end())
    {
        const auto first = std::size_t(found - m_objects.begin());
        return "External object cycle: " +
               ExternalObjectChain::DescribeCycle(std::span(m_names).subspan(first), name);
    }
    if (m_objects.size() >= MaxDepth)
        return "External objects nested deeper than " + std::to_string(MaxDepth) + " levels";
    m_names.push_back(name);
    m_objects.push_back(object);
    return {};
}

void ExternalObjectStack::Leave()
{
    if (m_objects.empty())
        return;
    m_names.pop_back();
    m_objects.pop_back();
}

void ExternalObjectStack::Clear()
{
    m_names.clear();
    m_objects.clear();
}
