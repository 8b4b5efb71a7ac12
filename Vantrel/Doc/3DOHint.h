#pragma once
// What the panes of a 3D-object document tell each other through the document's
// UpdateAllViews: the node concerned, by its id, and when a handle was renamed its new name.
//
// The sender matters: a hint with a sender (the tree's selection) names the node to show; a
// hint without one (an insert or an edit, sent to every pane) says that the node's content
// changed.
#include <string>

#include <wx/object.h>

class C3DOHint : public wxObject
{
public:
    C3DOHint() = default;
    explicit C3DOHint(int nodeId, bool nameChanged = false, std::string newName = std::string())
        : NodeId(nodeId), NameChanged(nameChanged), NewName(std::move(newName))
    {
    }

    // The node's id in the document's file; -1 for none.
    int NodeId = -1;
    // A handle's name was edited: NewName holds it, as the handle keeps it (code page 1252).
    bool NameChanged = false;
    std::string NewName;
};
