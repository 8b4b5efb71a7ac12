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
    return Join(m_messages);
}

std::string DrawingReport::Join(const std::vector<std::string>& all)
{
    std::vector<std::string> texts;
    for (const std::string& text : all)
        if (!text.empty())
            texts.push_back(text);
    // A line feed before the end of the last text, or anywhere in one before it.
    bool setApart = false;
    for (std::size_t i = 0; i < texts.size() && !setApart; ++i)
    {
        const std::size_t feed = texts[i].find('\n');
        setApart = feed != std::string::npos && (i + 1 < texts.size() || feed + 1 < texts[i].size());
    }
    std::string text;
    for (std::size_t i = 0; i < texts.size(); ++i)
    {
        std::string part = texts[i];
        if (i + 1 < texts.size() && setApart)
        {
            while (!part.empty() && part.back() == '\n')
                part.pop_back();
            part += "\n\n";
        }
        else if (i + 1 < texts.size())
            part += '\n';
        text += part;
    }
    return text;
}
