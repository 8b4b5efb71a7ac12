#include "Util/Exception.h"

#include <sstream>

namespace Velmo::Util
{
XAssertion::XAssertion(const char* expression, const char* file, int line)
    : m_expression(expression), m_file(file), m_line(line)
{
}

std::string XAssertion::GetText() const
{
    std::ostringstream text;
    text << "Assertion failure at " << m_file << ": " << m_line << '\n' << m_expression << '\n';
    return text.str();
}

XFileOpen::XFileOpen(std::string name, std::string systemText)
    : m_name(std::move(name)), m_systemText(std::move(systemText))
{
}

std::string XFileOpen::GetText() const
{
    std::ostringstream text;
    text << "Couldn't open " << m_name << '\n' << m_systemText << '\n';
    return text.str();
}

XFileRead::XFileRead(std::string name) : m_name(std::move(name))
{
}

std::string XFileRead::GetText() const
{
    std::ostringstream text;
    text << "Couldn't read from " << m_name << '\n';
    return text.str();
}

XFileWrite::XFileWrite(std::string name, std::string systemText)
    : m_name(std::move(name)), m_systemText(std::move(systemText))
{
}

std::string XFileWrite::GetText() const
{
    std::ostringstream text;
    text << "Couldn't write to " << m_name << '\n';
    if (!m_systemText.empty())
        text << m_systemText << '\n';
    return text.str();
}

XFileSeek::XFileSeek(std::string name) : m_name(std::move(name))
{
}

std::string XFileSeek::GetText() const
{
    std::ostringstream text;
    text << "Couldn't seek in " << m_name << '\n';
    return text.str();
}

XFileFormat::XFileFormat(std::string file, std::string message)
    : m_file(std::move(file)), m_message(std::move(message))
{
}

std::string XFileFormat::GetText() const
{
    std::ostringstream text;
    text << "A possible error was found in file " << m_file << '\n' << m_message << '\n';
    return text.str();
}

XUsage::XUsage(std::string message) : m_message(std::move(message))
{
}

std::string XUsage::GetText() const
{
    return m_message;
}

void ThrowAssertion(const char* expression, const char* file, int line)
{
    throw XAssertion(expression, file, line);
}
} // namespace Velmo::Util
