#pragma once
// The bar of notices above an OpenGL pane: the pane's own lines about how it drew, one a line,
// and a cross that closes the bar. It never takes the focus and no key reaches it: the menus,
// the accelerators and the pane's keys go on as if it were not there. Hidden while it has no
// lines; the pane's window lays out again when it shows or hides.
#include <functional>
#include <string>
#include <vector>

#include <wx/window.h>

class wxStaticText;

class CNoticeBar : public wxWindow
{
public:
    // onClose runs when the user clicks the cross (the bar has hidden itself then).
    CNoticeBar(wxWindow* parent, std::function<void()> onClose);

    // Shows the lines, or hides the bar for none; true when the bar changed.
    bool SetLines(const std::vector<std::string>& lines);
    void SetOnClose(std::function<void()> onClose) { m_onClose = std::move(onClose); }
    // The lines shown, one a line.
    wxString GetText() const;
    // The cross.
    wxWindow* GetCloseButton() const { return m_close; }

    bool AcceptsFocus() const override { return false; }
    bool AcceptsFocusFromKeyboard() const override { return false; }

private:
    wxStaticText* m_text = nullptr;
    wxWindow* m_close = nullptr;
    wxString m_shown;
    std::function<void()> m_onClose;
};
