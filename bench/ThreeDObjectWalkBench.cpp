// Figures of the node walk: stack taken per level of a walk for the kinds with the largest walk
// frames (the depth limit must fit in the default stack in every build), and nodes walked per
// second through a wide tree.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <type_traits>
#include <vector>

#include "Papy/Model/ThreeDObjectNull.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/BinaryStream.h"

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
typedef Util::CountedPointer<ThreeDObject> Node;

// The parts of a node that the walk does not look at.
template <class Kind>
class Bench : public Kind
{
public:
    int GetId() const override { return 0; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return ""; }
    void Write(Util::BinaryStream&, U32) override {}
};

class Null : public Bench<ThreeDObjectNull>
{
};

class List : public Bench<ThreeDObjectObjectList>
{
public:
    std::vector<Node> Children;
    int GetChildCount() const override { return int(Children.size()); }
    Node GetChild(int i) const override { return Children[i]; }
    void InsertChild(const Node&, int) override {}
    void RemoveChild(int) override {}
};

class Order : public Bench<ThreeDObjectPlaneOrder4CullFrontBack>
{
public:
    Node Far, Other;
    Node GetFarChild() const override { return Far; }
    void SetFarChild(const Node&) override {}
    void ClearFarChild() override {}
    Node GetBackChild() const override { return Other; }
    void ClearBackChild() override {}
    Node GetFrontChild() const override { return Other; }
    void ClearFrontChild() override {}
    Node GetNearChild() const override { return Other; }
    void ClearNearChild() override {}
    Plane GetPlane() const override { return Plane(); }
};

class StackProbe : public ThreeDObjectVisitor
{
public:
    std::uintptr_t First = 0;
    std::uintptr_t Last = 0;
    int Levels = 0;
    bool Enter(ThreeDObject&) override
    {
        volatile char here = 0;
        const std::uintptr_t address = reinterpret_cast<std::uintptr_t>(&here);
        if (Levels++ == 0)
            First = address;
        Last = address;
        return true;
    }
    bool EnterPlaneOrder4CullFrontBack(ThreeDObjectPlaneOrder4CullFrontBack& node, bool& reverse) override
    {
        reverse = false;
        return Enter(node);
    }
};

class Counter : public ThreeDObjectVisitor
{
public:
    long Count = 0;
    void Visit(ThreeDObject&) override { ++Count; }
};

template <class Link>
double BytesPerLevel(int depth)
{
    Node null(new Null);
    std::vector<Util::CountedPointer<Link>> chain;
    for (int i = 0; i < depth; ++i)
        chain.emplace_back(new Link);
    for (int i = 0; i < depth; ++i)
    {
        Node next = i + 1 < depth ? Node(chain[i + 1]) : null;
        if constexpr (std::is_same_v<Link, List>)
            chain[i]->Children = {next};
        else
        {
            chain[i]->Far = next;
            chain[i]->Other = null;
        }
    }
    StackProbe probe;
    chain[0]->Accept(probe);
    for (auto& link : chain) // release without a deep chain of destructors
        if constexpr (std::is_same_v<Link, List>)
            link->Children.clear();
        else
            link->Far = null;
    return double(probe.First - probe.Last) / (probe.Levels - 1);
}
} // namespace

int main()
{
    const int depth = ThreeDObjectWalk::MaxDepth;
    const double list = BytesPerLevel<List>(depth);
    const double order = BytesPerLevel<Order>(depth);
    std::printf("walk depth limit %d\n", depth);
    std::printf("object list chain: %.0f bytes of stack per level, %.2f MB at the limit\n", list,
                list * depth / 1048576);
    std::printf("plane order chain: %.0f bytes of stack per level, %.2f MB at the limit\n", order,
                order * depth / 1048576);

    // A root list of 1000 lists of 1000 leaves each.
    Util::CountedPointer<List> root(new List);
    Node leaf(new Null);
    for (int i = 0; i < 1000; ++i)
    {
        Util::CountedPointer<List> inner(new List);
        inner->Children.assign(1000, leaf);
        root->Children.push_back(inner);
    }
    Counter counter;
    const auto start = std::chrono::steady_clock::now();
    const int rounds = 10;
    for (int i = 0; i < rounds; ++i)
        root->Accept(counter);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("wide tree: %ld leaves walked in %.3f s, %.1f million nodes per second\n", counter.Count, seconds,
                (counter.Count + rounds * 1001.0) / seconds / 1e6);
    return 0;
}
