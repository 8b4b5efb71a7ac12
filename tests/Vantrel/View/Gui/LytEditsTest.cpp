// Layout edits in the application, on the layout of the independent generator (race.py): edits
// that the user discards on closing are gone when the file is opened again, and never reach a
// later save (the saved file is the generator's with only the saved edit); a typed name that the
// file's code page cannot hold is refused with a message and the old name stays; a layout made
// by File New has nothing to save.
#include <gtest/gtest.h>

#include <filesystem>

#include <wx/dataview.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>
#include <wx/treectrl.h>

#include "GuiKit.h"
#include "LytWindow.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Race/LytFile.h"
#include "Vantrel/App/FixedMultiDocTemplate.h"
#include "Vantrel/App/VantrelDocManager.h"
#include "Vantrel/Doc/CommonSave.h"
#include "Vantrel/Doc/LytDoc.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/Frame/DocChildFrame.h"
#include "Vantrel/Rows/LytEditor.h"
#include "Vantrel/View/LytListView.h"
#include "Vantrel/View/LytTreeView.h"

using namespace GuiTest;

namespace
{
enum
{
    NameRow = 0,
    XRow = 3,
    YRow = 4
};

class LytEdits : public LytWindow
{
protected:
    // Closes the layout's window as the user does, answering the question about the changes.
    void CloseAnswering(int answer)
    {
        ASSERT_TRUE(document->IsModified());
        wxTEST_DIALOG(Command(ID_FILE_CLOSE), wxExpectModal<wxMessageDialog>(answer));
        Pump();
        document = nullptr;
        ASSERT_EQ(DocumentCount(), 0);
    }
};
} // namespace

// X of the first control edited from 10 to 4321 and discarded: opened again, the layout shows 10
// and is unmodified; another edit saved writes the generator's file with that edit alone.
TEST_F(LytEdits, DiscardedEditsAreNotShownAgainNorSaved)
{
    Select(0);
    ASSERT_EQ(Value(XRow), "10");
    EndEdit(XRow, "4321");
    ASSERT_TRUE(PumpUntil([&] { return Value(XRow) == "4321"; }));
    CloseAnswering(wxID_NO);
    EXPECT_TRUE(Saved() == Generated("screen.lyt")) << "No wrote the file";

    OpenLayout();
    Select(0);
    EXPECT_EQ(Value(XRow), "10");
    EXPECT_FALSE(document->IsModified());
    EndEdit(YRow, "7");
    ASSERT_TRUE(PumpUntil([&] { return Value(YRow) == "7"; }));
    Command(ID_FILE_SAVE);
    EXPECT_FALSE(document->IsModified());
    EXPECT_TRUE(Saved() == Generated("screen-y7.lyt")) << "the saved file differs from the generator's";
}

// Edits saved before the discarded ones stay: opened again, the layout shows what was saved.
TEST_F(LytEdits, OnlyTheEditsSinceTheLastSaveAreDiscarded)
{
    Select(0);
    EndEdit(XRow, "12");
    ASSERT_TRUE(PumpUntil([&] { return Value(XRow) == "12"; }));
    Command(ID_FILE_SAVE);
    ASSERT_TRUE(Saved() == Generated("screen-x12.lyt"));
    EndEdit(XRow, "4321");
    ASSERT_TRUE(PumpUntil([&] { return Value(XRow) == "4321"; }));
    Select(1);
    Command(ID_EDIT_DELETE);
    ASSERT_TRUE(PumpUntil([&] { return document->GetEditor().GetItems().size() == 2; }));
    CloseAnswering(wxID_NO);

    OpenLayout();
    EXPECT_EQ(document->GetFile()->GetControlCount(), 3);
    Select(0);
    EXPECT_EQ(Value(XRow), "12");
    EXPECT_FALSE(document->IsModified());
}

// Edits kept by answering Yes are saved, and shown when the layout is opened again.
TEST_F(LytEdits, EditsSavedOnClosingAreShownAgain)
{
    Select(0);
    EndEdit(XRow, "12");
    ASSERT_TRUE(PumpUntil([&] { return Value(XRow) == "12"; }));
    CloseAnswering(wxID_YES);
    EXPECT_TRUE(Saved() == Generated("screen-x12.lyt"));
    OpenLayout();
    Select(0);
    EXPECT_EQ(Value(XRow), "12");
}

