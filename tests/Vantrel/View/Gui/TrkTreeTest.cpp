// The tree pane of a track of more segments than the tree's codes can name (a GPL track of
// 32,768 straights made by trk.py): it lists the first 32,767 and says so in its last row, which
// End reaches and which leaves the other panes as they were.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <wx/uiaction.h>

#include "GuiKit.h"
#include "Support/TempFolder.h"
#include "TrkDocSamples.h"
#include "Vantrel/Rows/TrkHint.h"
#include "Vantrel/View/HintListView.h"
#include "Vantrel/View/HintTreeView.h"

using namespace GuiTest;

namespace
{
// A GPL track of the given number of straights, one trace and one strip each, written by trk.py.
std::string WriteLongTrack(const VelmoTest::TempFolder& folder, int segments)
{
    const std::string path = folder.Path("long.trk");
    const std::string script = "import sys; sys.path.insert(0, sys.argv[1]); from trkviews import trk; "
                               "open(sys.argv[2], 'wb').write(trk.write_gpl(trk.build('gpl', "
                               "[('S', 10000)] * int(sys.argv[3]), [0], lambda i: [[-100000, -100000, 1, 0, 0, 0], "
                               "[100000, 100000, 10, 0, 0, 0]])))";
    const std::string line = std::string(VELMO_PYTHON3) + " -c \"" + script + "\" \"" + VELMO_TEST_SOURCE_DIR +
                             "/Vantrel/Rows\" \"" + path + "\" " + std::to_string(segments);
    EXPECT_EQ(std::system(line.c_str()), 0) << line;
    return path;
}
} // namespace

TEST(TrkTree, ATreeCutShortSaysSoInItsLastRow)
{
    FailOnMessages();
    VelmoTest::TempFolder folder;
    CVantrelDoc* document = Open(WriteLongTrack(folder, 32768));
    ASSERT_NE(document, nullptr);
    auto* tree = ViewOf<CHintTreeView>(document);
    auto* list = ViewOf<CHintListView>(document);
    ASSERT_TRUE(tree != nullptr && list != nullptr);
    wxTreeCtrl& control = *tree->GetTree();
    const wxTreeItemId root = control.GetRootItem();
    ASSERT_TRUE(root.IsOk());
    EXPECT_EQ(control.GetChildrenCount(root, false), 32768u);
    const wxTreeItemId last = control.GetLastChild(root);
    EXPECT_EQ(control.GetItemText(last), "The first 32,767 segments are listed.");
    EXPECT_EQ(tree->GetItemCode(last), 0);
    EXPECT_FALSE(control.ItemHasChildren(last));
    const wxTreeItemId segment = control.GetPrevSibling(last);
    EXPECT_EQ(control.GetItemText(segment), "Segment 32766");
    EXPECT_EQ(tree->GetItemCode(segment), TrkHint::Segment(32766));
    // The root's rows tell how many segments the track has.
    const std::vector<TrkRow> whole = list->GetRows();
    ASSERT_FALSE(whole.empty());
    EXPECT_EQ(whole.back(), (TrkRow{"Segments", "32768"}));

    // End selects the row that says so; the list keeps what it showed.
    wxUIActionSimulator input;
    control.SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return control.HasFocus(); }));
    input.Char(WXK_END);
    EXPECT_TRUE(PumpUntil([&] { return control.GetSelection() == last; }));
    Pump();
    EXPECT_EQ(list->GetRows(), whole);
    Shot(&control, "trk-tree-cut");
    // The segment above it is the last one listed, with its values.
    input.Char(WXK_UP);
    EXPECT_TRUE(PumpUntil([&] { return control.GetSelection() == segment; }));
    EXPECT_TRUE(PumpUntil([&] { return !list->GetRows().empty() && list->GetRows() != whole; }));
    CloseAll();
}
