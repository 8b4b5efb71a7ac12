#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "Util/CountedPointer.h"

using Velmo::Util::CountedPointer;

namespace
{
int g_alive = 0;
int g_deleted = 0;

struct Base
{
    Base() { ++g_alive; }
    virtual ~Base()
    {
        --g_alive;
        ++g_deleted;
    }
};
struct Derived : Base
{
};
struct Other : Base
{
};
// Nodes reach their base through a virtual base.
struct Node
{
    virtual ~Node() = default;
};
struct Kind : virtual Node
{
};
struct Concrete : Kind
{
    Concrete() { ++g_alive; }
    ~Concrete() override { --g_alive; }
};

class CountedPointerTest : public ::testing::Test
{
protected:
    void SetUp() override { g_alive = g_deleted = 0; }
};
} // namespace

TEST_F(CountedPointerTest, NullWrapsToEmpty)
{
    CountedPointer<Base> p(static_cast<Base*>(nullptr));
    EXPECT_EQ(p.Get(), nullptr);
    EXPECT_EQ(p.GetCount(), 0);
    CountedPointer<Base> q(p);
    EXPECT_EQ(q.GetCount(), 0);
}

TEST_F(CountedPointerTest, LastOfThreeHoldersDeletesOnce)
{
    {
        CountedPointer<Base> a(new Base);
        CountedPointer<Base> b(a);
        CountedPointer<Base> c;
        c = b;
        EXPECT_EQ(a.GetCount(), 3);
        a = CountedPointer<Base>();
        b.Reset(new Base);
        EXPECT_EQ(c.GetCount(), 1);
        EXPECT_EQ(g_deleted, 0);
    }
    EXPECT_EQ(g_deleted, 2);
    EXPECT_EQ(g_alive, 0);
}

TEST_F(CountedPointerTest, SelfAndSameObjectAssignmentChangeNothing)
{
    CountedPointer<Base> a(new Base);
    CountedPointer<Base> b(a);
    a = b;
    auto& alias = a;
    a = alias;
    EXPECT_EQ(a.GetCount(), 2);
    Base* raw = a.Get();
    a.Reset(raw);
    EXPECT_EQ(a.GetCount(), 2);
    EXPECT_EQ(g_deleted, 0);
}

TEST_F(CountedPointerTest, UpcastSharesCount)
{
    CountedPointer<Derived> d(new Derived);
    CountedPointer<Base> b(d);
    CountedPointer<Base> c;
    c = d;
    EXPECT_EQ(d.GetCount(), 3);
    EXPECT_EQ(c.Get(), static_cast<Base*>(d.Get()));
}

TEST_F(CountedPointerTest, FailedDynamicCastSharesCountButHoldsNothing)
{
    CountedPointer<Base> source(new Other);
    CountedPointer<Derived> narrowed;
    narrowed = source;
    EXPECT_EQ(narrowed.Get(), nullptr);
    EXPECT_EQ(source.GetCount(), 2);
    EXPECT_EQ(narrowed.GetCount(), 2);

    CountedPointer<Derived> good;
    CountedPointer<Base> derived(new Derived);
    good = derived;
    EXPECT_NE(good.Get(), nullptr);
    EXPECT_EQ(derived.GetCount(), 2);
}

TEST_F(CountedPointerTest, LastHolderWithoutObjectStillDeletesIt)
{
    CountedPointer<Derived> narrowed;
    {
        CountedPointer<Base> source(new Other);
        narrowed = source;
    }
    EXPECT_EQ(g_deleted, 0);
    narrowed = nullptr;
    EXPECT_EQ(g_deleted, 1);
    EXPECT_EQ(g_alive, 0);
}

TEST_F(CountedPointerTest, DeletesThroughVirtualBase)
{
    {
        CountedPointer<Node> node(new Concrete);
        CountedPointer<Kind> kind;
        kind = node;
        ASSERT_NE(kind.Get(), nullptr);
        CountedPointer<Node> back(kind);
        EXPECT_EQ(back.Get(), node.Get());
        EXPECT_EQ(node.GetCount(), 3);
    }
    EXPECT_EQ(g_alive, 0);
}

TEST_F(CountedPointerTest, ContainersCopyHolders)
{
    std::map<int, CountedPointer<Base>> table;
    CountedPointer<Base> p(new Base);
    table[1] = p;
    table[2] = p;
    std::vector<CountedPointer<Base>> copy{table[1], table[2]};
    EXPECT_EQ(p.GetCount(), 5);
    table.clear();
    copy.clear();
    EXPECT_EQ(p.GetCount(), 1);
    EXPECT_EQ(g_deleted, 0);
}

TEST_F(CountedPointerTest, PlainRecordsAreDeleted)
{
    CountedPointer<std::vector<unsigned char>> bytes(new std::vector<unsigned char>(100, 7));
    EXPECT_EQ((*bytes)[99], 7);
}

// Release lets go at once and empties the holder: the other holders keep the object, the last
// release deletes it, and the destructors afterwards count nothing down a second time.
TEST_F(CountedPointerTest, ExplicitReleaseEmptiesTheHolder)
{
    {
        CountedPointer<Base> a(new Base);
        CountedPointer<Base> b(a);
        a.Release();
        EXPECT_FALSE(a);
        EXPECT_EQ(a.GetCount(), 0);
        EXPECT_EQ(b.GetCount(), 1);
        a.Release();
        EXPECT_EQ(b.GetCount(), 1);
        EXPECT_EQ(g_deleted, 0);
        b.Release();
        EXPECT_EQ(g_deleted, 1);
    }
    EXPECT_EQ(g_deleted, 1);
    EXPECT_EQ(g_alive, 0);
}
