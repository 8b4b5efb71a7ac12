#pragma once
// A code-page 1252 text in a text field, converted to the widget's Unicode and back. Every text
// is accepted; characters that the code page lacks do not come back (the string editor does not
// let them in).
#include "Vantrel/Dialogs/FieldValidator.h"

class CTextValidator : public CFieldValidator
{
public:
    explicit CTextValidator(std::string* value) : m_value(value) {}
    wxObject* Clone() const override { return new CTextValidator(*this); }

protected:
    std::string Read(const std::string& text, bool store) override;
    std::string Write() const override;

private:
    std::string* m_value;
};
