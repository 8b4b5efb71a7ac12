#include "Vantrel/Drawing/DrawingReport.h"

#include <algorithm>

namespace
{
bool AddOnce(std::vector<std::string>& texts, const std::string& text)
{
    if (std::find(texts.begin(), texts.end(), text) != texts.end())
        return false;
    texts.push_back(text);
    return true;
}
} // namespace

bool DrawingReport::Add(const std::string& text)
{
    return AddOnce(m_messages, text);
}

bool DrawingReport::AddNotice(const std::string& text)
{
    return AddOnce(m_notices, text);
}

std::string DrawingReport::GetText() const
{
    std::string text;
    for (const std::string& message : m_messages)
        text += (text.empty() ? "" : "\n") + message;
    return text;
}
