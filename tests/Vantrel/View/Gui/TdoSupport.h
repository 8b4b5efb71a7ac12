#pragma once
// What the 3D-object window's GUI suites share: sample folders written by the independent
// generators, the three panes of a document, items of the tree found by their texts, a script
// for the value dialogs and message boxes, and a script for the tree's popup menus.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/treectrl.h>

#include "GuiKit.h"
#include "Support/TempFolder.h"
#include "Vantrel/Dialogs/DialogIds.h"
#include "Vantrel/Dialogs/DialogScript.h"
#include "Vantrel/Doc/3DODoc.h"
#include "Vantrel/Text/ReportLines.h"
#include "Vantrel/View/3DO3DView.h"
#include "Vantrel/View/3DOInstructionView.h"
#include "Vantrel/View/3DOTreeView.h"
#include "Vantrel/View/FieldList.h"

namespace TdoTest
{
inline std::string Generator(const std::string& relative)
{
    return std::string(VELMO_TEST_SOURCE_DIR) + "/Papy/" + relative;
}

// Runs a command; its standard output, and whether it ended with status 0.
inline bool Run(const std::string& command, std::string* output = nullptr)
{
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return false;
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    const int status = pclose(pipe);
    if (output != nullptr)
        *output = text;
    return status == 0;
}

inline std::string Python()
{
    return std::string(VELMO_PYTHON3) + " ";
}

// Copies the files of a folder that a generator wrote once for the whole program (by the
// command, given the folder's path) into a new folder of the test's own.
inline std::string GeneratedFolder(const VelmoTest::TempFolder& folder, const std::string& name,
                                   const std::string& command)
{
    static VelmoTest::TempFolder cache;
    const std::string written = cache.Path(name);
    if (!std::filesystem::exists(written))
    {
        std::filesystem::create_directories(written);
        EXPECT_TRUE(Run(command + " '" + written + "' > /dev/null")) << command;
    }
    const std::string path = folder.MakeFolder(name);
    std::filesystem::copy(written, path,
                          std::filesystem::copy_options::overwrite_existing | std::filesystem::copy_options::recursive);
    return path;
}

// A GPL folder of the generator's samples (minimal, basic, allkinds, track, car .3do).
inline std::string WriteGplSamples(const VelmoTest::TempFolder& folder)
{
    return GeneratedFolder(folder, "gpl", Python() + Generator("GPL/gpl3do.py") + " samples");
}

// An N4 folder of the archive generator's samples (structure, shared, primitives .3do; track,
// variants .ptf).
inline std::string WriteN4Samples(const VelmoTest::TempFolder& folder)
{
    return GeneratedFolder(folder, "n4", Python() + Generator("N4/n4archive.py") + " samples");
}

// An N2 folder of the N2 generator's samples.
inline std::string WriteN2Samples(const VelmoTest::TempFolder& folder)
{
    return GeneratedFolder(folder, "n2", Python() + Generator("N2/n2tdo.py") + " samples");
}

inline std::vector<std::string> Lines(const std::string& text)
{
    return ReportLines::Split(text);
}

// The generator's descriptions of GPL files, in one run: for each file a line per handle and
// per record reached, which two files share exactly when they hold the same object.
inline std::vector<std::vector<std::string>> DescribeGpl(const std::vector<std::string>& paths)
{
    std::string command = Python() + Generator("GPL/gpl3do.py") + " describe";
    for (const std::string& path : paths)
        command += " '" + path + "'";
    std::string text;
    EXPECT_TRUE(Run(command, &text)) << text;
    std::vector<std::vector<std::string>> descriptions;
    for (const std::string& line : Lines(text))
        if (paths.size() > 1 && line.rfind("== ", 0) == 0)
            descriptions.emplace_back();
        else if (!descriptions.empty() || paths.size() == 1)
        {
            if (descriptions.empty())
                descriptions.emplace_back();
            descriptions.back().push_back(line);
        }
    descriptions.resize(paths.size());
    return descriptions;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The three panes of a 3D-object document.
struct Panes
{
    explicit Panes(wxDocument* document)
        : Doc(dynamic_cast<C3DODoc*>(document)), Tree(GuiTest::ViewOf<C3DOTreeView>(document)),
          Fields(GuiTest::ViewOf<C3DOInstructionView>(document)), View3D(GuiTest::ViewOf<C3DO3DView>(document))
    {
    }
    bool IsOk() const { return Doc != nullptr && Tree != nullptr && Fields != nullptr && View3D != nullptr; }

    C3DODoc* Doc;
    C3DOTreeView* Tree;
    C3DOInstructionView* Fields;
    C3DO3DView* View3D;
};

// The texts of an item's children, in order.
inline std::vector<std::string> ChildTexts(wxTreeCtrl& tree, const wxTreeItemId& item)
{
    std::vector<std::string> texts;
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = tree.GetFirstChild(item, cookie); child.IsOk(); child = tree.GetNextChild(item, cookie))
        texts.push_back(tree.GetItemText(child).utf8_string());
    return texts;
}

// The index-th child of an item (an invalid item when there is none).
inline wxTreeItemId Child(wxTreeCtrl& tree, const wxTreeItemId& item, std::size_t index)
{
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = tree.GetFirstChild(item, cookie); child.IsOk(); child = tree.GetNextChild(item, cookie))
        if (index-- == 0)
            return child;
    return wxTreeItemId();
}

