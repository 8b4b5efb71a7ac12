#include "Vantrel/Dialogs/DoubleValidator.h"

#include "Vantrel/Visitors/ValueParse.h"

std::string CDoubleValidator::Read(const std::string& text, bool store)
{
    double value = *m_value;
    const std::string message = ValueParse::ParseDouble(text, value);
    if (store && message.empty())
        *m_value = value;
    return message;
}

std::string CDoubleValidator::Write() const
{
    return ValueParse::FormatDouble(*m_value);
}
