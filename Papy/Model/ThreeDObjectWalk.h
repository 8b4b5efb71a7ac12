#pragma once
// The walk shapes of the node kinds, written once. A kind's Accept names its visitor operations
// and its child getters and hands them to one of these helpers, which fix the order of the
// calls:
//   leaf       visit
//   one child  enter, the child when enter returned true, leave
//   list       enter; for each child i: before(i), the child when before returned true,
//              after(i); leave (the children only when enter returned true)
//   open list  as list, but before's result is not consulted: every child is visited
//   pairs      enter; for each child in a fixed order: before, the child when before returned
//              true, after; leave
//   ordered    pairs whose enter also hands back a reverse flag; reverse runs the pairs in
//              exactly the opposite order
// Leave and after are called whatever enter and before returned. An exception thrown by the
// visitor ends the walk at once. Every descent goes through Descend, which holds the child
// for the duration of its walk and refuses trees nested deeper than MaxDepth. Each descent and
// each child of a list (whether before lets it be walked or not) is a step of the walk meter
// (Util::WalkMeter), so that an armed deadline ends any walk, however long its lists.
#include <cstddef>

#include "Papy/Model/ThreeDObject.h"
#include "Util/CountedPointer.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
class ThreeDObjectVisitor;

class ThreeDObjectWalk
{
public:
    // Far above any real file; a deeper walk means a reference cycle. The walk's own frames at
    // this depth take at most about 2.5 MB of stack (unoptimised with address checking; 0.8 MB
    // optimised), well inside the default stack.
    static constexpr int MaxDepth = 2000;

    template <class Node>
    using Enter = bool (ThreeDObjectVisitor::*)(Node&);
    template <class Node>
    using EnterOrdered = bool (ThreeDObjectVisitor::*)(Node&, bool&);
    template <class Node>
    using Leave = void (ThreeDObjectVisitor::*)(Node&);
    template <class Node>
    using Visit = void (ThreeDObjectVisitor::*)(Node&);
    template <class Node>
    using Before = bool (ThreeDObjectVisitor::*)(Node&);
    template <class Node>
    using After = void (ThreeDObjectVisitor::*)(Node&);
    template <class Node>
    using BeforeItem = bool (ThreeDObjectVisitor::*)(Node&, int);
    template <class Node>
    using AfterItem = void (ThreeDObjectVisitor::*)(Node&, int);
    template <class Node, class Child>
    using ChildOf = Util::CountedPointer<Child> (Node::*)() const;
    template <class Node, class Child>
    using ItemOf = Util::CountedPointer<Child> (Node::*)(int) const;
    template <class Node>
    using CountOf = int (Node::*)() const;

    // One child of a pairs or ordered walk: its before, its getter and its after.
    template <class Node>
    struct Step
    {
        Before<Node> before;
        ChildOf<Node, ThreeDObject> child;
        After<Node> after;
    };

    // Walks one child: the only place where a walk goes one level deeper. Asks the visitor's
    // Descends first (false: the child is passed by). Fails with XUsage beyond MaxDepth and
    // with the assertion "child != 0" for a getter that yielded no node.
    static void Descend(ThreeDObjectVisitor& visitor, const Util::CountedPointer<ThreeDObject>& child);

    // The current depth of the walk in progress (0 outside any walk).
    static int GetDepth();

    template <class Node>
    static void Leaf(ThreeDObjectVisitor& visitor, Node& node, Visit<Node> visit)
    {
        (visitor.*visit)(node);
    }

    template <class Node, class Child>
    static void OneChild(ThreeDObjectVisitor& visitor, Node& node, Enter<Node> enter, ChildOf<Node, Child> child,
                         Leave<Node> leave)
    {
        if ((visitor.*enter)(node))
            Descend(visitor, (node.*child)());
        (visitor.*leave)(node);
    }

    // The children of a list, between before and after (the inner part of a list walk).
    template <class Node, class Child>
    static void Items(ThreeDObjectVisitor& visitor, Node& node, CountOf<Node> count, ItemOf<Node, Child> item,
                      BeforeItem<Node> before, AfterItem<Node> after)
    {
        const int n = (node.*count)();
        for (int i = 0; i < n; ++i)
        {
            // One step a child: its descent's, or its own when it is passed by.
            if ((visitor.*before)(node, i))
                Descend(visitor, (node.*item)(i));
            else
                Util::WalkMeter::Tick();
            (visitor.*after)(node, i);
        }
    }

    // As Items, but every child is visited whatever before returned.
    template <class Node, class Child>
    static void OpenItems(ThreeDObjectVisitor& visitor, Node& node, CountOf<Node> count, ItemOf<Node, Child> item,
                          BeforeItem<Node> before, AfterItem<Node> after)
    {
        const int n = (node.*count)();
        for (int i = 0; i < n; ++i)
        {
            (visitor.*before)(node, i);
            Descend(visitor, (node.*item)(i));
            (visitor.*after)(node, i);
        }
    }

    template <class Node, class Child>
    static void List(ThreeDObjectVisitor& visitor, Node& node, Enter<Node> enter, CountOf<Node> count,
                     ItemOf<Node, Child> item, BeforeItem<Node> before, AfterItem<Node> after, Leave<Node> leave)
    {
        if ((visitor.*enter)(node))
            Items(visitor, node, count, item, before, after);
        (visitor.*leave)(node);
    }

    template <class Node, class Child>
    static void OpenList(ThreeDObjectVisitor& visitor, Node& node, Enter<Node> enter, CountOf<Node> count,
                         ItemOf<Node, Child> item, BeforeItem<Node> before, AfterItem<Node> after, Leave<Node> leave)
    {
        if ((visitor.*enter)(node))
            OpenItems(visitor, node, count, item, before, after);
        (visitor.*leave)(node);
    }

    // A list nested inside a node's walk, bracketed by its own enter and leave.
    template <class Node, class Child>
    static void SubList(ThreeDObjectVisitor& visitor, Node& node, Enter<Node> enter, CountOf<Node> count,
                        ItemOf<Node, Child> item, BeforeItem<Node> before, AfterItem<Node> after, Leave<Node> leave)
    {
        List(visitor, node, enter, count, item, before, after, leave);
    }

    // One single child between its before and after.
    template <class Node, class Child>
    static void Pair(ThreeDObjectVisitor& visitor, Node& node, Before<Node> before, ChildOf<Node, Child> child,
                     After<Node> after)
    {
        if ((visitor.*before)(node))
            Descend(visitor, (node.*child)());
        (visitor.*after)(node);
    }

    template <class Node, std::size_t N>
    static void Pairs(ThreeDObjectVisitor& visitor, Node& node, Enter<Node> enter, const Step<Node> (&steps)[N],
                      Leave<Node> leave)
    {
        if ((visitor.*enter)(node))
            for (const Step<Node>& step : steps)
                Pair(visitor, node, step.before, step.child, step.after);
        (visitor.*leave)(node);
    }

    template <class Node, std::size_t N>
    static void Ordered(ThreeDObjectVisitor& visitor, Node& node, EnterOrdered<Node> enter,
                        const Step<Node> (&steps)[N], Leave<Node> leave)
    {
        // Defined before the call, so an enter that leaves the flag alone reads false.
        bool reverse = false;
        if ((visitor.*enter)(node, reverse))
        {
            if (reverse)
                for (std::size_t i = N; i-- > 0;)
                    Pair(visitor, node, steps[i].before, steps[i].child, steps[i].after);
            else
                for (const Step<Node>& step : steps)
                    Pair(visitor, node, step.before, step.child, step.after);
        }
        (visitor.*leave)(node);
    }
};
} // namespace Velmo::Papy
