#include "Vantrel/Drawing/ExternalObjectStack.h"

std::string ExternalObjectStack::Enter(const std::string& name, const void* object)
{
    if (m_chain.Contains(object))
        return "External object cycle: " + m_chain.Describe(object, name);
    if (m_chain.GetDepth() >= MaxDepth)
        return "External objects nested deeper than " + std::to_string(MaxDepth) + " levels";
    m_chain.Enter(name, object);
    return {};
}
