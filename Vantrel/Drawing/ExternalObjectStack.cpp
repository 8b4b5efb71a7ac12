#include "Vantrel/Drawing/ExternalObjectStack.h"

std::string ExternalObjectStack::Enter(const std::string& name, const void* object)
{
    for (std::size_t i = 0; i < m_entries.size(); ++i)
    {
        if (m_entries[i].Object != object)
            continue;
        std::string chain = "External object cycle: ";
        for (std::size_t j = i; j < m_entries.size(); ++j)
            chain += m_entries[j].Name + " -> ";
        return chain + name;
    }
    if (m_entries.size() >= MaxDepth)
        return "External objects nested deeper than " + std::to_string(MaxDepth) + " levels";
    m_entries.push_back({name, object});
    return {};
}

void ExternalObjectStack::Leave()
{
    if (!m_entries.empty())
        m_entries.pop_back();
}
