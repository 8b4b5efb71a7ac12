#include "Vantrel/Drawing/DrawingReport.h"

#include <algorithm>

bool DrawingReport::Add(const std::string& text)
{
    if (std::find(m_messages.begin(), m_messages.end(), text) != m_messages.end())
        return false;
    m_messages.push_back(text);
    return true;
}

std::string DrawingReport::GetText() const
{
    std::string text;
    for (const std::string& message : m_messages)
        text += (text.empty() ? "" : "\n") + message;
    return text;
}
