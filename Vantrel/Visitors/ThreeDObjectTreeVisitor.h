#pragma once
// Fills the tree pane with items for the nodes of a 3D object, a few levels at a time. A walk
// from the root item inserts the root, its handles and the handles' children; a walk started
// at an item (when it is expanded, or after an edit) reuses the item and its existing
// children and inserts what is missing down to the item's grandchildren. So the tree is always
// one level ahead of what the user has opened and every item with children can be expanded.
//
// An item's text is "id [type]" (the root "Root", a handle its name, the null node nothing);
// its data is the node's id. Reuse expects the existing items in the order in which the node's
// children are walked. Built for one walk; catches nothing.
#include <cstddef>
#include <deque>
#include <string>

#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Vantrel/Visitors/ThreeDObjectTree.h"

class ThreeDObjectTreeVisitor : public Velmo::Papy::ThreeDObjectVisitor
{
public:
    // The walk must begin at the start item's own node (or at the root node for the root item).
    ThreeDObjectTreeVisitor(ThreeDObjectTree& tree, TreeItem start);

    // Levels of items below the start item's parent that one walk reaches.
    static constexpr std::size_t MaxLevels = 4;

    // "id [type]".
    static std::string GetLabel(const Velmo::Papy::ThreeDObject& node);

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
        // The level's items exist already and are walked instead of inserted.
        bool reuse;
        // The next existing item to reuse.
        TreeItem next;
    };

    TreeItem InsertOrReuse(const Velmo::Papy::ThreeDObject& node, const std::string& text);
    // The item of a node with children; whether its children are to be walked.
    bool EnterItem(const Velmo::Papy::ThreeDObject& node, const std::string& text);

    ThreeDObjectTree& m_tree;
    std::deque<Level> m_stack;
};
