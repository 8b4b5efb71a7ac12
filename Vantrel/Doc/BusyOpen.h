#pragma once
// Runs a document's open on the GUI thread, the one thread of the program, with the wait
// cursor. A large file (over 16 MB) first gets the busy window "Opening <name>...", shown and
// painted before the open starts (events of painting only are handled meanwhile, never the
// user's), and gone when the open ends, whether it returned or threw. What the open throws
// passes to the caller. Messages shown during the open (a replay's track that fails) work as
// anywhere else.
#include <cstdint>
#include <functional>
#include <string>

class wxWindow;

class CBusyOpen
{
public:
    static void Run(const std::string& fileName, std::uint64_t size, const std::function<void()>& operation);

    // The text of the busy window: "Opening <name>...".
    static std::string GetBusyText(const std::string& fileName);
    // The size from which the busy window is shown: larger files get it.
    static constexpr std::uint64_t LargeFileBytes = std::uint64_t(16) << 20;

    // For the tests: the busy window while it is shown (else null), and the text of the last one.
    static wxWindow* GetWindow();
    static std::string GetLastShownText();
};
