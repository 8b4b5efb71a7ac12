#include "Vantrel/Dialogs/TextValidator.h"

#include "Vantrel/Text/CodePage1252.h"

std::string CTextValidator::Read(const std::string& text, bool store)
{
    if (store)
        CodePage1252::FromUtf8(text, *m_value);
    return std::string();
}

std::string CTextValidator::Write() const
{
    return CodePage1252::ToUtf8(*m_value);
}
