#pragma once
// A double in a text field, shown with 15 significant digits; "Please enter a number." for a
// text that is not one.
#include "Vantrel/Dialogs/FieldValidator.h"

class CDoubleValidator : public CFieldValidator
{
public:
    explicit CDoubleValidator(double* value) : m_value(value) {}
    wxObject* Clone() const override { return new CDoubleValidator(*this); }

protected:
    std::string Read(const std::string& text, bool store) override;
    std::string Write() const override;

private:
    double* m_value;
};
