#include "Util/XProcessorExceptionWin32.h"

#include <dlfcn.h>
#include <elf.h>
#include <link.h>
#include <ucontext.h>
#include <unwind.h>

#include <cstring>

namespace Velmo::Util
{
namespace
{
// Appends to a fixed block; never allocates, silently stops at the end of the block.
class ReportWriter
{
public:
    ReportWriter(char* block, std::size_t capacity) : m_block(block), m_capacity(capacity) { m_block[0] = 0; }

    void Text(const char* text)
    {
        while (text != nullptr && *text != 0)
            Char(*text++);
    }
    void Char(char c)
    {
        if (m_length + 1 < m_capacity)
        {
            m_block[m_length++] = c;
            m_block[m_length] = 0;
        }
    }
    // "0x" and digits upper-case hexadecimal digits with leading zeros.
    void Hex(U64 value, int digits)
    {
        Text("0x");
        for (int i = digits - 1; i >= 0; --i)
            Char("0123456789ABCDEF"[(value >> (4 * i)) & 0xF]);
    }
    void Decimal(U64 value)
    {
        char digits[24];
        int n = 0;
        do
        {
            digits[n++] = char('0' + value % 10);
            value /= 10;
        } while (value != 0);
        while (n > 0)
            Char(digits[--n]);
    }
    std::size_t Length() const { return m_length; }

private:
    char* m_block;
    std::size_t m_capacity;
    std::size_t m_length = 0;
};

struct CodeName
{
    U32 code;
    const char* name;
};

const CodeName g_codeNames[] = {
    {0x80000001, "GUARD_PAGE"},
    {0x80000002, "DATATYPE_MISALIGNMENT"},
    {0x80000003, "BREAKPOINT"},
    {0x80000004, "SINGLE_STEP"},
    {0xC0000005, "ACCESS_VIOLATION"},
    {0xC0000006, "IN_PAGE_ERROR"},
    {0xC0000008, "INVALID_HANDLE"},
    {0xC000001D, "ILLEGAL_INSTRUCTION"},
    {0xC0000025, "NONCONTINUABLE_EXCEPTION"},
    {0xC0000026, "INVALID_DISPOSITION"},
    {0xC000008C, "ARRAY_BOUNDS_EXCEEDED"},
    {0xC000008D, "FLT_DENORMAL_OPERAND"},
    {0xC000008E, "FLT_DIVIDE_BY_ZERO"},
    {0xC000008F, "FLT_INEXACT_RESULT"},
    {0xC0000090, "FLT_INVALID_OPERATION"},
    {0xC0000091, "FLT_OVERFLOW"},
    {0xC0000092, "FLT_STACK_CHECK"},
    {0xC0000093, "FLT_UNDERFLOW"},
    {0xC0000094, "INT_DIVIDE_BY_ZERO"},
    {0xC0000095, "INT_OVERFLOW"},
    {0xC0000096, "PRIV_INSTRUCTION"},
    {0xC00000FD, "STACK_OVERFLOW"},
};

// The module holding an address, the number of its loadable segment (from 1) and the offset
// in it. The module's ELF header and program headers are part of its first mapped segment.
bool FindLogicalAddress(U64 address, unsigned& segment, U64& offset, const char*& module)
{
    Dl_info info;
    if (address == 0 || dladdr(reinterpret_cast<void*>(address), &info) == 0 || info.dli_fbase == nullptr)
        return false;
    module = info.dli_fname != nullptr ? info.dli_fname : "";
    const auto* base = static_cast<const unsigned char*>(info.dli_fbase);
    const auto* header = reinterpret_cast<const ElfW(Ehdr)*>(base);
    if (std::memcmp(header->e_ident, ELFMAG, SELFMAG) != 0)
        return false;
    U64 relative = header->e_type == ET_DYN ? address - reinterpret_cast<U64>(base) : address;
    const auto* programs = reinterpret_cast<const ElfW(Phdr)*>(base + header->e_phoff);
    unsigned loadable = 0;
    for (unsigned i = 0; i < header->e_phnum; ++i)
    {
        if (programs[i].p_type != PT_LOAD)
            continue;
        ++loadable;
        if (relative >= programs[i].p_vaddr && relative < programs[i].p_vaddr + programs[i].p_memsz)
        {
            segment = loadable;
            offset = relative - programs[i].p_vaddr;
            return true;
        }
    }
    return false;
}

void WriteLogicalAddress(ReportWriter& out, U64 address)
{
    unsigned segment = 0;
    U64 offset = 0;
    const char* module = "";
    FindLogicalAddress(address, segment, offset, module);
    out.Hex(segment, 4);
    out.Char(':');
    out.Hex(offset, 16);
    out.Char(' ');
    out.Text(module);
}

struct Frame
{
    U64 pc;
    U64 frame;
};

struct FrameList
{
    Frame frames[64];
    int count = 0;
};

_Unwind_Reason_Code CollectFrame(struct _Unwind_Context* context, void* argument)
{
    auto* list = static_cast<FrameList*>(argument);
    if (list->count >= int(sizeof list->frames / sizeof list->frames[0]))
        return _URC_END_OF_STACK;
    int beforeInstruction = 0;
    U64 pc = _Unwind_GetIPInfo(context, &beforeInstruction);
    if (pc == 0)
        return _URC_END_OF_STACK;
    list->frames[list->count++] = {pc, U64(_Unwind_GetCFA(context))};
    return _URC_NO_REASON;
}

void WriteCallStack(ReportWriter& out, U64 faultPc)
{
    out.Text("\nCall Stack\n");
    out.Text("Address            Frame              Logical Addr            Module\n");
    FrameList list;
    _Unwind_Backtrace(&CollectFrame, &list);
    // The walk starts in the handler: begin at the faulting instruction when it is found.
    int first = 0;
    for (int i = 0; i < list.count; ++i)
        if (list.frames[i].pc == faultPc)
        {
            first = i;
            break;
        }
    for (int i = first; i < list.count; ++i)
    {
        const Frame& frame = list.frames[i];
        out.Hex(frame.pc, 16);
        out.Char(' ');
        out.Hex(frame.frame, 16);
        out.Char(' ');
        Dl_info info;
        // A return address points after the call; look the caller up inside its call.
        U64 lookup = i == first ? frame.pc : frame.pc - 1;
        if (dladdr(reinterpret_cast<void*>(lookup), &info) != 0 && info.dli_sname != nullptr)
        {
            out.Text(info.dli_sname);
            out.Char('+');
            out.Hex(frame.pc - reinterpret_cast<U64>(info.dli_saddr), 8);
            out.Char('\n');
        }
        else
        {
            WriteLogicalAddress(out, frame.pc);
            out.Char('\n');
        }
    }
    out.Text("End Call Stack\n");
}

#if defined(__x86_64__)
void WriteRegisters(ReportWriter& out, const ucontext_t& context)
{
    const greg_t* r = context.uc_mcontext.gregs;
    U64 segments = U64(r[REG_CSGSFS]);
    U16 cs = U16(segments), gs = U16(segments >> 16), fs = U16(segments >> 32), ss = U16(segments >> 48);
    auto reg = [&](const char* name, greg_t value) {
        out.Text(name);
        out.Hex(U64(value), 16);
    };
    auto seg = [&](const char* name, U16 value) {
        out.Text(name);
        out.Hex(value, 4);
    };
    out.Text("Registers:\n");
    reg("RAX=", r[REG_RAX]), seg(" CS=", cs), reg(" RIP=", r[REG_RIP]), reg(" EFLGS=", r[REG_EFL]), out.Char('\n');
    reg("RBX=", r[REG_RBX]), seg(" SS=", ss), reg(" RSP=", r[REG_RSP]), reg(" RBP=", r[REG_RBP]), out.Char('\n');
    reg("RCX=", r[REG_RCX]), seg(" DS=", 0), reg(" RSI=", r[REG_RSI]), seg(" FS=", fs), out.Char('\n');
    reg("RDX=", r[REG_RDX]), seg(" ES=", 0), reg(" RDI=", r[REG_RDI]), seg(" GS=", gs), out.Char('\n');
    reg("R8=", r[REG_R8]), reg(" R9=", r[REG_R9]), reg(" R10=", r[REG_R10]), reg(" R11=", r[REG_R11]), out.Char('\n');
    reg("R12=", r[REG_R12]), reg(" R13=", r[REG_R13]), reg(" R14=", r[REG_R14]), reg(" R15=", r[REG_R15]),
        out.Char('\n');
}

U64 InstructionPointer(const ucontext_t& context)
{
    return U64(context.uc_mcontext.gregs[REG_RIP]);
}

U64 StackPointer(const ucontext_t& context)
{
    return U64(context.uc_mcontext.gregs[REG_RSP]);
}
#else
void WriteRegisters(ReportWriter& out, const ucontext_t&)
{
    out.Text("Registers:\n(not available on this processor)\n");
}

U64 InstructionPointer(const ucontext_t&)
{
    return 0;
}

U64 StackPointer(const ucontext_t&)
{
    return 0;
}
#endif
} // namespace

const char* XProcessorExceptionWin32::GetCodeName(U32 code) noexcept
{
    for (const CodeName& entry : g_codeNames)
        if (entry.code == code)
            return entry.name;
    return "";
}

U32 XProcessorExceptionWin32::CodeForSignal(const siginfo_t& info) noexcept
{
    switch (info.si_signo)
    {
    case SIGSEGV:
        return 0xC0000005;
    case SIGBUS:
        return info.si_code == BUS_ADRALN ? 0x80000002 : 0xC0000006;
    case SIGILL:
        return info.si_code == ILL_PRVOPC || info.si_code == ILL_PRVREG ? 0xC0000096 : 0xC000001D;
    case SIGTRAP:
        return info.si_code == TRAP_TRACE ? 0x80000004 : 0x80000003;
    case SIGFPE:
        switch (info.si_code)
        {
        case FPE_INTDIV:
            return 0xC0000094;
        case FPE_INTOVF:
            return 0xC0000095;
        case FPE_FLTDIV:
            return 0xC000008E;
        case FPE_FLTOVF:
            return 0xC0000091;
        case FPE_FLTUND:
            return 0xC0000093;
        case FPE_FLTRES:
            return 0xC000008F;
        case FPE_FLTSUB:
            return 0xC000008C;
        default:
            return 0xC0000090;
        }
    default:
        return 0;
    }
}

XProcessorExceptionWin32::XProcessorExceptionWin32(const char* title, const ucontext_t* context,
                                                   const siginfo_t* info) noexcept
{
    ucontext_t own;
    if (context == nullptr)
    {
        getcontext(&own);
        context = &own;
    }
    ReportWriter out(m_text, Capacity);
    out.Text(title);
    U64 pc = InstructionPointer(*context);
    if (info != nullptr)
    {
        U32 code = CodeForSignal(*info);
        // A fault beside the stack pointer is the stack running into its guard page.
        if (code == 0xC0000005)
        {
            U64 address = reinterpret_cast<U64>(info->si_addr);
            U64 sp = StackPointer(*context);
            if (sp != 0 && address < sp + 4096 && address + 65536 > sp)
                code = 0xC00000FD;
        }
        out.Text("Exception code: ");
        out.Hex(code, 8);
        out.Char(' ');
        out.Text(GetCodeName(code));
        out.Char('\n');
    }
    unsigned segment = 0;
    U64 offset = 0;
    const char* module = "";
    // For a signal, where the fault happened; for an abort or an unhandled exception, where
    // the report was raised.
    if (FindLogicalAddress(pc, segment, offset, module))
    {
        out.Text("Fault address: ");
        out.Hex(pc, 16);
        out.Char(' ');
        out.Hex(segment, 4);
        out.Char(':');
        out.Hex(offset, 16);
        out.Char(' ');
        out.Text(module);
        out.Char('\n');
    }
    WriteRegisters(out, *context);
    WriteCallStack(out, info != nullptr ? pc : 0);
    m_length = out.Length();
}

std::string XProcessorExceptionWin32::GetText() const
{
    return std::string(m_text, m_length);
}
} // namespace Velmo::Util
