#pragma once
// What the GUI tests of the track and replay documents share: the game folders of trkdocs.py
// (written once per test program), the expected tree items and rows, the tree and list panes
// read back, and colour counts in the plan's pixels.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <wx/image.h>
#include <wx/treectrl.h>

#include "GuiKit.h"
#include "Support/TempFolder.h"
#include "Papy/Race/RpyFile.h"
#include "Vantrel/Doc/VantrelDoc.h"
#include "Vantrel/Drawing/ReplayPath.h"
#include "Vantrel/Rows/RpyHint.h"
#include "Vantrel/Rows/TrkRow.h"
#include "Vantrel/View/HintListView.h"
#include "Vantrel/View/HintTreeView.h"

namespace TrkDocTest
{
// The folder trkdocs.py wrote for the command ("samples" or "bench"); games under games/,
// expected panes under expected/.
inline std::string Generated(const std::string& command = "samples")
{
    static std::map<std::string, std::string> made;
    static std::vector<std::unique_ptr<VelmoTest::TempFolder>> folders;
    if (auto found = made.find(command); found != made.end())
        return found->second;
    folders.push_back(std::make_unique<VelmoTest::TempFolder>());
    const std::string folder = folders.back()->Path();
    const std::string line = std::string(VELMO_PYTHON3) + " \"" + VELMO_TEST_SOURCE_DIR +
                             "/Vantrel/View/trkdocs.py\" " + command + " \"" + folder + "\"";
    EXPECT_EQ(std::system(line.c_str()), 0) << line;
    return made[command] = folder;
}

inline std::string Game(const std::string& relative)
{
    return Generated() + "/games/" + relative;
}

// One line of NAME.tree (depth, code, text) or NAME.rows (code, field, value).
struct Line
{
    int Depth = 0;
    int Code = 0;
    std::string First;
    std::string Second;
};

inline std::vector<Line> ReadLines(const std::string& name, bool tree)
{
    std::vector<Line> lines;
    const std::string path = Generated() + "/expected/" + name + (tree ? ".tree" : ".rows");
    std::ifstream in(path);
    EXPECT_TRUE(in.good()) << path;
    for (std::string text; std::getline(in, text);)
    {
        const std::size_t a = text.find('\t'), b = text.find('\t', a + 1);
        if (a == std::string::npos || b == std::string::npos)
        {
            ADD_FAILURE() << path << ": " << text;
            continue;
        }
        if (tree)
            lines.push_back({std::stoi(text.substr(0, a)), std::stoi(text.substr(a + 1, b - a - 1)), text.substr(b + 1), ""});
        else
            lines.push_back({0, std::stoi(text.substr(0, a)), text.substr(a + 1, b - a - 1), text.substr(b + 1)});
    }
    return lines;
}

// The tree pane's items in tree order with their depth (root at 0).
inline std::vector<std::pair<int, wxTreeItemId>> TreeItems(const CHintTreeView& view)
{
    std::vector<std::pair<int, wxTreeItemId>> items;
    const wxTreeCtrl& tree = *view.GetTree();
    std::function<void(const wxTreeItemId&, int)> walk = [&](const wxTreeItemId& item, int depth) {
        items.push_back({depth, item});
        wxTreeItemIdValue cookie;
        for (wxTreeItemId child = tree.GetFirstChild(item, cookie); child.IsOk(); child = tree.GetNextChild(item, cookie))
            walk(child, depth + 1);
    };
    if (tree.GetRootItem().IsOk())
        walk(tree.GetRootItem(), 0);
    return items;
}

// Every item of the tree pane as NAME.tree has it, and, selected in turn, the list pane's rows as
// NAME.rows gives them for its code.
inline void ExpectPanes(wxDocument* document, const std::string& name)
{
    auto* tree = GuiTest::ViewOf<CHintTreeView>(document);
    auto* list = GuiTest::ViewOf<CHintListView>(document);
    ASSERT_NE(tree, nullptr);
    ASSERT_NE(list, nullptr);
    const auto items = TreeItems(*tree);
    const std::vector<Line> expectedItems = ReadLines(name, true);
    ASSERT_EQ(items.size(), expectedItems.size()) << name;
    std::map<int, std::vector<TrkRow>> expectedRows;
    for (const Line& line : ReadLines(name, false))
        expectedRows[line.Code].push_back({line.First, line.Second});
    for (std::size_t i = 0; i < items.size(); ++i)
    {
        const wxTreeItemId item = items[i].second;
        EXPECT_EQ(items[i].first, expectedItems[i].Depth) << name << " item " << i;
        EXPECT_EQ(tree->GetItemCode(item), expectedItems[i].Code) << name << " item " << i;
        EXPECT_EQ(tree->GetTree()->GetItemText(item).utf8_string(), expectedItems[i].First) << name << " item " << i;
        tree->GetTree()->SelectItem(item);
        EXPECT_EQ(list->GetRows(), expectedRows[expectedItems[i].Code]) << name << ": " << expectedItems[i].First;
    }
}

// Selects the item of a code in the tree pane (as a click would); false when there is none.
inline bool Select(wxDocument* document, int code)
{
    auto* tree = GuiTest::ViewOf<CHintTreeView>(document);
    const wxTreeItemId item = tree != nullptr ? tree->FindItem(code) : wxTreeItemId();
    if (!item.IsOk())
        return false;
    tree->GetTree()->SelectItem(item);
    return true;
}

typedef std::array<int, 3> Rgb;
constexpr Rgb White = {255, 255, 255};
constexpr Rgb Asphalt = {153, 153, 153};  // (0.6, 0.6, 0.6)
constexpr Rgb Grass = {51, 204, 51};      // (0.2, 0.8, 0.2)
constexpr Rgb Armco = {102, 102, 102};    // wall type 2: (0.4, 0.4, 0.4)
constexpr Rgb HayBales = {230, 230, 128}; // wall type 4: (0.9, 0.9, 0.5)
constexpr Rgb Red = {255, 0, 0};

// Pixels within 2 of the colour in every channel.
inline int Count(const wxImage& image, const Rgb& colour)
{
    if (!image.IsOk())
        return -1;
    int count = 0;
    const unsigned char* p = image.GetData();
    for (int i = 0, n = image.GetWidth() * image.GetHeight(); i < n; ++i, p += 3)
        if (std::abs(p[0] - colour[0]) <= 2 && std::abs(p[1] - colour[1]) <= 2 && std::abs(p[2] - colour[2]) <= 2)
            ++count;
    return count;
}

// The code of the first lap of driver d that has frames; 0 when none has.
inline int FirstLapWithFrames(const Velmo::Papy::RpyFile& replay, int d)
{
    for (int table = 0; table < replay.GetLapTableCount(); ++table)
        for (int lap = 0; lap < replay.GetLapCount(table, d); ++lap)
        {
            int first = 0, end = 0;
            if (ReplayPath::GetFrames(replay, d, table, lap, first, end))
                return RpyHint::Lap(d, table, lap);
        }
    return 0;
}
} // namespace TrkDocTest
