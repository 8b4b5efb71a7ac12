#include "Util/AbortHandler.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
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
char g_noFileNotice[2048] =
    "Program has been terminated by an unexpected condition.\nNo error log could be written. Please email "
    "the report below to the author along with a description of the problem.";
char g_noticeProgram[PATH_MAX] = "";
char g_fallbackFolder[PATH_MAX] = "/tmp";
// The error file in the temporary folder, and in the fallback folder should that refuse it;
// the notices name them.
char g_reportPath[PATH_MAX + 32] = "";
char g_fallbackPath[PATH_MAX + 32] = "";
char g_notice[sizeof g_noticeText + sizeof g_reportPath] = "";
char g_fallbackNotice[sizeof g_noticeText + sizeof g_fallbackPath] = "";
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
int CreateReportFile(const char* path)
{
    unlink(path);
    return open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
}

// The first line, then the exception's text.
void WriteReport(int fd, const Exception& exception)
{
    U16 a, b, c, d;
    VersionInfo().GetFileVersion(a, b, c, d);
    WriteText(fd, g_title);
    WriteText(fd, " Version ");
    WriteDecimal(fd, a);
    WriteText(fd, ",");
    WriteDecimal(fd, b);
    WriteText(fd, ",");
    WriteDecimal(fd, c);
    WriteText(fd, ",");
    WriteDecimal(fd, d);
    WriteText(fd, " Error File\n");
    if (auto* report = dynamic_cast<const XProcessorExceptionWin32*>(&exception))
        WriteAll(fd, report->GetReport(), report->GetReportLength());
    else
    {
        try
        {
            std::string text = exception.GetText();
            WriteAll(fd, text.data(), text.size());
        }
        catch (...)
        {
        }
    }
}

bool Succeeded(pid_t child)
{
    int status = 0;
    pid_t ended;
    do
        ended = waitpid(child, &status, 0);
    while (ended < 0 && errno == EINTR);
    return ended == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void ShowNotice(char* path, const char* notice)
{
    if (g_noticeProgram[0] != 0)
    {
        pid_t child = fork();
        if (child == 0)
        {
            char option[] = "--crash-notice";
            char* arguments[] = {g_noticeProgram, option, path, nullptr};
            execv(g_noticeProgram, arguments);
            _exit(127);
        }
        if (child > 0 && Succeeded(child))
            return;
    }
    WriteText(STDERR_FILENO, notice);
    WriteText(STDERR_FILENO, "\n");
}

// No error file: the report goes to standard error after its notice, and to the notice program
// through a pipe on its standard input.
void ShowReportText(const Exception& exception)
{
    WriteText(STDERR_FILENO, g_noFileNotice);
    WriteText(STDERR_FILENO, "\n\n");
    WriteReport(STDERR_FILENO, exception);
    int ends[2];
    if (g_noticeProgram[0] == 0 || pipe(ends) != 0)
        return;
    pid_t child = fork();
    if (child == 0)
    {
        close(ends[1]);
        if (ends[0] != STDIN_FILENO && (dup2(ends[0], STDIN_FILENO) < 0 || close(ends[0]) != 0))
            _exit(127);
        char option[] = "--crash-text";
        char* arguments[] = {g_noticeProgram, option, nullptr};
        execv(g_noticeProgram, arguments);
        _exit(127);
    }
    close(ends[0]);
    if (child > 0)
    {
        // A program that stops reading must not end this process with SIGPIPE.
        struct sigaction ignore;
        std::memset(&ignore, 0, sizeof ignore);
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGPIPE, &ignore, nullptr);
        WriteReport(ends[1], exception);
    }
    close(ends[1]);
    if (child > 0)
        Succeeded(child);
}

// The error file's path in a folder.
std::string ReportPathIn(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    if (folder != "/")
        folder += '/';
    return folder + "VantrelErr.txt";
}

// The notice naming a path.
std::string NoticeFor(const std::string& path)
{
    std::string notice = g_noticeText;
    std::size_t at = notice.find("%1");
    if (at != std::string::npos)
        notice.replace(at, 2, path);
    return notice;
}

// A folder that exists and in which files may be made.
bool IsUsableFolder(const char* folder)
{
    struct stat info;
    return stat(folder, &info) == 0 && S_ISDIR(info.st_mode) && access(folder, W_OK | X_OK) == 0;
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

void AbortHandlerGui::SetNoFileNoticeText(const std::string& text)
{
    Copy(g_noFileNotice, sizeof g_noFileNotice, text);
}

void AbortHandlerGui::SetFallbackFolder(const std::string& folder)
{
    Copy(g_fallbackFolder, sizeof g_fallbackFolder, folder);
    g_prepared = 0;
}

std::string AbortHandlerGui::GetReportPath()
{
    const char* folder = std::getenv("TMPDIR");
    if (folder != nullptr && *folder != 0 && IsUsableFolder(folder))
        return ReportPathIn(folder);
    return ReportPathIn(g_fallbackFolder);
}

void AbortHandlerGui::Prepare() noexcept
{
    try
    {
        std::string path = GetReportPath();
        std::string fallback = ReportPathIn(g_fallbackFolder);
        Copy(g_reportPath, sizeof g_reportPath, path);
        Copy(g_fallbackPath, sizeof g_fallbackPath, fallback);
        Copy(g_notice, sizeof g_notice, NoticeFor(path));
        Copy(g_fallbackNotice, sizeof g_fallbackNotice, NoticeFor(fallback));
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

    // The temporary folder may have gone since it was chosen: the fallback folder is tried next.
    char* path = g_reportPath;
    const char* notice = g_notice;
    int fd = CreateReportFile(path);
    if (fd < 0 && std::strcmp(g_fallbackPath, g_reportPath) != 0)
    {
        path = g_fallbackPath;
        notice = g_fallbackNotice;
        fd = CreateReportFile(path);
    }
    if (fd < 0)
    {
        ShowReportText(exception);
        _exit(1);
    }
    WriteReport(fd, exception);
    fsync(fd);
    close(fd);
    ShowNotice(path, notice);
    _exit(1);
}
} // namespace Velmo::Util
