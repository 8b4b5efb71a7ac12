#include "Util/AbortHandler.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "Util/VersionInfo.h"
#include "Util/XProcessorExceptionWin32.h"

namespace Velmo::Util
{
namespace
{
// Everything the handler needs is prepared here beforehand, so that it only reads it.
char g_title[256] = "Vantrel";
char g_noticeText[2048] =
    "Program has been terminated by an unexpected condition.\nAn error log has been written to %1. Please "
    "email this to the author along with a description of the problem.";
char g_noticeProgram[PATH_MAX] = "";
char g_reportPath[PATH_MAX + 32] = "";
char g_notice[sizeof g_noticeText + sizeof g_reportPath] = "";
volatile sig_atomic_t g_prepared = 0;
volatile sig_atomic_t g_handling = 0;

AbortHandlerGui g_handler;

void Copy(char* to, std::size_t capacity, const std::string& from)
{
    std::size_t n = from.size() < capacity - 1 ? from.size() : capacity - 1;
    std::memcpy(to, from.data(), n);
    to[n] = 0;
}

void WriteAll(int fd, const char* data, std::size_t length)
{
    while (length > 0)
    {
        ssize_t written = write(fd, data, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        data += written;
        length -= std::size_t(written);
    }
}

void WriteText(int fd, const char* text)
{
    WriteAll(fd, text, std::strlen(text));
}

void WriteDecimal(int fd, unsigned value)
{
    char digits[12];
    int n = 0;
    do
    {
        digits[n++] = char('0' + value % 10);
        value /= 10;
    } while (value != 0);
    char out[12];
    for (int i = 0; i < n; ++i)
        out[i] = digits[n - 1 - i];
    WriteAll(fd, out, std::size_t(n));
}

// Creates the error file afresh. A name planted in a shared temporary folder is never
// followed: the old entry is removed when we may, and the file is created exclusively.
int CreateReportFile()
{
    unlink(g_reportPath);
    return open(g_reportPath, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
}

void ShowNotice()
{
    if (g_noticeProgram[0] != 0)
    {
        pid_t child = fork();
        if (child == 0)
        {
            char option[] = "--crash-notice";
            char* arguments[] = {g_noticeProgram, option, g_reportPath, nullptr};
            execv(g_noticeProgram, arguments);
            _exit(127);
        }
        int status = 0;
        if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0)
            return;
    }
    WriteText(STDERR_FILENO, g_notice);
    WriteText(STDERR_FILENO, "\n");
}
} // namespace

AbortHandlerGui& AbortHandlerGui::Get() noexcept
{
    return g_handler;
}

void AbortHandlerGui::SetApplicationTitle(const std::string& title)
{
    Copy(g_title, sizeof g_title, title);
    g_prepared = 0;
}

void AbortHandlerGui::SetNoticeText(const std::string& text)
{
    Copy(g_noticeText, sizeof g_noticeText, text);
    g_prepared = 0;
}

void AbortHandlerGui::SetNoticeProgram(const std::string& program)
{
    Copy(g_noticeProgram, sizeof g_noticeProgram, program);
}

std::string AbortHandlerGui::GetReportPath()
{
    const char* folder = std::getenv("TMPDIR");
    std::string path = folder != nullptr && *folder != 0 ? folder : "/tmp";
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    if (path != "/")
        path += '/';
    return path + "VantrelErr.txt";
}

void AbortHandlerGui::Prepare() noexcept
{
    try
    {
        std::string path = GetReportPath();
        Copy(g_reportPath, sizeof g_reportPath, path);
        std::string notice = g_noticeText;
        std::size_t at = notice.find("%1");
        if (at != std::string::npos)
            notice.replace(at, 2, path);
        Copy(g_notice, sizeof g_notice, notice);
        g_prepared = 1;
    }
    catch (...)
    {
    }
}

void AbortHandlerGui::Handle(const Exception& exception) noexcept
{
    // A fault while reporting ends the process at once.
    if (g_handling)
        _exit(1);
    g_handling = 1;
    if (!g_prepared)
        Prepare();

    int fd = CreateReportFile();
    int out = fd >= 0 ? fd : STDERR_FILENO;
    U16 a, b, c, d;
    VersionInfo().GetFileVersion(a, b, c, d);
    WriteText(out, g_title);
    WriteText(out, " Version ");
    WriteDecimal(out, a);
    WriteText(out, ",");
    WriteDecimal(out, b);
    WriteText(out, ",");
    WriteDecimal(out, c);
    WriteText(out, ",");
    WriteDecimal(out, d);
    WriteText(out, " Error File\n");
    if (auto* report = dynamic_cast<const XProcessorExceptionWin32*>(&exception))
        WriteAll(out, report->GetReport(), report->GetReportLength());
    else
    {
        try
        {
            std::string text = exception.GetText();
            WriteAll(out, text.data(), text.size());
        }
        catch (...)
        {
        }
    }
    if (fd >= 0)
    {
        fsync(fd);
        close(fd);
        ShowNotice();
    }
    _exit(1);
}
} // namespace Velmo::Util
