#pragma once
// Searches a 3D-object tree depth first, in walk order, for the first node with an id, and
// gives the path of ids from the start node down to it; the tree pane's Find expands and
// selects along that path. A node reached again through another parent whose subtree was
// already searched in vain is not searched again, so a file that shares its lists heavily is
// searched in time linear in its nodes. Built for one walk; catches nothing.
#include <deque>
#include <unordered_set>

#include "Papy/Model/ThreeDObjectVisitor.h"

class ThreeDObjectFindIdVisitor : public Velmo::Papy::ThreeDObjectVisitor
{
public:
    explicit ThreeDObjectFindIdVisitor(int id);

    bool IsFound() const { return m_found; }
    // The start node's id first, the found node's id last; empty when the id was not found.
    const std::deque<int>& GetPath() const { return m_path; }

    bool Enter(Velmo::Papy::ThreeDObject& node) override;
    void Leave(Velmo::Papy::ThreeDObject& node) override;
    void Visit(Velmo::Papy::ThreeDObject& node) override;

private:
    int m_id;
    bool m_found = false;
    std::deque<int> m_path;
    // Ids of the nodes whose whole subtree was searched without finding the id.
    std::unordered_set<int> m_searched;
};
