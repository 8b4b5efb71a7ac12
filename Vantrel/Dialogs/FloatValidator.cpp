#include "Vantrel/Dialogs/FloatValidator.h"

#include "Vantrel/Visitors/ValueParse.h"

std::string CFloatValidator::Read(const std::string& text, bool store)
{
    float value = *m_value;
    const std::string message = ValueParse::ParseFloat(text, value, m_minimum, m_maximum);
    if (store && message.empty())
        *m_value = value;
    return message;
}

std::string CFloatValidator::Write() const
{
    return ValueParse::FormatFloat(*m_value);
}
