#pragma once
// The one place where the application catches what a document operation or a command throws:
// a library error shows its text, a standard exception its what() text, anything else
// "Caught an unknown exception."; whichever it was, the operation has failed.
//
// Messages go through a sink: by default a message box with the application's title; the
// tests put their own in to read what the user would have seen.
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
    // Replaces the sink; an empty one restores the message box. Returns the previous sink.
    static Sink SetSink(Sink sink);

    static constexpr const char* UnknownExceptionText = "Caught an unknown exception.";
};
