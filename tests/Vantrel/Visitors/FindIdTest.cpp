// Find by id: the path of ids from the start node to the first node with the id.
#include <gtest/gtest.h>

#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Vantrel/Visitors/ThreeDObjectFindIdVisitor.h"

using namespace Velmo::Papy;
typedef Velmo::Util::CountedPointer<ThreeDObject> NodePointer;

namespace
{
std::deque<int> Find(ThreeDObject& start, int id, bool* found = nullptr)
{
    ThreeDObjectFindIdVisitor visitor(id);
    start.Accept(visitor);
    if (found != nullptr)
        *found = visitor.IsFound();
    return visitor.GetPath();
}
} // namespace

TEST(FindId, PathsInWalkOrder)
{
    GPLTdoFile file;
    auto a = file.CreateExtObject(file.NewId(), "a.3do");
    auto b = file.CreateExtObject(file.NewId(), "b.3do");
    auto inner = file.CreateObjectList(file.NewId(), {a, b});
    auto other = file.CreateObjectList(file.NewId(), {b});
    auto top = file.CreateObjectList(file.NewId(), {other, inner});
    auto root = file.CreateRoot(GPLTdoFile::RootId, {top});
    file.CreateHandle("h", inner);

    bool found = false;
    // Its own id: a path of one, for a node with children and for a leaf.
    EXPECT_EQ(Find(*top, top->GetId(), &found), std::deque<int>{top->GetId()});
    EXPECT_TRUE(found);
    EXPECT_EQ(Find(*a, a->GetId()), std::deque<int>{a->GetId()});
    // The first node met in walk order: b under "other", before the one under "inner".
    EXPECT_EQ(Find(*root, b->GetId()), (std::deque<int>{-2, top->GetId(), other->GetId(), b->GetId()}));
    EXPECT_EQ(Find(*root, a->GetId()), (std::deque<int>{-2, top->GetId(), inner->GetId(), a->GetId()}));
    // A handle is reached after the top node's subtree.
    EXPECT_EQ(Find(*root, -3), (std::deque<int>{-2, -3}));
    // A missing id: not found, an empty path.
    EXPECT_TRUE(Find(*root, 12345, &found).empty());
    EXPECT_FALSE(found);
    // Searching below a node does not see beside it.
    EXPECT_TRUE(Find(*other, a->GetId()).empty());
}

TEST(FindId, SharedListsNestedFortyDeepAreSearchedAtOnce)
{
    // Each list holds the list below twice: 2^40 paths, 41 lists.
    GPLTdoFile file;
    NodePointer below = file.CreateExtObject(file.NewId(), "leaf.3do");
    for (int depth = 0; depth < 40; ++depth)
        below = file.CreateObjectList(file.NewId(), {below, below});
    auto last = file.CreateExtObject(file.NewId(), "last.3do");
    auto top = file.CreateObjectList(file.NewId(), {below, last});

    // Each list is entered once to be searched and once more from its second parent.
    class CountingFind : public ThreeDObjectFindIdVisitor
    {
    public:
        using ThreeDObjectFindIdVisitor::ThreeDObjectFindIdVisitor;
        bool Enter(ThreeDObject& node) override
        {
            ++enters;
            return ThreeDObjectFindIdVisitor::Enter(node);
        }
        int enters = 0;
    };
    CountingFind missing(12345);
    top->Accept(missing);
    EXPECT_FALSE(missing.IsFound());
    EXPECT_TRUE(missing.GetPath().empty());
    EXPECT_LE(missing.enters, 1 + 2 * 41);

    CountingFind lastOne(last->GetId());
    top->Accept(lastOne);
    EXPECT_TRUE(lastOne.IsFound());
    EXPECT_EQ(lastOne.GetPath(), (std::deque<int>{top->GetId(), last->GetId()}));
    EXPECT_LE(lastOne.enters, 1 + 2 * 41);
}
