#include "Vantrel/Drawing/ExternalObjectChain.h"

#include <algorithm>

namespace
{
std::string Key(const std::string& name)
{
    std::string key = name;
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return key;
}
} // namespace

bool ExternalObjectChain::Contains(const std::string& name) const
{
    return std::find(m_keys.begin(), m_keys.end(), Key(name)) != m_keys.end();
}

std::string ExternalObjectChain::Describe(const std::string& name) const
{
    const auto first = std::size_t(std::find(m_keys.begin(), m_keys.end(), Key(name)) - m_keys.begin());
    return DescribeCycle(std::span(m_names).subspan(first), name);
}

std::string ExternalObjectChain::DescribeCycle(std::span<const std::string> names, const std::string& name)
{
    std::string text;
    for (const std::string& each : names)
        text += each + " -> ";
    return text + name;
}

void ExternalObjectChain::Enter(const std::string& name)
{
    m_names.push_back(name);
    m_keys.push_back(Key(name));
}

void ExternalObjectChain::Leave()
{
    if (m_names.empty())
        return;
    m_names.pop_back();
    m_keys.pop_back();
}
