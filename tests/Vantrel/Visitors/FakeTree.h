#pragma once
// A tree in memory standing for the tree pane, for the tests and the benchmark.
#include <string>
#include <vector>

#include "Vantrel/Visitors/ThreeDObjectTree.h"

namespace VelmoTest
{
// Items are numbered from 1 in the order of their insertion; item 0 is the invisible root.
class FakeTree : public ThreeDObjectTree
{
public:
    struct Item
    {
        std::size_t parent = 0;
        std::size_t firstChild = 0;
        std::size_t lastChild = 0;
        std::size_t next = 0;
        std::string text;
        int id = 0;
    };

    FakeTree() : m_items(1) {}

    TreeItem GetRootItem() const override { return ItemOf(0); }
    TreeItem InsertItem(TreeItem parent, const std::string& text, int id) override
    {
        const std::size_t p = IndexOf(parent);
        const std::size_t n = m_items.size();
        m_items.push_back(Item{p, 0, 0, 0, text, id});
        if (m_items[p].lastChild != 0)
            m_items[m_items[p].lastChild].next = n;
        else
            m_items[p].firstChild = n;
        m_items[p].lastChild = n;
        ++m_inserted;
        return ItemOf(n);
    }
    TreeItem InsertItemBefore(TreeItem parent, TreeItem before, const std::string& text, int id) override
    {
        const std::size_t p = IndexOf(parent);
        const std::size_t b = IndexOf(before);
        const std::size_t n = m_items.size();
        m_items.push_back(Item{p, 0, 0, b, text, id});
        if (m_items[p].firstChild == b)
            m_items[p].firstChild = n;
        else
            m_items[PreviousOf(b)].next = n;
        ++m_inserted;
        return ItemOf(n);
    }
    // Unlinks the item from its parent (it stays numbered but unreachable).
    void DeleteItem(TreeItem item) override
    {
        const std::size_t i = IndexOf(item);
        Item& parent = m_items[m_items[i].parent];
        const std::size_t previous = parent.firstChild == i ? 0 : PreviousOf(i);
        if (previous == 0)
            parent.firstChild = m_items[i].next;
        else
            m_items[previous].next = m_items[i].next;
        if (parent.lastChild == i)
            parent.lastChild = previous;
        ++m_deleted;
    }
    int GetItemId(TreeItem item) const override { return m_items[IndexOf(item)].id; }
    TreeItem GetParentItem(TreeItem item) const override
    {
        const std::size_t i = IndexOf(item);
        return i == 0 ? TreeItem() : ItemOf(m_items[i].parent);
    }
    TreeItem GetFirstChildItem(TreeItem item) const override { return ItemOrNone(m_items[IndexOf(item)].firstChild); }
    TreeItem GetNextSiblingItem(TreeItem item) const override { return ItemOrNone(m_items[IndexOf(item)].next); }
    bool ItemHasChildren(TreeItem item) const override { return m_items[IndexOf(item)].firstChild != 0; }

    // Removes the item's children from the tree (they stay numbered but unreachable).
    void DeleteChildren(TreeItem item)
    {
        Item& i = m_items[IndexOf(item)];
        i.firstChild = 0;
        i.lastChild = 0;
    }

    std::size_t GetInsertedCount() const { return m_inserted; }
    std::size_t GetDeletedCount() const { return m_deleted; }
    const Item& Get(TreeItem item) const { return m_items[IndexOf(item)]; }
    // The texts of an item's children in order.
    std::vector<std::string> ChildTexts(TreeItem item) const
    {
        std::vector<std::string> texts;
        for (std::size_t c = m_items[IndexOf(item)].firstChild; c != 0; c = m_items[c].next)
            texts.push_back(m_items[c].text);
        return texts;
    }
    std::vector<TreeItem> Children(TreeItem item) const
    {
        std::vector<TreeItem> items;
        for (std::size_t c = m_items[IndexOf(item)].firstChild; c != 0; c = m_items[c].next)
            items.push_back(ItemOf(c));
        return items;
    }
    // The reachable items below the root, depth first, as "text" indented two blanks a level.
    std::string Outline() const
    {
        std::string text;
        Outline(0, 0, text);
        return text;
    }

private:
    // Handles are index + 1 as a pointer value, so that no item is the null handle.
    static TreeItem ItemOf(std::size_t i) { return TreeItem(reinterpret_cast<void*>(i + 1)); }
    static std::size_t IndexOf(TreeItem item) { return reinterpret_cast<std::size_t>(item.GetHandle()) - 1; }
    static TreeItem ItemOrNone(std::size_t i) { return i == 0 ? TreeItem() : ItemOf(i); }
    // The sibling before an item that is not its parent's first child.
    std::size_t PreviousOf(std::size_t i) const
    {
        std::size_t c = m_items[m_items[i].parent].firstChild;
        while (m_items[c].next != i)
            c = m_items[c].next;
        return c;
    }
    void Outline(std::size_t i, int depth, std::string& text) const
    {
        for (std::size_t c = m_items[i].firstChild; c != 0; c = m_items[c].next)
        {
            text += std::string(std::size_t(2 * depth), ' ') + m_items[c].text + "\n";
            Outline(c, depth + 1, text);
        }
    }

    std::vector<Item> m_items;
    std::size_t m_inserted = 0;
    std::size_t m_deleted = 0;
};
} // namespace VelmoTest
