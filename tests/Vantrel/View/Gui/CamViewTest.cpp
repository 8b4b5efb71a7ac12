// The camera pane in the application: the camera files of the independent generator (race.py),
// GPL versions 0 and 2 in a GPL folder and the N2 format in an N2 folder (folders.py), opened
// through their folders' factories and shown as read-only text in a fixed-pitch font. The
// expected texts are the generator's values (camera i of a group holds seed + 0.25 k for its
// values k) in the pane's format: labels in 18 characters, lines ending in "\n".
#include <gtest/gtest.h>

#include <wx/textctrl.h>

#include "FileViewsGui.h"
#include "GuiKit.h"
#include "Util/Exception.h"
#include "Vantrel/Rows/CamExpectedTexts.h"
#include "Vantrel/Doc/CamDoc.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/View/CamView.h"

using namespace GuiTest;

using namespace CamExpected;

TEST(CamView, EveryCameraOfEachFormatAsReadOnlyText)
{
    VelmoTest::TempFolder folder;
    FileViewsGui::Copy(folder, "dat", "folders/n2/Nazareth", "n2/Nazareth");
    const struct
    {
        const char* file;
        const char* game;
        std::string text;
        const char* shot;
    } cases[] = {
        {"gpl0.cam", "gpl/Monza", FixedTV1 + ZoomedTV1 + ZoomedTV2 + Pitlane, "cam"},
        {"gpl2.cam", "gpl/Monza", FixedTV1 + ZoomedTV1 + ZoomedTV2, ""},
        {"empty0.cam", "gpl/Monza", Pitlane, ""},
        {"n2.cam", "n2/Nazareth",
         N2Block("TV1", "3.0 3.2 3.5 3.8 4.0 4.2 4.5 4.8 5.0 ") + N2Block("TV1", "4.0 4.2 4.5 4.8 5.0 5.2 5.5 5.8 6.0 ") +
             N2Block("TV2", "5.0 5.2 5.5 5.8 6.0 6.2 6.5 6.8 7.0 "),
         ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file);
        const std::string path = FileViewsGui::Copy(folder, "cam", c.file, std::string(c.game) + "/" + c.file);
        CVantrelDoc* document = Open(path);
        EXPECT_EQ(TemplateIdOf(document), 137);
        auto* view = ViewOf<CCamView>(document);
        ASSERT_NE(view, nullptr);
        wxTextCtrl* text = view->GetText();
        EXPECT_EQ(text->GetValue().utf8_string(), c.text);
        EXPECT_FALSE(text->IsEditable());
        EXPECT_TRUE(text->IsMultiLine());
        EXPECT_TRUE(text->GetFont().IsFixedWidth());
        EXPECT_EQ(text->GetFont().GetPointSize(), 10);
        if (*c.shot != '\0')
        {
            EXPECT_GT(DarkPixels(Shot(text, c.shot)), 500) << "the text is on the screen";
        }
        CloseAll();
    }
}

// A read-only document: the text cannot be typed in, Ctrl+S writes nothing and closing asks nothing.
TEST(CamView, TheTextCannotBeChangedOrSaved)
{
    VelmoTest::TempFolder folder;
    const std::string path = FileViewsGui::Copy(folder, "cam", "gpl2bare.cam", "gpl/Monza/gpl2bare.cam");
    const std::string before = FileViewsTest::ReadText(path);
    CVantrelDoc* document = Open(path);
    auto* view = ViewOf<CCamView>(document);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetText()->GetValue().utf8_string(), ZoomedTV2);
    document->Modify(true);
    EXPECT_FALSE(document->IsModified());
    Command(ID_FILE_SAVE);
    EXPECT_EQ(FileViewsTest::ReadText(path), before);
    // A question would fail the test (and keep the window).
    Command(ID_FILE_CLOSE);
    Pump();
    EXPECT_EQ(DocumentCount(), 0);
}

TEST(CamView, AFileWithoutCamerasShowsAnEmptyPane)
{
    VelmoTest::TempFolder folder;
    FileViewsGui::Copy(folder, "dat", "folders/n2/Nazareth", "n2/Nazareth");
    const std::string path = folder.Write("n2/Nazareth/none.cam", std::string(8, '\0'));
    auto* view = ViewOf<CCamView>(Open(path));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetText()->GetValue(), "");
    CloseAll();
}

// A camera file that fails to load: its reader's message (naming the file and what is wrong),
// and no window; the file is left as it was.
TEST(CamView, AFileThatFailsToLoadShowsItsMessageAndNoWindow)
{
    VelmoTest::TempFolder folder;
    FileViewsGui::Copy(folder, "dat", "folders/n2/Nazareth", "n2/Nazareth");
    const std::string gpl = FileViewsTest::ReadText(FileViewsGui::Samples("cam") + "/gpl2bare.cam");
    const std::string n2 = FileViewsTest::ReadText(FileViewsGui::Samples("cam") + "/n2.cam");
    ASSERT_EQ(gpl.substr(0, 5), std::string("MACT\x02"));
    std::string size = gpl;
    size[8] = char(size[8] + 4);
    const struct
    {
        const char* file;
        std::string bytes;
        const char* message;
    } cases[] = {
        {"gpl/Monza/id.cam", "XXXX" + gpl.substr(4), "GPL cam file id not TCAM"},
        {"gpl/Monza/version.cam", gpl.substr(0, 4) + '\x01' + gpl.substr(5), "GPL cam file unsupported version"},
        {"gpl/Monza/size.cam", size, "GPL cam length mismatch"},
        {"gpl/Monza/longer.cam", gpl + '\0', "GPL cam file length mismatch"},
        {"n2/Nazareth/longer.cam", n2 + std::string(4, '\0'), "N2 cam file length mismatch"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file);
        const std::string path = folder.Write(c.file, c.bytes);
        Messages messages;
        EXPECT_EQ(Open(path), nullptr);
        EXPECT_EQ(messages.Texts, std::vector<std::string>{Velmo::Util::XFileFormat(path, c.message).GetText()});
        EXPECT_EQ(DocumentCount(), 0);
        EXPECT_EQ(FileViewsTest::ReadText(path), c.bytes);
    }
}