// The first child of an item with that text.
inline wxTreeItemId ChildNamed(wxTreeCtrl& tree, const wxTreeItemId& item, const std::string& text)
{
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = tree.GetFirstChild(item, cookie); child.IsOk(); child = tree.GetNextChild(item, cookie))
        if (tree.GetItemText(child).utf8_string() == text)
            return child;
    return wxTreeItemId();
}

// The "Root" item.
inline wxTreeItemId RootItem(wxTreeCtrl& tree)
{
    return Child(tree, tree.GetRootItem(), 0);
}

// The point of an item's label in the tree window, where a click on it lands.
inline wxPoint PointOf(wxTreeCtrl& tree, const wxTreeItemId& item)
{
    wxRect rect;
    tree.GetBoundingRect(item, rect, true);
    return wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2);
}

// The row of the field list whose label is that text; -1 when there is none.
inline int RowNamed(const CFieldList& list, const std::string& label)
{
    for (int row = 0; row < list.GetRowCount(); ++row)
        if (list.GetLabel(row) == label)
            return row;
    return -1;
}

// The popups the tree shows while the object lives: the labels of each, and the item chosen
// (by its label; none leaves the menu without a choice).
class PopupScript
{
public:
    PopupScript()
    {
        m_previous = C3DOTreeView::SetPopupPresenter([this](wxWindow&, wxMenu& menu, const wxPoint&) {
            std::vector<std::string> labels;
            int chosen = wxID_NONE;
            for (wxMenuItem* item : menu.GetMenuItems())
            {
                labels.push_back(item->GetItemLabelText().utf8_string());
                if (labels.back() == Choose)
                    chosen = item->GetId();
            }
            Shown.push_back(labels);
            return chosen;
        });
    }
    ~PopupScript() { C3DOTreeView::SetPopupPresenter(m_previous); }

    std::string Choose;
    std::vector<std::vector<std::string>> Shown;

private:
    C3DOTreeView::PopupPresenter m_previous;
};

// Types a text into a dialog's field and presses OK.
inline void EnterAndOk(wxDialog& dialog, int field, const std::string& text)
{
    DialogTest::Text(dialog, field).SetValue(wxString::FromUTF8(text));
    DialogTest::Click(dialog, DialogId::Ok);
}

// Edits a field of the listed node through its dialog: the text typed into the value field,
// then OK (or Cancel).
inline void EditField(Panes& panes, const std::string& label, int field, const std::string& text, bool ok = true)
{
    DialogTest::Script script;
    bool shown = false;
    script.onShow = [&](wxDialog& dialog) {
        shown = true;
        DialogTest::Text(dialog, field).SetValue(wxString::FromUTF8(text));
        DialogTest::Click(dialog, ok ? DialogId::Ok : DialogId::Cancel);
    };
    const int row = RowNamed(*panes.Fields->GetList(), label);
    ASSERT_GE(row, 0) << label;
    panes.Fields->EditRow(row);
    EXPECT_TRUE(shown) << label;
}

// The root's children: the root object (the file's top list), then the handles.
inline wxTreeItemId Handle(wxTreeCtrl& tree, std::size_t index)
{
    return Child(tree, RootItem(tree), index + 1);
}
} // namespace TdoTest
