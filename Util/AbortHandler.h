#pragma once
// What happens to a report of a condition the program cannot survive.
#include <string>

#include "Util/Exception.h"

namespace Velmo::Util
{
class AbortHandler
{
public:
    virtual ~AbortHandler() = default;
    // Does not return.
    [[noreturn]] virtual void Handle(const Exception& exception) noexcept = 0;
};

// Writes the error file, tells the user where it is, and ends the process with exit code 1.
// When no error file can be written, the user is told so and given the report's text instead.
// Safe to call from a signal handler when given an XProcessorExceptionWin32.
class AbortHandlerGui : public AbortHandler
{
public:
    static AbortHandlerGui& Get() noexcept;

    [[noreturn]] void Handle(const Exception& exception) noexcept override;

    // The application's name, the first word of the error file. Default "Vantrel".
    static void SetApplicationTitle(const std::string& title);
    // The notice text, with %1 standing for the error file's path (message 50004 by default).
    static void SetNoticeText(const std::string& text);
    // The notice when no error file could be written, which the report's text follows.
    static void SetNoFileNoticeText(const std::string& text);
    // A program that shows the notice to the user: it is started as
    // `program --crash-notice <error file>` in a new process (never GUI code inside a signal
    // handler), or, when no error file could be written, as `program --crash-text` with the
    // report on its standard input. Without one the notice goes to standard error.
    static void SetNoticeProgram(const std::string& program);
    // The folder of the error file when the temporary folder cannot take it. Default "/tmp".
    static void SetFallbackFolder(const std::string& folder);

    // The error file: "VantrelErr.txt" in the temporary folder, $TMPDIR when it names a folder
    // that may be written in, else the fallback folder (/tmp).
    static std::string GetReportPath();
    // Computes the report's paths and the notices from the environment; called by the handler
    // scope before any handler can run, so that the handlers only read prepared texts.
    static void Prepare() noexcept;
};
} // namespace Velmo::Util
