#pragma once
// The error tree of the whole system. Every error is thrown by value and caught by
// reference; the one thing a catcher asks of it is GetText().
#include <cstddef>
#include <string>

namespace Velmo::Util
{
class Exception
{
public:
    virtual ~Exception() = default;
    virtual std::string GetText() const = 0;
};

class LogicError : public Exception
{
};

class RuntimeError : public Exception
{
};

// A broken internal expectation. Keeps pointers to constant program texts only.
class XAssertion : public LogicError
{
public:
    XAssertion(const char* expression, const char* file, int line);
    std::string GetText() const override;
    const char* GetExpression() const { return m_expression; }
    const char* GetFile() const { return m_file; }
    int GetLine() const { return m_line; }

private:
    const char* m_expression;
    const char* m_file;
    int m_line;
};

class XFileOpen : public RuntimeError
{
public:
    XFileOpen(std::string name, std::string systemText);
    std::string GetText() const override;

private:
    std::string m_name;
    std::string m_systemText;
};

class XFileRead : public RuntimeError
{
public:
    explicit XFileRead(std::string name);
    std::string GetText() const override;

private:
    std::string m_name;
};

// A write refused: by the stream itself (no system text), or by the system, whose text for
// the cause ("No space left on device") follows the name.
class XFileWrite : public RuntimeError
{
public:
    explicit XFileWrite(std::string name, std::string systemText = "");
    std::string GetText() const override;

private:
    std::string m_name;
    std::string m_systemText;
};

class XFileSeek : public RuntimeError
{
public:
    explicit XFileSeek(std::string name);
    std::string GetText() const override;

private:
    std::string m_name;
};

// A rule of a file format broken by the data of the named stream.
class XFileFormat : public RuntimeError
{
public:
    XFileFormat(std::string file, std::string message);
    std::string GetText() const override;
    const std::string& GetMessage() const { return m_message; }

private:
    std::string m_file;
    std::string m_message;
};

// An operation used in a way it does not support.
class XUsage : public RuntimeError
{
public:
    explicit XUsage(std::string message);
    std::string GetText() const override;

private:
    std::string m_message;
};

[[noreturn]] void ThrowAssertion(const char* expression, const char* file, int line);

// The source unit of an assertion as the error text names it: a dot, a backslash and the
// file name of the unit, made at compile time from __FILE__.
template <std::size_t N>
struct AssertionUnit
{
    char text[N + 2] = {};
    consteval AssertionUnit(const char (&path)[N])
    {
        std::size_t start = 0;
        for (std::size_t i = 0; i + 1 < N; ++i)
            if (path[i] == '/' || path[i] == '\\')
                start = i + 1;
        text[0] = '.';
        text[1] = '\\';
        std::size_t out = 2;
        for (std::size_t i = start; i + 1 < N; ++i)
            text[out++] = path[i];
        text[out] = 0;
    }
};

} // namespace Velmo::Util

// The unit text of the file that expands the macro, with static storage.
#define VELMO_SOURCE_UNIT                                                                          \
    ([]() -> const char* {                                                                         \
        static constexpr ::Velmo::Util::AssertionUnit<sizeof(__FILE__)> unit(__FILE__);            \
        return unit.text;                                                                          \
    }())

// Assertions stay active in released builds: they are errors reported to the user.
#define VELMO_ASSERT(expression)                                                                   \
    ((expression) ? static_cast<void>(0)                                                           \
                  : ::Velmo::Util::ThrowAssertion(#expression, VELMO_SOURCE_UNIT, __LINE__))

// An assertion whose text names a fixed source unit and line, for the checks that users and
// documents know by that text: it stays the same wherever the code sits.
#define VELMO_ASSERT_AT(expression, text, unit, line)                                              \
    ((expression) ? static_cast<void>(0) : ::Velmo::Util::ThrowAssertion(text, unit, line))

// An assertion whose expression text is given explicitly (the text a check is known by).
#define VELMO_ASSERT_TEXT(expression, text)                                                        \
    ((expression) ? static_cast<void>(0)                                                           \
                  : ::Velmo::Util::ThrowAssertion(text, VELMO_SOURCE_UNIT, __LINE__))
