#pragma once
// The one place where the application catches what a document operation or a command throws:
// a library error shows its text, a standard exception its what() text, anything else
// "Caught an unknown exception."; whichever it was, the operation has failed.
//
// Messages go through a sink: by default a message box with the application's title; the
// tests put their own in to read what the user would have seen. A message of more lines than a
// box shows (ReportLines) goes to the report box that the application sets (the first lines and
// a Details text), so that it fits the screen; any other keeps the plain message box.
#include <functional>
#include <string>

class CCatchPattern
{
public:
    typedef std::function<void(const std::string& text)> Sink;

    // Runs the operation; true when it returned, false when it threw (the message shown).
    static bool Run(const std::function<void()>& operation);
    // The message for the exception being handled (call inside a catch block).
    static std::string DescribeCurrentException();

    // Shows a message (on the GUI thread only, which it asserts).
    static void ShowMessage(const std::string& text);
    // Asks a question in a Yes/No box with the application's title (on the GUI thread); true
    // for Yes. Questions never go to the sink: a test answers the box itself (wxTEST_DIALOG).
    static bool AskYesNo(const std::string& text);
    // Replaces the sink; an empty one restores the message box. Returns the previous sink.
    static Sink SetSink(Sink sink);
    // The box of a long message, given the caption and the text as the user reads it (UTF-8);
    // without one, long messages too go to the plain message box.
    typedef std::function<void(const std::string& caption, const std::string& text)> ReportBox;
    static void SetReportBox(ReportBox box);

    static constexpr const char* UnknownExceptionText = "Caught an unknown exception.";
};
