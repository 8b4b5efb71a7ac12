#pragma once
// Opens an item and every item below it, depth first in the tree's order, as the keypad's * asks
// of the tree pane. Opening an item fills its children's children (the tree-filling walk), so
// a file whose nodes share subtrees would make the tree grow without end: the expansion stops
// once its openings have inserted a given number of items. What was opened by then stays open;
// the items not reached stay closed, and * on one of them goes on from there.
#include <cstddef>
#include <functional>

#include "Vantrel/Visitors/ThreeDObjectTree.h"

class ThreeDObjectTreeExpandAll
{
public:
    // Opens one item with its filling, allowed to insert at most the given number of items;
    // returns the number it inserted.
    typedef std::function<std::size_t(TreeItem item, std::size_t allowed)> Open;

    ThreeDObjectTreeExpandAll(ThreeDObjectTree& tree, Open open,
                              std::size_t maxInserted = ThreeDObjectTree::MaxInsertedItems);

    // Opens the start item and the items below it that have children; true when all were
    // opened, false when the expansion stopped at its bound.
    bool Run(TreeItem start);

    std::size_t GetInsertedCount() const { return m_inserted; }
    std::size_t GetOpenedCount() const { return m_opened; }

private:
    ThreeDObjectTree& m_tree;
    Open m_open;
    std::size_t m_maxInserted;
    std::size_t m_inserted = 0;
    std::size_t m_opened = 0;
};
