#pragma once
// Fills the tree pane with items for the nodes of a 3D object, a few levels at a time. A walk
// from the root item inserts the root, its handles and the handles' children; a walk started
// at an item (when it is expanded, or after an edit) reuses the item and its existing
// children and inserts what is missing down to the item's grandchildren. So the tree is always
// one level ahead of what the user has opened and every item with children can be expanded.
//
// An item's text is "id [type]" (the root "Root", a handle its name, the null node nothing);
// its data is the node's id. The existing items of a level are matched to the node's children
// in order by their ids: an item whose node is no longer a child there is removed, a child
// without an item gets one in its place, and the items that still match are kept as they are,
// with everything the user opened below them. So a walk after an edit changes only what the
// edit changed.
//
// One walk inserts at most a given number of items: past it the walk goes on reusing what
// exists but adds nothing, and removes nothing either (see IsBudgetSpent). Files whose nodes
// share subtrees can have far more paths than nodes; the bound keeps one walk from growing the
// tree without end. Built for one walk; catches nothing.
#include <cstddef>
#include <deque>
#include <string>

#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Vantrel/Visitors/ThreeDObjectTree.h"

class ThreeDObjectTreeVisitor : public Velmo::Papy::ThreeDObjectVisitor
{
public:
    // The walk must begin at the start item's own node (or at the root node for the root item).
    ThreeDObjectTreeVisitor(ThreeDObjectTree& tree, TreeItem start,
                            std::size_t maxInserted = ThreeDObjectTree::MaxInsertedItems);

    // Levels of items below the start item's parent that one walk reaches.
    static constexpr std::size_t MaxLevels = 4;
    // The siblings after a level's next item that are searched for a child's item before the
    // child gets a new one.
    static constexpr std::size_t MaxLookAhead = 256;

    // "id [type]".
    static std::string GetLabel(const Velmo::Papy::ThreeDObject& node);

    // The items this walk inserted.
    std::size_t GetInsertedCount() const { return m_inserted; }
    // Whether the walk reached its bound: some items may be missing.
    bool IsBudgetSpent() const { return m_spent; }

    bool Enter(Velmo::Papy::ThreeDObject& node) override;
    void Leave(Velmo::Papy::ThreeDObject& node) override;
    void Visit(Velmo::Papy::ThreeDObject& node) override;
    bool EnterRoot(Velmo::Papy::ThreeDObjectRoot& node) override;
    bool EnterHandle(Velmo::Papy::ThreeDObjectHandle& node) override;
    void VisitNull(Velmo::Papy::ThreeDObjectNull& node) override;
    // The located objects of an object locator are shown as well.
    bool BeforeObjectLocatorSibling(Velmo::Papy::ThreeDObjectObjectLocator& node, int i) override;

private:
    struct Level
    {
        TreeItem parent;
        // The level's items exist already and are matched instead of inserted.
        bool reuse;
        // The next existing item to match.
        TreeItem next;
        // The node's children are walked: items left unmatched at the end are no longer
        // children and go.
        bool walked;
    };

    // The item of the node on the top level, found among the existing items or inserted; no
    // item when the bound allows no more.
    TreeItem InsertOrReuse(const Velmo::Papy::ThreeDObject& node, const std::string& text);
    // The existing item of the level that shows the node, removing the items before it that
    // show nodes no longer there; no item when none is near.
    TreeItem Match(Level& level, int id);
    TreeItem Insert(const Level& level, TreeItem before, const std::string& text, int id);
    // The item of a node with children; whether its children are to be walked.
    bool EnterItem(const Velmo::Papy::ThreeDObject& node, const std::string& text);

    ThreeDObjectTree& m_tree;
    std::deque<Level> m_stack;
    std::size_t m_maxInserted;
    std::size_t m_inserted = 0;
    bool m_spent = false;
};
