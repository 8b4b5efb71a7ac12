#pragma once
// One item of the track or replay tree as plain data: its text, the hint code that selecting it
// broadcasts, and its children in order. The tree pane copies it into its control.
#include <string>
#include <vector>

struct TrkTreeItem
{
    std::string Text;
    int Hint = 0;
    std::vector<TrkTreeItem> Children;

    // Appends a child and returns it.
    TrkTreeItem& Add(std::string text, int hint)
    {
        Children.push_back(TrkTreeItem{std::move(text), hint, {}});
        return Children.back();
    }
    // This item and all below it.
    std::size_t CountItems() const
    {
        std::size_t count = 1;
        for (const TrkTreeItem& child : Children)
            count += child.CountItems();
        return count;
    }
};
