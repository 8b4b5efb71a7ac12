// Messages of many lines in the running application, shown as the user sees them: the box fits
// the screen with Details closed and open, and its OK button is on it; a short message keeps
// the plain message box.
#include <gtest/gtest.h>

#include <string>

#include <wx/collpane.h>
#include <wx/display.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "GuiKit.h"
#include "Vantrel/Dialogs/DialogScript.h"
#include "Vantrel/Dialogs/ReportDlg.h"
#include "Vantrel/Doc/CatchPattern.h"

using namespace GuiTest;

namespace
{
// Lines "Node 1 names tex1.mip, which is missing" ...; each of at least the width given.
std::string Report(int lines, std::size_t width = 0)
{
    std::string text;
    for (int i = 1; i <= lines; ++i)
    {
        std::string line = "Node " + std::to_string(i) + " names tex" + std::to_string(i) + ".mip, which is missing";
        while (line.size() < width)
            line += " and also missing";
        text += line + (i < lines ? "\n" : "");
    }
    return text;
}

// The part of the screen a window may take.
wxRect WorkArea(const wxWindow& window)
{
    const int index = wxDisplay::GetFromWindow(&window);
    return wxDisplay(index == wxNOT_FOUND ? 0u : unsigned(index)).GetClientArea();
}

// The box on the screen, and its OK button on the box.
void ExpectOnScreen(wxDialog& box, const std::string& what)
{
    const wxRect area = WorkArea(box);
    const wxRect rect = box.GetScreenRect();
    EXPECT_TRUE(area.Contains(rect)) << what << ": box at " << rect.x << "," << rect.y << " " << rect.width << "x"
                                     << rect.height << " on " << area.width << "x" << area.height;
    wxWindow* ok = box.FindWindow(wxID_OK);
    ASSERT_NE(ok, nullptr) << what;
    EXPECT_TRUE(ok->IsShownOnScreen()) << what;
    const wxRect button = ok->GetScreenRect();
    EXPECT_TRUE(rect.Contains(button)) << what << ": OK at " << button.x << "," << button.y;
    EXPECT_GT(button.GetWidth(), 0) << what;
}

// What a report box shows: its texts, and whether it was one.
struct Shown
{
    bool Report = false;
    std::string Summary;
    std::string Details;
};

// Shows the message as the program does, the box answered by the script after the checks.
Shown ShowAndCheck(const std::string& text, const std::string& name, DialogTest::Script& script)
{
    Shown shown;
    script.onShow = [&](wxDialog& dialog) {
        auto* box = dynamic_cast<CReportDlg*>(&dialog);
        shown.Report = box != nullptr;
        if (box != nullptr)
        {
            EXPECT_TRUE(PumpUntil([&] { return box->IsShownOnScreen(); }));
            SyncDisplay();
            Pump();
            ExpectOnScreen(*box, name + ", Details closed");
            Shot(box, name);
            for (wxWindow* child : box->GetChildren())
                if (auto* label = dynamic_cast<wxStaticText*>(child))
                    shown.Summary += label->GetLabel().utf8_string();
            shown.Details = box->GetText()->GetValue().utf8_string();
            // Details opened with a click on it, as a user would.
            const wxRect details = box->GetDetails()->GetScreenRect();
            wxUIActionSimulator mouse;
            mouse.MouseMove(details.GetPosition() + wxPoint(12, 10));
            Pump();
            mouse.MouseClick();
            EXPECT_TRUE(PumpUntil([&] { return box->GetText()->IsShownOnScreen(); })) << name;
            SyncDisplay();
            Pump();
            ExpectOnScreen(*box, name + ", Details open");
            EXPECT_GT(box->GetText()->GetSize().GetHeight(), 40) << name;
            Shot(box, name + "_details");
        }
        DialogTest::Click(dialog, wxID_OK);
    };
    CCatchPattern::ShowMessage(text);
    return shown;
}
} // namespace

TEST(ReportBox, TwoHundredLinesFitTheScreenWithOKOnIt)
{
    RealMessageBoxes boxes;
    DialogTest::Script script;
    const std::string text = Report(200);
    const Shown shown = ShowAndCheck(text, "report_200_lines", script);
    ASSERT_TRUE(shown.Report) << "a plain message box";
    EXPECT_TRUE(script.messages.empty());
    // The first 20 lines and how many more; all of them behind Details.
    EXPECT_EQ(shown.Summary, Report(20) + "\n... and 180 more");
    EXPECT_EQ(shown.Details, text);
}

// Errors of two lines each, set apart by blank lines as the panes put them together: the box
// tells how many errors it leaves out, not how many lines.
TEST(ReportBox, ErrorsOfSeveralLinesAreCountedAsErrors)
{
    RealMessageBoxes boxes;
    const auto errors = [](int from, int to) {
        std::string text;
        for (int i = from; i <= to; ++i)
            text += (i > from ? "\n" : "") + ("Couldn't open tex" + std::to_string(i)) + ".mip\nFile not found\n";
        return text;
    };
    DialogTest::Script script;
    const std::string text = errors(1, 25);
    const Shown shown = ShowAndCheck(text, "report_25_errors", script);
    ASSERT_TRUE(shown.Report);
    const std::string first7 = errors(1, 7);
    EXPECT_EQ(shown.Summary, first7.substr(0, first7.size() - 1) + "\n... and 18 more");
    EXPECT_EQ(shown.Details, text);
}

// Lines far wider than the box: the box still fits, their start shown, the rest behind Details.
TEST(ReportBox, TwoHundredLongLinesFitTheScreen)
{
    RealMessageBoxes boxes;
    DialogTest::Script script;
    const std::string text = Report(200, 600);
    const Shown shown = ShowAndCheck(text, "report_200_long_lines", script);
    ASSERT_TRUE(shown.Report);
    EXPECT_EQ(shown.Details, text);
    EXPECT_NE(shown.Summary.find("... and 180 more"), std::string::npos);
}

// A path of thousands of characters: no plain box could be that wide (the toolkit refuses a
// window of more than 32,767 pixels, and the box never shows): the report box fits the screen.
TEST(ReportBox, AMessageOfAVeryLongPathFitsTheScreen)
{
    RealMessageBoxes boxes;
    DialogTest::Script script;
    const std::string text = "Couldn't open /" + std::string(5000, 'x') + ".3do\nFile name too long\n";
    const Shown shown = ShowAndCheck(text, "report_long_path", script);
    ASSERT_TRUE(shown.Report) << "a plain message box";
    EXPECT_EQ(shown.Details, text);
    EXPECT_NE(shown.Summary.find("File name too long"), std::string::npos) << shown.Summary;
}

// Twenty lines or fewer: the plain message box, with the whole text.
TEST(ReportBox, AShortMessageKeepsThePlainBox)
{
    RealMessageBoxes boxes;
    for (const int lines : {1, 20})
    {
        DialogTest::Script script;
        const Shown shown = ShowAndCheck(Report(lines), "", script);
        EXPECT_FALSE(shown.Report) << lines;
        EXPECT_EQ(script.messages, std::vector<std::string>{Report(lines)}) << lines;
    }
}
