#include "Vantrel/Drawing/ExternalObjectChain.h"

#include <algorithm>

bool ExternalObjectChain::Contains(const void* object) const
{
    return std::find(m_objects.begin(), m_objects.end(), object) != m_objects.end();
}

std::string ExternalObjectChain::Describe(const void* object, const std::string& name) const
{
    const auto first = std::size_t(std::find(m_objects.begin(), m_objects.end(), object) - m_objects.begin());
    return DescribeCycle(std::span(m_names).subspan(first), name);
}

std::string ExternalObjectChain::DescribeCycle(std::span<const std::string> names, const std::string& name)
{
    std::string text;
    for (const std::string& each : names)
        text += each + " -> ";
    return text + name;
}

void ExternalObjectChain::Enter(const std::string& name, const void* object)
{
    m_names.push_back(name);
    m_objects.push_back(object);
}

void ExternalObjectChain::Leave()
{
    if (m_objects.empty())
        return;
    m_names.pop_back();
    m_objects.pop_back();
}

void ExternalObjectChain::Clear()
{
    m_names.clear();
    m_objects.clear();
}
