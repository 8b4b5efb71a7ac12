#include "Vantrel/Doc/SaveFailed.h"

namespace
{
// The system's reason of a refused open: the last line of its text ("Couldn't open <name>",
// then the reason), empty when it gave none. The name may hold any bytes, the reason no line
// break.
std::string ReasonOf(const Velmo::Util::XFileOpen& refusal)
{
    std::string text = refusal.GetText();
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    const std::string::size_type end = text.rfind('\n');
    return end == std::string::npos ? std::string() : text.substr(end + 1);
}
} // namespace

XSaveFailed::XSaveFailed(std::string path, std::string systemText)
    : m_path(std::move(path)), m_systemText(std::move(systemText))
{
}

XSaveFailed::XSaveFailed(std::string path, const Velmo::Util::XFileOpen& refusal)
    : XSaveFailed(std::move(path), ReasonOf(refusal))
{
}

std::string XSaveFailed::GetText() const
{
    std::string text = "Couldn't save " + m_path + "\n";
    if (!m_systemText.empty())
        text += m_systemText + "\n";
    return text;
}
