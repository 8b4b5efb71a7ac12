// The message box of a failure shows its text even when the text carries a name from a game
// file in the files' code page (bytes that are not UTF-8): a missing texture named with 0xE9,
// an N4 class name with a stray byte. The box's own text is read back as the user sees it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "MessageAnswer.h"
#include "GuiKit.h"
#include "Util/Exception.h"
#include "Vantrel/Doc/CatchPattern.h"

using namespace GuiTest;

TEST(MessageText, NamesFromGameFilesAreShownInTheMessageBox)
{
    const struct
    {
        std::function<void()> fail;
        const char* shown; // UTF-8
    } cases[] = {
        {[] { throw Velmo::Util::XFileOpen("/games/n4/t\xE9x0.mip", "File not found"); },
         "Couldn't open /games/n4/t\xC3\xA9x0.mip\nFile not found\n"},
        {[] { throw Velmo::Util::XFileFormat("/games/n4/car.3do", "N4 archive unknown descriptor CCar\x97"
                                                                   "Body"); },
         "A possible error was found in file /games/n4/car.3do\nN4 archive unknown descriptor CCar\xE2\x80\x94"
         "Body\n"},
        {[] { throw Velmo::Util::XUsage("t\xC3\xA9x0: Texture too large for OpenGL"); },
         "t\xC3\xA9x0: Texture too large for OpenGL"},
    };
    RealMessageBoxes boxes;
    for (const auto& c : cases)
    {
        wxString text;
        bool ran = true;
        wxTEST_DIALOG(ran = CCatchPattern::Run(c.fail), MessageAnswer(wxID_OK, &text));
        EXPECT_FALSE(ran);
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(text.utf8_string(), c.shown);
    }
}
