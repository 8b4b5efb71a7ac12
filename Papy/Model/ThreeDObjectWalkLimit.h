#pragma once
// What a visitor implements besides ThreeDObjectVisitor when its walks keep to a limit, such as
// a budget of nodes. Nodes may share subtrees, so the paths of a node graph can outnumber its
// nodes by far (40 levels that each name the next twice make 2^40 paths in a file of 40
// records), and a walk follows every path.
//
// Every descent (ThreeDObjectWalk::Descend) of a visitor that is also a ThreeDObjectWalkLimit
// asks it first: false passes the child by, its operations are not called. A walk whose limit
// is reached so unwinds at once, every enter still matched by its leave, and what it did so far
// stays done.
namespace Velmo::Papy
{
class ThreeDObject;

class ThreeDObjectWalkLimit
{
public:
    virtual ~ThreeDObjectWalkLimit() = default;

    // Whether the walk goes on into the child.
    virtual bool Descends(ThreeDObject& child) = 0;
};
} // namespace Velmo::Papy
