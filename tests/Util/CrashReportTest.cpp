#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "Util/AbortHandler.h"
#include "Util/AbortHandlerScope.h"
#include "Util/VersionInfo.h"
#include "Util/XProcessorExceptionWin32.h"

using namespace Velmo;
using namespace Velmo::Util;

namespace
{
std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class CrashReport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        // A death test's child runs SetUp again: it must report into its parent's folder.
        if (const char* inherited = std::getenv("VELMO_CRASH_TEST_FOLDER"))
            m_folder = inherited;
        else
        {
            char pattern[] = "/tmp/vantrel-crash-XXXXXX";
            m_folder = mkdtemp(pattern);
            setenv("VELMO_CRASH_TEST_FOLDER", m_folder.c_str(), 1);
        }
        setenv("TMPDIR", m_folder.c_str(), 1);
        AbortHandlerGui::SetNoticeProgram("");
        AbortHandlerGui::SetFallbackFolder("/tmp");
    }
    void TearDown() override
    {
        std::filesystem::remove_all(m_folder);
        unsetenv("TMPDIR");
        unsetenv("VELMO_CRASH_TEST_FOLDER");
        AbortHandlerGui::SetFallbackFolder("/tmp");
    }
    // A script that keeps its arguments in "notice-args" and, given --crash-text, its standard
    // input in "notice-input", as the notice program.
    std::filesystem::path NoticeScript() const
    {
        std::filesystem::path script = m_folder / "notice.sh";
        std::ofstream(script) << "#!/bin/sh\necho \"$*\" > " << (m_folder / "notice-args").string()
                              << "\nif [ \"$1\" = --crash-text ]; then cat > " << (m_folder / "notice-input").string()
                              << "; fi\n";
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        return script;
    }
    std::filesystem::path ReportPath() const { return m_folder / "VantrelErr.txt"; }

    std::filesystem::path m_folder;
};

[[gnu::noinline, gnu::no_sanitize("address", "undefined")]] void Fault()
{
    // An address in the unmapped first page that the compiler cannot see, so the store happens.
    volatile std::uintptr_t address = 16;
    *reinterpret_cast<volatile int*>(address) = 1;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winfinite-recursion"
[[gnu::noinline]] int Recurse(int depth)
{
    volatile char block[1024];
    block[0] = char(depth);
    return Recurse(depth + 1) + block[0];
}
#pragma GCC diagnostic pop

[[gnu::noinline]] void ThrowThroughNoexcept() noexcept
{
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wterminate"
    throw std::runtime_error("escaped");
#pragma GCC diagnostic pop
}

const char* const g_firstLine = "Vantrel Version 3,0,0,1 Error File\n";
} // namespace

