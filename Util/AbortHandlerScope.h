#pragma once
// Installs the crash handlers for its lifetime: the fault signals (SIGSEGV, SIGBUS, SIGILL,
// SIGFPE, SIGTRAP, handled on an alternate stack so that a stack overflow is still reported),
// SIGABRT and the terminate handler. The destructor restores the previous ones, in reverse order.
#include <csignal>
#include <exception>

namespace Velmo::Util
{
class AbortHandlerScope
{
public:
    AbortHandlerScope();
    ~AbortHandlerScope();
    AbortHandlerScope(const AbortHandlerScope&) = delete;
    AbortHandlerScope& operator=(const AbortHandlerScope&) = delete;

private:
    static constexpr int FaultSignalCount = 5;
    struct sigaction m_previousFaults[FaultSignalCount];
    struct sigaction m_previousAbort;
    std::terminate_handler m_previousTerminate;
    stack_t m_previousStack;
    bool m_stackInstalled = false;
};
} // namespace Velmo::Util
