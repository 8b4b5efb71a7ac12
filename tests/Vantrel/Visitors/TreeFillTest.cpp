// Filling the tree pane a few levels at a time, on a tree in memory.
#include <gtest/gtest.h>

#include "FakeNodes.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Vantrel/Visitors/ThreeDObjectTreeVisitor.h"
#include "VisitorSupport.h"

using namespace VelmoTest;
using namespace Velmo::Papy;

namespace
{
std::string Label(const NodePointer& node)
{
    return std::to_string(node->GetId()) + " [" + node->GetType() + "]";
}

// Walks the node into the tree from the item, as the tree pane does.
void Walk(FakeTree& tree, TreeItem start, ThreeDObject& node)
{
    ThreeDObjectTreeVisitor visitor(tree, start);
    node.Accept(visitor);
}

TreeItem FindItem(const FakeTree& tree, TreeItem parent, const std::string& text)
{
    for (TreeItem item : tree.Children(parent))
        if (tree.Get(item).text == text)
            return item;
    ADD_FAILURE() << "no item " << text;
    return TreeItem();
}

class FakeRoot : public FakeNode<ThreeDObjectRoot>
{
public:
    int GetChildCount() const override { return 0; }
    NodePointer GetChild(int) const override { return Null(); }
};

// Root -> top list L -> transformation T -> polygon P
//                    -> external object E
//                    -> list M -> list N -> polygon P
// handles "body" -> L and "" -> the null node.
struct Sample
{
    GPLTdoFile file;
    NodePointer p, t, e, n, m, l;

    Sample()
    {
        p = file.CreatePolygon(file.NewId(), {Vertex(0, 0, 0), Vertex(1, 0, 0), Vertex(0, 1, 0)}, Colour(1, 0, 0, 1),
                               false, {}, false, {}, false, {});
        t = file.CreateTransformation(file.NewId(), 0, 0, 0, 0, 0, 0, 1, p);
        e = file.CreateExtObject(file.NewId(), "wheel.3do");
        n = file.CreateObjectList(file.NewId(), {p});
        m = file.CreateObjectList(file.NewId(), {n});
        l = file.CreateObjectList(file.NewId(), {t, e, m});
        file.CreateRoot(GPLTdoFile::RootId, {l});
        file.CreateHandle("body", l);
        file.CreateHandle("", file.GetNull());
    }
};
} // namespace

TEST(TreeFill, ARootWithoutChildrenShowsOneItem)
{
    FakeTree tree;
    FakeRoot root;
    Walk(tree, tree.GetRootItem(), root);
    EXPECT_EQ(tree.Outline(), "Root\n");
}

TEST(TreeFill, TheFirstWalkFillsThreeLevels)
{
    Sample s;
    FakeTree tree;
    Walk(tree, tree.GetRootItem(), *s.file.GetRoot());
    // The handles' children are inserted, their children not yet.
    const std::string expected = "Root\n"
                                 "  " + Label(s.l) + "\n"
                                 "    " + Label(s.t) + "\n"
                                 "    " + Label(s.e) + "\n"
                                 "    " + Label(s.m) + "\n"
                                 "  body\n"
                                 "    " + Label(s.l) + "\n"
                                 "  \n"
                                 "    \n";
    EXPECT_EQ(tree.Outline(), expected);
    // Each item holds its node's id.
    TreeItem root = tree.Children(tree.GetRootItem()).at(0);
    EXPECT_EQ(tree.Get(root).id, GPLTdoFile::RootId);
    EXPECT_EQ(tree.Get(tree.Children(root).at(0)).id, s.l->GetId());
    EXPECT_EQ(tree.Get(tree.Children(tree.Children(root).at(2)).at(0)).id, -1);
}

TEST(TreeFill, ExpandingReusesTheItemsAndInsertsTheGrandchildren)
{
    Sample s;
    FakeTree tree;
    Walk(tree, tree.GetRootItem(), *s.file.GetRoot());
    TreeItem root = tree.Children(tree.GetRootItem()).at(0);
    TreeItem l = FindItem(tree, root, Label(s.l));
    const std::size_t before = tree.GetInsertedCount();

    // Expanding L: its children stay, their children come in (P under T, N under M).
    Walk(tree, l, *s.l);
    EXPECT_EQ(tree.GetInsertedCount(), before + 2);
    EXPECT_EQ(tree.ChildTexts(root).size(), 3u) << "nothing inserted beside L";
    EXPECT_EQ(tree.ChildTexts(l), (std::vector<std::string>{Label(s.t), Label(s.e), Label(s.m)}));
    EXPECT_EQ(tree.ChildTexts(FindItem(tree, l, Label(s.t))), std::vector<std::string>{Label(s.p)});
    TreeItem m = FindItem(tree, l, Label(s.m));
    EXPECT_EQ(tree.ChildTexts(m), std::vector<std::string>{Label(s.n)});

    // Expanding it again inserts nothing.
    Walk(tree, l, *s.l);
    EXPECT_EQ(tree.GetInsertedCount(), before + 2);

    // Expanding M reaches down to its grandchildren: N's polygon.
    Walk(tree, m, *s.m);
    EXPECT_EQ(tree.GetInsertedCount(), before + 3);
    EXPECT_EQ(tree.ChildTexts(FindItem(tree, m, Label(s.n))), std::vector<std::string>{Label(s.p)});
}

TEST(TreeFill, AnItemWhoseChildrenWereDeletedIsFilledAgain)
{
    Sample s;
    FakeTree tree;
    Walk(tree, tree.GetRootItem(), *s.file.GetRoot());
    TreeItem root = tree.Children(tree.GetRootItem()).at(0);
    TreeItem l = FindItem(tree, root, Label(s.l));
    tree.DeleteChildren(l);
    Walk(tree, l, *s.l);
    EXPECT_EQ(tree.ChildTexts(l), (std::vector<std::string>{Label(s.t), Label(s.e), Label(s.m)}));
    EXPECT_EQ(tree.ChildTexts(FindItem(tree, l, Label(s.m))), std::vector<std::string>{Label(s.n)});
}

TEST(TreeFill, TheLocatedObjectsOfALocatorAreShown)
{
    GPLTdoFile file;
    auto sibling = file.CreateExtObject(file.NewId(), "s.3do");
    auto child = file.CreateExtObject(file.NewId(), "c.3do");
    auto object = file.CreateExtObject(file.NewId(), "o.3do");
    const std::vector<Plane> planes(4, Plane(1, 0, 0, 0));
    auto locator = file.CreateObjectLocator(file.NewId(), planes,
                                            {sibling, file.GetNull(), file.GetNull(), file.GetNull()}, child, {1},
                                            {2}, {3}, {object});
    FakeTree tree;
    Walk(tree, tree.GetRootItem(), *locator);
    const std::string expected = Label(locator) + "\n"
                                 "  " + Label(sibling) + "\n"
                                 "  \n  \n  \n"
                                 "  " + Label(child) + "\n"
                                 "  " + Label(object) + "\n";
    EXPECT_EQ(tree.Outline(), expected);
}
