// Two programs have one GPL object open; each renames a handle and saves. The second save asks
// before it overwrites the first: No keeps both the other program's file and this program's edit
// (the document stays modified), Yes writes this program's object over it.
#include <gtest/gtest.h>

#include <filesystem>

#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "MessageAnswer.h"
#include "TdoSupport.h"
#include "Vantrel/Dialogs/EditStringDlg.h"
#include "Vantrel/Frame/CommandIds.h"

using namespace GuiTest;
using namespace TdoTest;

namespace
{
// Renames the second handle, "wheel", through its field's dialog.
void Rename(Panes& panes, wxTreeCtrl& tree, const std::string& name)
{
    tree.SelectItem(Handle(tree, 1));
    Pump();
    EditField(panes, "Name", CEditStringDlg::ValueId, name);
}
bool Holds(const std::string& bytes, const std::string& text)
{
    return bytes.find(text) != std::string::npos;
}
} // namespace

TEST(TdoSaveOver, TheSecondProgramsSaveAsksBeforeOverwritingTheFirsts)
{
    VelmoTest::TempFolder folder;
    const std::string gpl = WriteGplSamples(folder);
    const std::string path = gpl + "/basic.3do";
    Panes panes(Open(path));
    ASSERT_TRUE(panes.IsOk());
    wxTreeCtrl& tree = *panes.Tree->GetTree();
    Rename(panes, tree, "mine");
    ASSERT_TRUE(panes.Doc->IsModified());

    // The other program's save: its object (here the sample with every kind of node) in a
    // new file renamed over this one.
    std::filesystem::copy_file(gpl + "/allkinds.3do", gpl + "/.other.tmp");
    std::filesystem::rename(gpl + "/.other.tmp", path);
    const std::string theirs = ReadFile(path);

    wxString asked;
    wxTEST_DIALOG(Command(ID_FILE_SAVE), MessageAnswer(wxID_NO, &asked));
    EXPECT_EQ(asked, "basic.3do has changed on disk since it was opened. Overwrite it?");
    EXPECT_EQ(ReadFile(path), theirs);
    EXPECT_TRUE(panes.Doc->IsModified());
    EXPECT_TRUE(panes.Doc->HasUnsavedEdits());
    EXPECT_EQ(tree.GetItemText(Child(tree, RootItem(tree), 2)).utf8_string(), "mine");

    asked.clear();
    wxTEST_DIALOG(Command(ID_FILE_SAVE), MessageAnswer(wxID_YES, &asked));
    EXPECT_FALSE(asked.empty());
    EXPECT_FALSE(panes.Doc->IsModified());
    const std::string mine = ReadFile(path);
    EXPECT_NE(mine, theirs);
    EXPECT_TRUE(Holds(mine, "mine"));

    // Nobody wrote it since: the next save asks nothing (a question would fail the test).
    Rename(panes, tree, "again");
    Command(ID_FILE_SAVE);
    EXPECT_FALSE(panes.Doc->IsModified());
    EXPECT_TRUE(Holds(ReadFile(path), "again"));
    CloseAll();
}
