// The tree pane after an edit and under expand-all, on a tree in memory: a walk after an edit
// keeps the items of the children that are still there (and what is open below them), and
// expand-all ends on a file whose nodes share subtrees over many levels.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "FakeTree.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Vantrel/Visitors/ThreeDObjectTreeExpandAll.h"
#include "Vantrel/Visitors/ThreeDObjectTreeVisitor.h"

using namespace VelmoTest;
using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;

namespace
{
typedef CountedPointer<ThreeDObject> NodePointer;

void Walk(FakeTree& tree, TreeItem start, ThreeDObject& node)
{
    ThreeDObjectTreeVisitor visitor(tree, start);
    node.Accept(visitor);
}

CountedPointer<ThreeDObjectPolygon> Triangle(GPLTdoFile& file)
{
    return file.CreatePolygon(file.NewId(), {Vertex(0, 0, 0), Vertex(1, 0, 0), Vertex(0, 1, 0)}, Colour(1, 0, 0, 1),
                              false, {}, false, {}, false, {});
}

// The ids of an item's children, in order.
std::vector<int> ChildIds(const FakeTree& tree, TreeItem item)
{
    std::vector<int> ids;
    for (TreeItem child : tree.Children(item))
        ids.push_back(tree.Get(child).id);
    return ids;
}

std::vector<int> NodeIds(const ThreeDObjectObjectList& list)
{
    std::vector<int> ids;
    for (int i = 0; i < list.GetChildCount(); ++i)
        ids.push_back(list.GetChild(i)->GetId());
    return ids;
}

// A GPL object of `levels` object lists below its handle, each list holding the next one twice
// (the last list two triangles): 2^levels paths through levels + 1 nodes.
struct SharedLevels
{
    GPLTdoFile file;
    NodePointer top;

    explicit SharedLevels(int levels)
    {
        NodePointer below = Triangle(file);
        for (int level = 0; level < levels; ++level)
            below = file.CreateObjectList(file.NewId(), {below, below});
        top = below;
        file.CreateRoot(GPLTdoFile::RootId, {top});
        file.CreateHandle("shared", top);
    }
};
} // namespace

