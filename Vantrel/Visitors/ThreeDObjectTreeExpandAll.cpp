#include "Vantrel/Visitors/ThreeDObjectTreeExpandAll.h"

#include <algorithm>
#include <utility>
#include <vector>

ThreeDObjectTreeExpandAll::ThreeDObjectTreeExpandAll(ThreeDObjectTree& tree, Open open, std::size_t maxInserted)
    : m_tree(tree), m_open(std::move(open)), m_maxInserted(maxInserted)
{
}

bool ThreeDObjectTreeExpandAll::Run(TreeItem start)
{
    if (!start.IsOk())
        return true;
    // Every item is opened once, and the tree grows only by what the openings insert: the
    // walk ends after the items that existed and the bound's worth of new ones.
    std::vector<TreeItem> pending = {start};
    while (!pending.empty())
    {
        const TreeItem item = pending.back();
        pending.pop_back();
        if (!m_tree.ItemHasChildren(item))
            continue;
        if (m_inserted >= m_maxInserted)
            return false;
        m_inserted += m_open(item, m_maxInserted - m_inserted);
        ++m_opened;
        const std::size_t first = pending.size();
        for (TreeItem child = m_tree.GetFirstChildItem(item); child.IsOk(); child = m_tree.GetNextSiblingItem(child))
            pending.push_back(child);
        // The first child is opened first.
        std::reverse(pending.begin() + std::ptrdiff_t(first), pending.end());
    }
    return true;
}
