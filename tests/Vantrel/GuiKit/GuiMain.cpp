// The GUI test program: the real application object, started as the program starts it, with the
// tests run from inside its message loop so that dialogs, paints and keys work as for a user.
// "--suite-file=NameTest.cpp" runs only the tests of that source file (one ctest entry per file).
#include <cstring>
#include <string>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>

#include "GuiKit.h"
#include "ToolkitLoop.h"
#include "Vantrel/App/MainFrame.h"
#include "Vantrel/App/VantrelApp.h"

namespace
{
bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The filter of the tests written in the file (its name, or a path ending in it); false when it
// holds none.
bool FilterOfFile(const std::string& file, std::string& filter)
{
    const testing::UnitTest& tests = *testing::UnitTest::GetInstance();
    for (int i = 0; i < tests.total_test_suite_count(); ++i)
    {
        const testing::TestSuite& suite = *tests.GetTestSuite(i);
        for (int j = 0; j < suite.total_test_count(); ++j)
        {
            const testing::TestInfo& test = *suite.GetTestInfo(j);
            const std::string source = test.file();
            if (source == file || EndsWith(source, "/" + file))
                filter += (filter.empty() ? "" : ":") + std::string(suite.name()) + "." + test.name();
        }
    }
    return !filter.empty();
}
} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i)
    {
        const char* const option = "--suite-file=";
        if (std::strncmp(argv[i], option, std::strlen(option)) != 0)
            continue;
        std::string filter;
        if (!FilterOfFile(argv[i] + std::strlen(option), filter))
        {
            std::fprintf(stderr, "no tests in %s\n", argv[i] + std::strlen(option));
            return 4;
        }
        GTEST_FLAG_SET(filter, filter);
    }

    if (!GuiTest::StartToolkit(new CVantrelApp, argv[0]))
        return 2;
    wxImage::AddHandler(new wxPNGHandler);
    if (!wxTheApp->CallOnInit())
        return 3;
    GuiTest::FailOnMessages();
    GuiTest::FailOnUnexpectedDialogs();
    return GuiTest::RunInLoop([] {
        // The main window is up and painted before the first test.
        GuiTest::PumpUntil([] { return GuiTest::Frame().IsShownOnScreen(); });
        const int result = RUN_ALL_TESTS();
        GuiTest::CloseAll();
        wxTheApp->GetTopWindow()->Destroy();
        return result;
    });
}
