#include "Vantrel/Dialogs/IntValidator.h"

#include "Vantrel/Visitors/ValueParse.h"

std::string CIntValidator::Read(const std::string& text, bool store)
{
    int value = *m_value;
    const std::string message = ValueParse::ParseInt(text, value, m_minimum, m_maximum);
    if (store && message.empty())
        *m_value = value;
    return message;
}

std::string CIntValidator::Write() const
{
    return ValueParse::FormatInt(*m_value);
}
