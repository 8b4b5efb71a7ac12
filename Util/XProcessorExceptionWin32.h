#pragma once
// The crash report as an error object: title, exception code, fault address, registers and
// call stack. The text is built at construction into storage of the object itself, with no
// allocation, so that it can be made inside a signal handler.
#include <csignal>
#include <cstddef>

#include "Util/Exception.h"
#include "Util/Types.h"

struct ucontext_t;

namespace Velmo::Util
{
class XProcessorExceptionWin32 : public RuntimeError
{
public:
    static constexpr std::size_t Capacity = 32 * 1024;

    // title: the report's first line with its blank line ("abort() called\n\n").
    // context: the registers of the failing thread (null: the current thread's, read here).
    // info: the fault record of a signal (null when there is none).
    XProcessorExceptionWin32(const char* title, const ucontext_t* context, const siginfo_t* info) noexcept;

    std::string GetText() const override;

    // The report without allocation, for the signal path.
    const char* GetReport() const noexcept { return m_text; }
    std::size_t GetReportLength() const noexcept { return m_length; }

    // The name of an exception code of the report's table; empty for any other code.
    static const char* GetCodeName(U32 code) noexcept;
    // The exception code that stands for a fault signal, 0 when the signal is not a fault.
    static U32 CodeForSignal(const siginfo_t& info) noexcept;

private:
    char m_text[Capacity];
    std::size_t m_length = 0;
};
} // namespace Velmo::Util