TEST_F(CrashReport, AccessViolationWritesReportAndExitsWithOne)
{
    EXPECT_EXIT(
        {
            AbortHandlerScope scope;
            Fault();
        },
        ::testing::ExitedWithCode(1), "Program has been terminated by an unexpected condition");
    std::string report = ReadFile(ReportPath());
    EXPECT_EQ(report.rfind(std::string(g_firstLine) + "Processor exception\n\nException code: 0xC0000005 "
                                                       "ACCESS_VIOLATION\n",
                           0),
              0u)
        << report;
    EXPECT_NE(report.find("Registers:\n"), std::string::npos);
    EXPECT_NE(report.find("\nCall Stack\n"), std::string::npos);
    EXPECT_NE(report.find("End Call Stack\n"), std::string::npos);
    // Only the owner may read the report.
    struct stat info;
    ASSERT_EQ(stat(ReportPath().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(CrashReport, AbortHasNoExceptionCode)
{
    EXPECT_EXIT(
        {
            AbortHandlerScope scope;
            std::abort();
        },
        ::testing::ExitedWithCode(1), "");
    std::string report = ReadFile(ReportPath());
    // No exception code; the fault address is where the report was raised.
    EXPECT_EQ(report.rfind(std::string(g_firstLine) + "abort() called\n\nFault address: ", 0), 0u) << report;
    EXPECT_NE(report.find("\nRegisters:\n"), std::string::npos) << report;
    EXPECT_EQ(report.find("Exception code"), std::string::npos);
}

TEST_F(CrashReport, UnhandledExceptionCallsTerminate)
{
    EXPECT_EXIT(
        {
            AbortHandlerScope scope;
            ThrowThroughNoexcept();
        },
        ::testing::ExitedWithCode(1), "");
    std::string report = ReadFile(ReportPath());
    EXPECT_EQ(report.rfind(std::string(g_firstLine) + "terminate() called\n\nFault address: ", 0), 0u) << report;
    EXPECT_NE(report.find("\nRegisters:\n"), std::string::npos) << report;
}

#ifndef VANTREL_SANITIZE
TEST_F(CrashReport, StackOverflowIsReported)
{
    EXPECT_EXIT(
        {
            AbortHandlerScope scope;
            Recurse(0);
        },
        ::testing::ExitedWithCode(1), "");
    std::string report = ReadFile(ReportPath());
    EXPECT_NE(report.find("Exception code: 0xC00000FD STACK_OVERFLOW\n"), std::string::npos) << report;
}
#endif

TEST_F(CrashReport, PlantedSymbolicLinkIsNotFollowed)
{
    std::filesystem::path victim = m_folder / "victim.txt";
    // The death test's child runs this again: make the setup idempotent.
    if (!std::filesystem::exists(victim))
        std::ofstream(victim) << "precious";
    std::error_code ignored;
    std::filesystem::create_symlink(victim, ReportPath(), ignored);
    EXPECT_EXIT(
        {
            AbortHandlerScope scope;
            Fault();
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(ReadFile(victim), "precious");
    EXPECT_FALSE(std::filesystem::is_symlink(ReportPath()));
}

TEST_F(CrashReport, NoticeProgramGetsTheReportPath)
{
    std::filesystem::path marker = m_folder / "notice-args";
    std::filesystem::path script = m_folder / "notice.sh";
    std::ofstream(script) << "#!/bin/sh\necho \"$1 $2\" > " << marker.string() << "\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    EXPECT_EXIT(
        {
            AbortHandlerGui::SetNoticeProgram(script.string());
            AbortHandlerScope scope;
            Fault();
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(ReadFile(marker), "--crash-notice " + ReportPath().string() + "\n");
}

TEST_F(CrashReport, ScopeRestoresPreviousHandlers)
{
    struct sigaction before, after;
    sigaction(SIGSEGV, nullptr, &before);
    std::terminate_handler terminateBefore = std::get_terminate();
    {
        AbortHandlerScope scope;
        struct sigaction during;
        sigaction(SIGSEGV, nullptr, &during);
        EXPECT_NE(during.sa_sigaction, before.sa_sigaction);
    }
    sigaction(SIGSEGV, nullptr, &after);
    EXPECT_EQ(after.sa_sigaction, before.sa_sigaction);
    EXPECT_EQ(std::get_terminate(), terminateBefore);
}

TEST(CrashReportText, CodeNamesAndSignals)
{
    EXPECT_STREQ(XProcessorExceptionWin32::GetCodeName(0xC0000005), "ACCESS_VIOLATION");
    EXPECT_STREQ(XProcessorExceptionWin32::GetCodeName(0x80000001), "GUARD_PAGE");
    EXPECT_STREQ(XProcessorExceptionWin32::GetCodeName(0xC00000FD), "STACK_OVERFLOW");
    EXPECT_STREQ(XProcessorExceptionWin32::GetCodeName(0x12345678), "");
    siginfo_t info{};
    info.si_signo = SIGFPE;
    info.si_code = FPE_INTDIV;
    EXPECT_EQ(XProcessorExceptionWin32::CodeForSignal(info), 0xC0000094u);
    info.si_signo = SIGILL;
    info.si_code = ILL_ILLOPC;
    EXPECT_EQ(XProcessorExceptionWin32::CodeForSignal(info), 0xC000001Du);
}

TEST(CrashReportText, RegistersUseFixedWidths)
{
    XProcessorExceptionWin32 report("title\n\n", nullptr, nullptr);
    std::string text = report.GetText();
    EXPECT_EQ(text.rfind("title\n\nFault address: 0x", 0), 0u) << text;
    EXPECT_NE(text.find("\nRegisters:\nRAX=0x"), std::string::npos) << text;
    std::size_t cs = text.find(" CS=0x");
    ASSERT_NE(cs, std::string::npos);
    EXPECT_EQ(text.substr(cs + 10, 5), " RIP=");
    EXPECT_NE(text.find("CrashReportText_RegistersUseFixedWidths"), std::string::npos) << text;
}

TEST(CrashReportText, VersionComesFromTheBuild)
{
    U16 a, b, c, d;
    VersionInfo().GetFileVersion(a, b, c, d);
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(c, 0);
    EXPECT_EQ(d, 1);
}

// The temporary folder is $TMPDIR when it names a folder that takes files, else /tmp (or the
// fallback folder set).
TEST_F(CrashReport, TemporaryFolderFallsBackWhenUnusable)
{
    const std::filesystem::path file = m_folder / "a-file";
    std::ofstream(file) << "x";
    std::filesystem::create_directory(m_folder / "sub");
    std::filesystem::create_directory_symlink(m_folder / "sub", m_folder / "link");
    const std::string folder = m_folder.string();
    const struct
    {
        const char* what;
        bool set;
        std::string tmpdir;
        std::string path;
    } cases[] = {
        {"a folder", true, folder, folder + "/VantrelErr.txt"},
        {"ending in slashes", true, folder + "//", folder + "/VantrelErr.txt"},
        {"a link to a folder", true, folder + "/link", folder + "/link/VantrelErr.txt"},
        {"unset", false, "", "/tmp/VantrelErr.txt"},
        {"empty", true, "", "/tmp/VantrelErr.txt"},
        {"a missing folder", true, folder + "/missing", "/tmp/VantrelErr.txt"},
        {"in a missing folder", true, folder + "/missing/deeper", "/tmp/VantrelErr.txt"},
        {"a file", true, file.string(), "/tmp/VantrelErr.txt"},
    };
    for (const auto& c : cases)
    {
        if (c.set)
            setenv("TMPDIR", c.tmpdir.c_str(), 1);
        else
            unsetenv("TMPDIR");
        EXPECT_EQ(AbortHandlerGui::GetReportPath(), c.path) << c.what;
    }
    // A folder that may not be written in (the superuser may write in any).
    std::filesystem::create_directory(m_folder / "locked");
    std::filesystem::permissions(m_folder / "locked",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    setenv("TMPDIR", (folder + "/locked").c_str(), 1);
    EXPECT_EQ(AbortHandlerGui::GetReportPath(),
              geteuid() == 0 ? folder + "/locked/VantrelErr.txt" : std::string("/tmp/VantrelErr.txt"));
    // The fallback folder set takes the place of /tmp.
    setenv("TMPDIR", (folder + "/missing").c_str(), 1);
    AbortHandlerGui::SetFallbackFolder(folder + "/sub/");
    EXPECT_EQ(AbortHandlerGui::GetReportPath(), folder + "/sub/VantrelErr.txt");
}

// $TMPDIR names a missing folder: the report is written to /tmp, and the notice names it there.
TEST_F(CrashReport, MissingTemporaryFolderReportsInTmp)
{
    const std::filesystem::path report = "/tmp/VantrelErr.txt";
    const std::filesystem::path script = NoticeScript();
    setenv("TMPDIR", (m_folder / "missing").c_str(), 1);
    EXPECT_EXIT(
        {
            AbortHandlerGui::SetNoticeProgram(script.string());
            AbortHandlerScope scope;
            Fault();
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(ReadFile(m_folder / "notice-args"), "--crash-notice /tmp/VantrelErr.txt\n");
    const std::string text = ReadFile(report);
    std::filesystem::remove(report);
    EXPECT_EQ(text.rfind(std::string(g_firstLine) + "Processor exception\n\nException code: 0xC0000005", 0), 0u)
        << text;
    EXPECT_FALSE(std::filesystem::exists(m_folder / "missing"));
    // Without a notice program the notice on standard error names it.
    EXPECT_EXIT(
        {
            AbortHandlerScope scope;
            Fault();
        },
        ::testing::ExitedWithCode(1), "An error log has been written to /tmp/VantrelErr.txt\\.");
    EXPECT_EQ(ReadFile(report).rfind(g_firstLine, 0), 0u);
    std::filesystem::remove(report);
}

// The temporary folder went away after the handlers were installed: the fallback folder takes
// the report.
TEST_F(CrashReport, FolderGoneAtTheCrashFallsBack)
{
    const std::filesystem::path fallback = m_folder / "fallback";
    std::filesystem::create_directories(fallback);
    const std::filesystem::path gone = m_folder / "gone";
    std::filesystem::create_directories(gone);
    setenv("TMPDIR", gone.c_str(), 1);
    const std::filesystem::path script = NoticeScript();
    EXPECT_EXIT(
        {
            AbortHandlerGui::SetNoticeProgram(script.string());
            AbortHandlerGui::SetFallbackFolder(fallback.string());
            AbortHandlerScope scope;
            std::filesystem::remove(gone);
            Fault();
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(ReadFile(m_folder / "notice-args"), "--crash-notice " + (fallback / "VantrelErr.txt").string() + "\n");
    const std::string text = ReadFile(fallback / "VantrelErr.txt");
    EXPECT_EQ(text.rfind(std::string(g_firstLine) + "Processor exception\n\n", 0), 0u) << text;
}

// No folder takes the report: the notice program gets the report's text on its standard input,
// and standard error has the notice and the report.
TEST_F(CrashReport, NoFileShowsTheReportText)
{
    // The error file's name is taken by a folder with something in it in the temporary folder,
    // and the fallback folder is missing.
    std::filesystem::create_directories(m_folder / "VantrelErr.txt" / "in-the-way");
    const std::string notice = "Program has been terminated by an unexpected condition.\nNo error log could be "
                               "written. Please email the report below to the author along with a description "
                               "of the problem.\n\n";
    const std::filesystem::path script = NoticeScript();
    EXPECT_EXIT(
        {
            AbortHandlerGui::SetFallbackFolder((m_folder / "missing").string());
            AbortHandlerGui::SetNoticeProgram(script.string());
            AbortHandlerScope scope;
            Fault();
        },
        ::testing::ExitedWithCode(1),
        ::testing::HasSubstr(notice + g_firstLine + "Processor exception\n\nException code: 0xC0000005"));
    EXPECT_EQ(ReadFile(m_folder / "notice-args"), "--crash-text\n");
    const std::string text = ReadFile(m_folder / "notice-input");
    EXPECT_EQ(text.rfind(std::string(g_firstLine) + "Processor exception\n\nException code: 0xC0000005", 0), 0u)
        << text;
    EXPECT_NE(text.find("End Call Stack\n"), std::string::npos) << text;
    EXPECT_FALSE(std::filesystem::exists(m_folder / "missing"));
    // Another text than the report, and a report that is not a processor exception's.
    EXPECT_EXIT(
        {
            AbortHandlerGui::SetFallbackFolder((m_folder / "missing").string());
            AbortHandlerGui::SetNoFileNoticeText("Nowhere to write.");
            AbortHandlerGui::Get().Handle(XUsage("The handler was handed this."));
        },
        ::testing::ExitedWithCode(1),
        ::testing::HasSubstr(std::string("Nowhere to write.\n\n") + g_firstLine + "The handler was handed this."));
}
