#pragma once
// The tree pane as the tree-filling visitor sees it: items that have a parent, an ordered list
// of children, a text and the id of the node they show. The pane adapts its tree control to
// this; the tests use a tree in memory.
#include <cstddef>
#include <string>

// One item of a tree, or no item (the default). The value is the tree's own handle.
class TreeItem
{
public:
    TreeItem() = default;
    explicit TreeItem(void* handle) : m_handle(handle) {}

    void* GetHandle() const { return m_handle; }
    bool IsOk() const { return m_handle != nullptr; }
    bool operator==(const TreeItem& other) const = default;

private:
    void* m_handle = nullptr;
};

class ThreeDObjectTree
{
public:
    // The items that one filling walk, or one expansion of an item and everything below it,
    // inserts at most (unless given a bound of its own). Files whose nodes share subtrees can have
    // far more paths than nodes; the bound keeps the tree from growing without end.
    static constexpr std::size_t MaxInsertedItems = 100000;

    virtual ~ThreeDObjectTree() = default;

    // The invisible item whose children are the top-level items.
    virtual TreeItem GetRootItem() const = 0;
    // A new item with that text and node id, last among the parent's children.
    virtual TreeItem InsertItem(TreeItem parent, const std::string& text, int id) = 0;
    // A new item with that text and node id among the parent's children, just before one of
    // them.
    virtual TreeItem InsertItemBefore(TreeItem parent, TreeItem before, const std::string& text, int id) = 0;
    // Removes an item with everything below it.
    virtual void DeleteItem(TreeItem item) = 0;
    // The node id of an item.
    virtual int GetItemId(TreeItem item) const = 0;
    // No item for the root item.
    virtual TreeItem GetParentItem(TreeItem item) const = 0;
    // No item when the item has no children.
    virtual TreeItem GetFirstChildItem(TreeItem item) const = 0;
    // No item after the last child.
    virtual TreeItem GetNextSiblingItem(TreeItem item) const = 0;
    virtual bool ItemHasChildren(TreeItem item) const = 0;

protected:
    ThreeDObjectTree() = default;
    ThreeDObjectTree(const ThreeDObjectTree&) = default;
    ThreeDObjectTree& operator=(const ThreeDObjectTree&) = default;
};
