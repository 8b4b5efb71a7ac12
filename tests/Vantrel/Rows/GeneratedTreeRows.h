// The check shared by the track and replay panes' models over the generator's samples: every
// item of the tree against NAME.tree (depth, code and text, in order), and every row of every
// item against NAME.rows.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "TrkViewsSamples.h"
#include "Vantrel/Rows/TrkRow.h"
#include "Vantrel/Rows/TrkTreeItem.h"

namespace VelmoTest
{
// The tree in the order of the expected lines: depth, code and text of each item.
inline void Flatten(const TrkTreeItem& item, int depth, std::vector<ExpectedLine>& lines)
{
    lines.push_back({depth, item.Hint, item.Text, ""});
    for (const TrkTreeItem& child : item.Children)
        Flatten(child, depth + 1, lines);
}

// Checks a built tree against the sample's listings; changes(hint) tells whether the item of a
// code has rows to show, rows(hint) gives them.
template <class Changes, class RowsOf>
void CheckTreeAndRows(const TrkTreeItem& root, const std::string& path, Changes changes, RowsOf rows)
{
    std::vector<ExpectedLine> items;
    Flatten(root, 0, items);
    const auto expectedItems = ReadExpected(path + ".tree", true);
    ASSERT_EQ(items.size(), expectedItems.size());
    for (std::size_t i = 0; i < items.size(); ++i)
    {
        EXPECT_EQ(items[i].Depth, expectedItems[i].Depth) << i;
        EXPECT_EQ(items[i].Hint, expectedItems[i].Hint) << i;
        EXPECT_EQ(items[i].First, expectedItems[i].First) << i;
    }

    std::map<int, std::vector<TrkRow>> expected;
    for (const ExpectedLine& line : ReadExpected(path + ".rows", false))
        expected[line.Hint].push_back({line.First, line.Second});
    for (const ExpectedLine& item : items)
    {
        ASSERT_TRUE(changes(item.Hint)) << item.First << " " << item.Hint;
        EXPECT_EQ(rows(item.Hint), expected[item.Hint]) << item.First << " " << item.Hint;
    }
}

// A sample's file name as a test name: every character but letters and digits becomes '_'.
inline std::string SampleTestName(const testing::TestParamInfo<std::string>& info)
{
    std::string name;
    for (char c : info.param)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}
} // namespace VelmoTest
