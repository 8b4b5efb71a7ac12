// Answers the next message box (wxTEST_DIALOG) with the given button and keeps its text.
#pragma once

#include <wx/msgdlg.h>
#include <wx/testing.h>

namespace GuiTest
{
class MessageAnswer : public wxExpectModalBase<wxMessageDialog, MessageAnswer>
{
public:
    MessageAnswer(int answer, wxString* text) : m_answer(answer), m_text(text) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        *m_text = dialog->GetMessage();
        return m_answer;
    }

private:
    int m_answer;
    wxString* m_text;
};
} // namespace GuiTest
