#include "Vantrel/Rows/PaneNotices.h"

#include <algorithm>
#include <utility>

namespace
{
bool Holds(const std::vector<std::string>& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}
} // namespace

void PaneNotices::Own(const Owner& owner)
{
    if (owner == m_owner)
        return;
    m_owner = owner;
    m_told.clear();
    SetShown({});
}

void PaneNotices::Add(const std::string& text)
{
    if (text.empty() || Holds(m_told, text))
        return;
    m_told.push_back(text);
    std::vector<std::string> shown = m_shown;
    shown.push_back(text);
    SetShown(std::move(shown));
}

void PaneNotices::Close()
{
    SetShown({});
}

void PaneNotices::SetShown(std::vector<std::string> shown)
{
    if (shown == m_shown)
        return;
    m_shown = std::move(shown);
    ++m_revision;
}
