#include "Util/AbortHandlerScope.h"

#include <dlfcn.h>
#include <unistd.h>
#include <ucontext.h>
#include <unwind.h>

#include <cstring>
#include <new>

#include "Util/AbortHandler.h"
#include "Util/XProcessorExceptionWin32.h"

namespace Velmo::Util
{
namespace
{
const int g_faultSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGTRAP};

// The alternate stack and the report live in static storage: a handler allocates nothing.
alignas(16) char g_alternateStack[256 * 1024];
alignas(XProcessorExceptionWin32) unsigned char g_reportStorage[sizeof(XProcessorExceptionWin32)];

[[noreturn]] void Report(const char* title, const ucontext_t* context, const siginfo_t* info) noexcept
{
    auto* report = new (g_reportStorage) XProcessorExceptionWin32(title, context, info);
    AbortHandlerGui::Get().Handle(*report);
    _exit(1);
}

void OnFault(int, siginfo_t* info, void* context)
{
    Report("Processor exception\n\n", static_cast<const ucontext_t*>(context), info);
}

void OnAbort(int, siginfo_t*, void* context)
{
    Report("abort() called\n\n", static_cast<const ucontext_t*>(context), nullptr);
}

void OnTerminate()
{
    Report("terminate() called\n\n", nullptr, nullptr);
}

_Unwind_Reason_Code CountFrame(struct _Unwind_Context*, void*)
{
    return _URC_NO_REASON;
}

// The first stack walk and symbol look-up load and initialise what they need; do them now,
// outside any handler.
void WarmUp()
{
    _Unwind_Backtrace(&CountFrame, nullptr);
    Dl_info info;
    dladdr(reinterpret_cast<void*>(&WarmUp), &info);
}

void Install(int signal, void (*handler)(int, siginfo_t*, void*), struct sigaction* previous)
{
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_sigaction = handler;
    sigemptyset(&action.sa_mask);
    // SA_NODEFER: a second fault while reporting reaches the handler, which ends the process.
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_NODEFER;
    sigaction(signal, &action, previous);
}
} // namespace

AbortHandlerScope::AbortHandlerScope()
{
    AbortHandlerGui::Prepare();
    WarmUp();

    stack_t stack;
    std::memset(&stack, 0, sizeof stack);
    stack.ss_sp = g_alternateStack;
    stack.ss_size = sizeof g_alternateStack;
    m_stackInstalled = sigaltstack(&stack, &m_previousStack) == 0;

    for (int i = 0; i < FaultSignalCount; ++i)
        Install(g_faultSignals[i], &OnFault, &m_previousFaults[i]);
    Install(SIGABRT, &OnAbort, &m_previousAbort);
    m_previousTerminate = std::set_terminate(&OnTerminate);
}

AbortHandlerScope::~AbortHandlerScope()
{
    std::set_terminate(m_previousTerminate);
    sigaction(SIGABRT, &m_previousAbort, nullptr);
    for (int i = FaultSignalCount - 1; i >= 0; --i)
        sigaction(g_faultSignals[i], &m_previousFaults[i], nullptr);
    if (m_stackInstalled)
        sigaltstack(&m_previousStack, nullptr);
}
} // namespace Velmo::Util
