#pragma once
// An int in a text field, accepted from minimum to maximum: "Please enter an integer." for a
// text that is not one, "Please enter an integer between %1 and %2." for one outside a range
// narrower than int.
#include <climits>

#include "Vantrel/Dialogs/FieldValidator.h"

class CIntValidator : public CFieldValidator
{
public:
    explicit CIntValidator(int* value, int minimum = INT_MIN, int maximum = INT_MAX)
        : m_value(value), m_minimum(minimum), m_maximum(maximum)
    {
    }
    wxObject* Clone() const override { return new CIntValidator(*this); }

protected:
    std::string Read(const std::string& text, bool store) override;
    std::string Write() const override;

private:
    int* m_value;
    int m_minimum;
    int m_maximum;
};
