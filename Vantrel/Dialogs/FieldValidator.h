#pragma once
// The validator of one text field of a dialog: it shows the value as text when the dialog
// opens, and on OK reads the text back through a parse function. A text the parse refuses
// keeps the dialog open: its message is shown and the focus goes to the field. A disabled field
// is shown but neither checked nor read back, so its value comes back as it was given; so does
// the value of a field whose text is still the one shown, though the text carries fewer digits
// than the value (a vertex whose X alone was edited keeps its Y and Z to the last bit).
#include <string>

#include <wx/validate.h>

class wxTextCtrl;

class CFieldValidator : public wxValidator
{
public:
    bool Validate(wxWindow* parent) override;
    bool TransferToWindow() override;
    bool TransferFromWindow() override;

    // The message box of a refused value, with the application's title.
    static void ShowMessage(wxWindow* parent, const std::string& message);

protected:
    CFieldValidator() = default;
    CFieldValidator(const CFieldValidator& other) = default;

    // The message for a text it refuses, else an empty text (and, when store is set, the value
    // read into its member). Texts are UTF-8.
    virtual std::string Read(const std::string& text, bool store) = 0;
    // The member's value as text.
    virtual std::string Write() const = 0;

private:
    wxTextCtrl* GetTextControl() const;

    // The text shown for the member's value, and whether one was shown.
    std::string m_shown;
    bool m_hasShown = false;
};