// Rows: the edit made to the listed list L (whose children T0..T3 are transformations, each
// over its own triangle) after its items were walked and the first and third child opened.
TEST(TreeRefill, AWalkAfterAnEditKeepsTheItemsOfTheChildrenThatStay)
{
    const struct
    {
        const char* name;
        std::function<void(GPLTdoFile&, ThreeDObjectObjectList&)> edit;
    } cases[] = {
        {"first child removed", [](GPLTdoFile&, ThreeDObjectObjectList& l) { l.RemoveChild(0); }},
        {"middle child removed", [](GPLTdoFile&, ThreeDObjectObjectList& l) { l.RemoveChild(1); }},
        {"last child removed", [](GPLTdoFile&, ThreeDObjectObjectList& l) { l.RemoveChild(3); }},
        {"child appended",
         [](GPLTdoFile& f, ThreeDObjectObjectList& l) { l.InsertChild(NodePointer(f.CreateExtObject(f.NewId(), "a")), 4); }},
        {"child put first",
         [](GPLTdoFile& f, ThreeDObjectObjectList& l) { l.InsertChild(NodePointer(f.CreateExtObject(f.NewId(), "a")), 0); }},
        {"child put between",
         [](GPLTdoFile& f, ThreeDObjectObjectList& l) { l.InsertChild(NodePointer(f.CreateExtObject(f.NewId(), "a")), 2); }},
        {"nothing changed", [](GPLTdoFile&, ThreeDObjectObjectList&) {}},
        {"all children removed",
         [](GPLTdoFile&, ThreeDObjectObjectList& l) {
             while (l.GetChildCount() > 0)
                 l.RemoveChild(0);
         }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        GPLTdoFile file;
        std::vector<NodePointer> children;
        for (int i = 0; i < 4; ++i)
            children.push_back(file.CreateTransformation(file.NewId(), 0, 0, 0, 0, 0, 0, 1, Triangle(file)));
        CountedPointer<ThreeDObjectObjectList> l = file.CreateObjectList(file.NewId(), children);
        file.CreateRoot(GPLTdoFile::RootId, {NodePointer(l)});
        file.CreateHandle("body", l);

        FakeTree tree;
        Walk(tree, tree.GetRootItem(), *file.GetRoot());
        const TreeItem root = tree.Children(tree.GetRootItem()).at(0);
        const TreeItem listItem = tree.Children(root).at(0);
        // The user opens L, then T0 and T2: the triangles' items exist below them.
        Walk(tree, listItem, *l);
        std::map<int, TreeItem> items;
        std::map<int, std::vector<TreeItem>> below;
        for (TreeItem item : tree.Children(listItem))
        {
            items[tree.Get(item).id] = item;
            below[tree.Get(item).id] = tree.Children(item);
        }
        ASSERT_EQ(items.size(), 4u);
        for (int opened : {0, 2})
            Walk(tree, items[children[std::size_t(opened)]->GetId()], *children[std::size_t(opened)]);

        c.edit(file, *l);
        Walk(tree, listItem, *l);

        // Exactly the node's children, in order...
        EXPECT_EQ(ChildIds(tree, listItem), NodeIds(*l));
        // ...those that stayed with their own items and what was below them...
        for (TreeItem item : tree.Children(listItem))
        {
            const int id = tree.Get(item).id;
            if (items.count(id) == 0)
            {
                EXPECT_EQ(tree.ChildTexts(item), std::vector<std::string>()) << "new external object";
                continue;
            }
            EXPECT_EQ(item, items[id]) << id;
            EXPECT_EQ(tree.Children(item), below[id]) << id;
        }
        // ...and no item touched outside L.
        EXPECT_EQ(tree.ChildTexts(root), (std::vector<std::string>{ThreeDObjectTreeVisitor::GetLabel(*l), "body"}));
        // The same walk again changes nothing.
        const std::size_t inserted = tree.GetInsertedCount(), deleted = tree.GetDeletedCount();
        Walk(tree, listItem, *l);
        EXPECT_EQ(tree.GetInsertedCount(), inserted);
        EXPECT_EQ(tree.GetDeletedCount(), deleted);
    }
}

TEST(TreeRefill, AHandleGivenANewChildShowsItInPlaceOfTheOld)
{
    GPLTdoFile file;
    NodePointer old = Triangle(file);
    file.CreateRoot(GPLTdoFile::RootId, {old});
    CountedPointer<ThreeDObjectHandle> handle = file.CreateHandle("wheel", old);
    FakeTree tree;
    Walk(tree, tree.GetRootItem(), *file.GetRoot());
    const TreeItem root = tree.Children(tree.GetRootItem()).at(0);
    const TreeItem handleItem = tree.Children(root).at(1);
    ASSERT_EQ(tree.Get(handleItem).text, "wheel");

    NodePointer list = file.CreateObjectList(file.NewId(), {});
    handle->SetObject(list);
    Walk(tree, handleItem, *handle);
    EXPECT_EQ(ChildIds(tree, handleItem), std::vector<int>{list->GetId()});
    EXPECT_EQ(ChildIds(tree, root), (std::vector<int>{old->GetId(), handle->GetId()}));
}

TEST(TreeRefill, OneWalkInsertsNoMoreThanItsBound)
{
    // Ten lists of ten times the same list of ten triangles: 110 items two levels down.
    GPLTdoFile file;
    NodePointer triangle = Triangle(file);
    NodePointer inner = file.CreateObjectList(file.NewId(), std::vector<NodePointer>(10, triangle));
    NodePointer top = file.CreateObjectList(file.NewId(), std::vector<NodePointer>(10, inner));
    file.CreateRoot(GPLTdoFile::RootId, {top});
    FakeTree tree;
    Walk(tree, tree.GetRootItem(), *file.GetRoot());
    const TreeItem topItem = tree.Children(tree.Children(tree.GetRootItem()).at(0)).at(0);

    ThreeDObjectTreeVisitor bounded(tree, topItem, 25);
    top->Accept(bounded);
    EXPECT_EQ(bounded.GetInsertedCount(), 25u);
    EXPECT_TRUE(bounded.IsBudgetSpent());
    // What the bound left out comes in with the next walk, nothing twice.
    Walk(tree, topItem, *top);
    for (TreeItem item : tree.Children(topItem))
        EXPECT_EQ(ChildIds(tree, item), std::vector<int>(10, triangle->GetId()));
}

// Expand-all as the pane runs it: opening an item walks it with what is left of the bound.
TEST(TreeRefill, ExpandAllEndsOnSharedLevels)
{
    const struct
    {
        int levels;
        bool complete;
    } cases[] = {{3, true}, {12, true}, {40, false}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.levels);
        SharedLevels sample(c.levels);
        FakeTree tree;
        Walk(tree, tree.GetRootItem(), *sample.file.GetRoot());
        const TreeItem root = tree.Children(tree.GetRootItem()).at(0);
        std::size_t opened = 0;
        ThreeDObjectTreeExpandAll expand(tree, [&](TreeItem item, std::size_t allowed) {
            ++opened;
            ThreeDObjectTreeVisitor fill(tree, item, allowed);
            sample.file.GetSubObject(tree.Get(item).id)->Accept(fill);
            return fill.GetInsertedCount();
        });
        const std::size_t before = tree.GetInsertedCount();
        EXPECT_EQ(expand.Run(root), c.complete);
        const std::size_t inserted = tree.GetInsertedCount() - before;
        EXPECT_EQ(expand.GetInsertedCount(), inserted);
        EXPECT_LE(inserted, ThreeDObjectTree::MaxInsertedItems);
        EXPECT_EQ(expand.GetOpenedCount(), opened);
        if (c.complete)
        {
            // Every path is shown: below the root's top list and below the handle's, 2^(levels+1)
            // - 1 items each (the lists and the triangles), with the root and the handle.
            const std::size_t below = (std::size_t(1) << (c.levels + 1)) - 1;
            std::size_t items = 0;
            std::vector<TreeItem> pending = {root};
            while (!pending.empty())
            {
                const TreeItem item = pending.back();
                pending.pop_back();
                ++items;
                for (TreeItem child : tree.Children(item))
                    pending.push_back(child);
            }
            EXPECT_EQ(items, 2 + 2 * below);
        }
    }
}
