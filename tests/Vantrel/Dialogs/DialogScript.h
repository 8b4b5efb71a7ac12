#pragma once
// Drives the modal dialogs of a test: message boxes are answered at once (their texts kept),
// and an action runs on each other dialog once its modal loop is running; the action types
// into fields and presses buttons as a user would.
#include <functional>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

namespace DialogTest
{
class Script : public wxModalDialogHook
{
public:
    Script()
    {
        ++Count();
        Register();
    }
    ~Script() override
    {
        Unregister();
        --Count();
    }
    // The scripts alive now: their dialogs are shown on purpose.
    static int Running() { return Count(); }

    // Runs on each dialog that is not a message box, inside its modal loop.
    std::function<void(wxDialog&)> onShow;
    // The texts of the message boxes shown, and the button that answers them.
    std::vector<std::string> messages;
    int answer = wxID_OK;

protected:
    int Enter(wxDialog* dialog) override
    {
        if (auto* box = dynamic_cast<wxMessageDialog*>(dialog))
        {
            messages.push_back(box->GetMessage().utf8_string());
            return answer;
        }
        if (onShow)
        {
            auto action = onShow;
            wxTheApp->CallAfter([dialog, action] { action(*dialog); });
        }
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

private:
    static int& Count()
    {
        static int count = 0;
        return count;
    }
};

inline wxTextCtrl& Text(wxWindow& dialog, int id)
{
    auto* text = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(id));
    if (text == nullptr)
        throw std::runtime_error("no text field " + std::to_string(id));
    return *text;
}

// Presses a button as a click would.
inline void Click(wxWindow& dialog, int id)
{
    wxWindow* button = dialog.FindWindow(id);
    if (button == nullptr)
        throw std::runtime_error("no button " + std::to_string(id));
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(event);
}

// Processes events until the condition holds, for at most 10 s (between events it waits for the
// next one); whether it held.
inline bool PumpUntil(const std::function<bool()>& condition)
{
    const wxLongLong end = wxGetLocalTimeMillis() + 10000;
    for (;;)
    {
        wxTheApp->ProcessPendingEvents();
        while (wxTheApp->Pending())
            wxTheApp->Dispatch();
        wxTheApp->ProcessIdle();
        if (condition())
            return true;
        if (wxGetLocalTimeMillis() >= end)
            return false;
        if (wxEventLoopBase* loop = wxEventLoopBase::GetActive())
            loop->DispatchTimeout(5);
    }
}

// The id of the window with the focus, -1 when none has it.
inline int FocusId()
{
    wxWindow* focus = wxWindow::FindFocus();
    return focus != nullptr ? focus->GetId() : -1;
}
} // namespace DialogTest
