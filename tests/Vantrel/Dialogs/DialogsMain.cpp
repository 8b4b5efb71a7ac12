// The dialog tests run inside the toolkit's message loop, as the program's dialogs do.
#include <gtest/gtest.h>
#include <wx/app.h>

#include "Vantrel/GuiKit/ToolkitLoop.h"

namespace
{
class TestApp : public wxApp
{
public:
    bool OnInit() override
    {
        SetAppDisplayName("Vantrel");
        // The dialogs are the only windows: closing the last must not end the loop.
        SetExitOnFrameDelete(false);
        return true;
    }
};
} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (!GuiTest::StartToolkit(new TestApp, argv[0]))
        return 2;
    if (!wxTheApp->CallOnInit())
        return 3;
    return GuiTest::RunInLoop([] { return RUN_ALL_TESTS(); });
}
