#pragma once
// Runs a long operation (a document's open) with the busy cursor, and with a small window
// naming the file once it has taken longer than the delay. The operation runs on a worker
// thread while this thread waits, so the window can appear; the caller's thread is blocked
// throughout and nothing else touches what the operation builds. What the operation throws
// is thrown again here.
#include <functional>
#include <string>

class CBusyOpen
{
public:
    static void Run(const std::string& fileName, const std::function<void()>& operation);

    // The text of the busy window: "Opening <name>...".
    static std::string GetBusyText(const std::string& fileName);
    // For the tests: the delay before the window shows (500 ms), and the text of the last window shown.
    static void SetDelayMilliseconds(int milliseconds);
    static std::string GetLastShownText();
};
