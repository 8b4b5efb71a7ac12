#pragma once
// A float in a text field, shown with 6 significant digits, accepted from minimum to maximum:
// "Please enter a number." for a text that is not one, "Please enter a number between %1 and
// %2." for one outside.
#include "Vantrel/Dialogs/FieldValidator.h"

class CFloatValidator : public CFieldValidator
{
public:
    CFloatValidator(float* value, float minimum, float maximum)
        : m_value(value), m_minimum(minimum), m_maximum(maximum)
    {
    }
    wxObject* Clone() const override { return new CFloatValidator(*this); }

protected:
    std::string Read(const std::string& text, bool store) override;
    std::string Write() const override;

private:
    float* m_value;
    float m_minimum;
    float m_maximum;
};