// "ab→cd" as a name: the message tells why, the list and the tree keep "Title", nothing is
// modified.
TEST_F(LytEdits, ANameTheCodePageCannotHoldIsRefused)
{
    Select(0);
    Messages messages;
    EndEdit(NameRow, "ab\xE2\x86\x92" "cd");
    ASSERT_TRUE(PumpUntil([&] { return !messages.Texts.empty(); }));
    EXPECT_EQ(messages.Texts, std::vector<std::string>{LytEditor::NameRefusedText});
    EXPECT_EQ(Value(NameRow), "Title");
    EXPECT_EQ(tree->GetTree()->GetItemText(tree->GetTree()->GetSelection()).utf8_string(), "Title");
    EXPECT_FALSE(document->IsModified());
    // A name of the code page is taken.
    EndEdit(NameRow, "Caf\xC3\xA9");
    ASSERT_TRUE(PumpUntil([&] { return Value(NameRow) == "Caf\xC3\xA9"; }));
    EXPECT_EQ(document->GetFile()->GetName(0), "Caf\xE9");
    EXPECT_EQ(messages.Texts.size(), 1u);
    Shot(tree->GetChildFrame(), "lyt-name");
}

// A layout made by File New has no file object: Ctrl+S says so and asks for no file name (as
// the 3D-object document does), and closing it asks nothing.
TEST(LytNew, SavingAnEmptyLayoutIsRefused)
{
    wxDocument* created = Manager().FindTemplateById(141)->CreateDocument(wxString(), wxDOC_NEW);
    ASSERT_NE(created, nullptr);
    ASSERT_TRUE(created->OnNewDocument());
    Pump();
    {
        Messages messages;
        // A file dialog would be an unexpected dialog here.
        wxTEST_DIALOG(Command(ID_FILE_SAVE), wxExpectAny(wxID_CANCEL).Optional());
        EXPECT_EQ(messages.Texts, std::vector<std::string>{CCommonSave::NoFileText});
    }
    wxTEST_DIALOG(Command(ID_FILE_CLOSE), wxExpectAny(wxID_OK).Optional());
    Pump();
    EXPECT_EQ(DocumentCount(), 0);
}

// The layout saved over another layout of its folder, whose object the folder's cache holds for
// another holder: that file's next request gets the saved layout, its next open shows the edit,
// and the first file's request no longer gets the edited object.
TEST_F(LytEdits, ASaveOverAnotherCachedLayoutIsWhatThatLayoutsNextOpenShows)
{
    const std::string other = path.substr(0, path.rfind('/') + 1) + "other.lyt";
    std::filesystem::copy_file(path, other);
    const auto make = [&](const std::string& name) {
        Velmo::Util::CountedPointer<Velmo::Papy::LytFile> file;
        Velmo::Papy::FileFactoryRegistry::Instance()
            ->GetFactory(Velmo::Papy::PapyDirectory(path), false)
            ->GetFacet<Velmo::Papy::MakeLyt>()
            ->Make(file, name, "", false);
        return file;
    };
    const Velmo::Util::CountedPointer<Velmo::Papy::LytFile> held = make("other.lyt");
    Select(0);
    EndEdit(XRow, "12");
    ASSERT_TRUE(PumpUntil([&] { return Value(XRow) == "12"; }));
    ASSERT_TRUE(document->OnSaveDocument(wxString::FromUTF8(other)));
    EXPECT_EQ(make("other.lyt").Get(), document->GetFile().Get()) << "the copy from before the save";
    EXPECT_NE(make("screen.lyt").Get(), document->GetFile().Get()) << "screen.lyt holds no edit";

    CloseAll();
    document = dynamic_cast<CLytDoc*>(Open(other));
    ASSERT_NE(document, nullptr);
    tree = ViewOf<CLytTreeView>(document);
    list = ViewOf<CLytListView>(document);
    Select(0);
    EXPECT_EQ(Value(XRow), "12");
}
