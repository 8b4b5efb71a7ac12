#include "Vantrel/View/NoticeBar.h"

#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "Vantrel/Text/CodePage1252.h"

namespace
{
// The cross: drawn, clicked, never focused.
class CloseCross : public wxWindow
{
public:
    CloseCross(wxWindow* parent, std::function<void()> onClick)
        : wxWindow(parent, wxID_ANY, wxDefaultPosition, parent->FromDIP(wxSize(16, 16))), m_onClick(std::move(onClick))
    {
        SetToolTip("Close");
        SetCursor(wxCursor(wxCURSOR_HAND));
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(this);
            const wxSize size = GetClientSize();
            const int margin = size.GetWidth() / 4;
            dc.SetPen(wxPen(GetForegroundColour(), FromDIP(2)));
            dc.DrawLine(margin, margin, size.GetWidth() - margin, size.GetHeight() - margin);
            dc.DrawLine(size.GetWidth() - margin, margin, margin, size.GetHeight() - margin);
        });
        Bind(wxEVT_LEFT_UP, [this](wxMouseEvent&) {
            // Run after the click: the bar may go with what the function does.
            CallAfter([this] { m_onClick(); });
        });
    }
    bool AcceptsFocus() const override { return false; }
    bool AcceptsFocusFromKeyboard() const override { return false; }

private:
    std::function<void()> m_onClick;
};
} // namespace

CNoticeBar::CNoticeBar(wxWindow* parent, std::function<void()> onClose)
    : wxWindow(parent, wxID_ANY), m_onClose(std::move(onClose))
{
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_INFOBK));
    SetForegroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_INFOTEXT));
    m_text = new wxStaticText(this, wxID_ANY, wxString());
    m_text->SetForegroundColour(GetForegroundColour());
    m_close = new CloseCross(this, [this] {
        SetLines({});
        if (m_onClose)
            m_onClose();
    });
    m_close->SetForegroundColour(GetForegroundColour());
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(m_text, 1, wxALIGN_CENTER_VERTICAL | wxALL, FromDIP(6));
    sizer->Add(m_close, 0, wxALIGN_CENTER_VERTICAL | wxALL, FromDIP(6));
    SetSizer(sizer);
    Hide();
}

bool CNoticeBar::SetLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + CodePage1252::Shown(line);
    const wxString shown = wxString::FromUTF8(text);
    const bool changed = shown != m_shown;
    if (changed)
    {
        m_shown = shown;
        m_text->SetLabelText(shown);
    }
    const bool show = !lines.empty();
    if (show == IsShown() && !changed)
        return false;
    Show(show);
    // The bar's height may change with its lines: the pane lays out again.
    GetParent()->Layout();
    return true;
}

wxString CNoticeBar::GetText() const
{
    return IsShown() ? m_shown : wxString();
}
