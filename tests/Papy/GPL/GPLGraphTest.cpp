// Files whose references form cycles are refused at load; shared children and dangling ids
// are not cycles, and shared children cost no more than once each.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>

#include "GPLPrimBuilder.h"
#include "Papy/GPL/GPLGraphCheck.h"
#include "Papy/GPL/GPLTrackRoot.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Util/Exception.h"

using namespace VelmoTest;
using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;
using Velmo::Util::XFileFormat;
using PB = VelmoTest::PrimBuilder;

namespace
{
const char* const CycleMessage = "GPL 3do file node refers to itself or an ancestor";

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string LoadMessage(const Bytes& bytes)
{
    try
    {
        Load(bytes);
    }
    catch (const XFileFormat& e)
    {
        return e.GetText();
    }
    return "(loaded)";
}

// A visitor that enters each node once, as any walk over shared children should.
class OnceWalker : public ThreeDObjectVisitor
{
public:
    bool Enter(ThreeDObject& node) override { return ++m_seen[&node] == 1; }
    void Visit(ThreeDObject& node) override { ++m_seen[&node]; }
    std::size_t Distinct() const { return m_seen.size(); }

private:
    std::map<const ThreeDObject*, int> m_seen;
};
} // namespace

TEST(GPLGraph, CyclesThroughAnyKindAreRefusedQuickly)
{
    struct Case
    {
        const char* name;
        std::function<void(PB&)> build; // the top is "a"
    };
    const std::vector<Case> cases = {
        {"transformation naming itself",
         [](PB& b) { b.Add("a", {19, 0, 0, 0, 0, 0, 0, 0x3F800000, PB::Ref("a")}); }},
        {"list, plane order, list",
         [](PB& b) {
             b.Add("a", PB::ObjectList({PB::Ref("b"), PB::Ref("b")}));
             b.Add("b", {11, 0, PB::Null, PB::Ref("c")});
             b.Add("c", PB::ObjectList({PB::Null, PB::Ref("a")}));
         }},
        {"material over its parent splitter",
         [](PB& b) {
             b.Add("a", {17, 4, 0, 1, 2, 0, PB::Ref("b"), 1, PB::Ref("b")});
             b.Add("b", {5, PB::Ref("a"), 8, 1, 0});
         }},
        {"bounding box and texture",
         [](PB& b) {
             b.Add("a", {25, 0, 0, 0, 0, 0, 0, 0, 0, PB::Ref("b")});
             b.Add("b", {5, PB::Ref("a"), 1, 0});
         }},
        {"object locator's object names an ancestor",
         [](PB& b) {
             b.AddTrack({"loc"});
             b.Add("a", PB::ObjectList({PB::Ref("top")}));
             b.Add("loc", PB::Locator({PB::Null, PB::Null, PB::Null, PB::Null}, PB::Null, {PB::Ref("sections")}));
         }},
        {"detail split's level child names the split",
         [](PB& b) {
             b.AddTrack({"loc"}, 1);
             b.Add("a", PB::ObjectList({PB::Ref("top")}));
             b.Add("loc", PB::Locator({PB::Null, PB::Null, PB::Null, PB::Null}, PB::Null, {}));
             b.Add("detail", PB::ObjectList({PB::Ref("split0")}));
         }},
    };
    for (const auto& c : cases)
    {
        PB b;
        c.build(b);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(LoadMessage(FileWithPrim(b.Build("a"))), XFileFormat("test.3do", CycleMessage).GetText()) << c.name;
        EXPECT_LT(SecondsSince(start), 1.0) << c.name;
    }
}

TEST(GPLGraph, CyclesOutsideTheWalkedGraphAreRefusedToo)
{
    // A handle's tree is walked like the top's; an unreachable loop is refused as well.
    PB b;
    b.Add("a", PB::StateValueSetter());
    b.Add("x", PB::ObjectList({PB::Ref("y")}));
    b.Add("y", {13, 0, 0, 0, 0, 0, 0, 0, PB::Ref("x")});
    EXPECT_EQ(LoadMessage(FileWithPrim(b.Build("a"))), XFileFormat("test.3do", CycleMessage).GetText());
}

TEST(GPLGraph, SiblingLinksSharedChildrenAndDanglingIdsAreNoCycles)
{
    // The locator's siblings name their ancestors, as a track's locators do.
    PB b;
    b.AddTrack({"loc1", "loc2"});
    b.Add("loc1", PB::Locator({PB::Ref("top"), PB::Ref("loc2"), PB::Ref("locators"), PB::Null}, PB::Ref("detail"),
                              {PB::Ref("detail"), PB::Ref("detail")}));
    b.Add("loc2", PB::Locator({PB::Ref("loc1"), PB::Ref("loc2"), PB::Null, PB::Null}, PB::Null, {}));
    auto track = Load(FileWithPrim(b.Build("top")));
    EXPECT_TRUE(dynamic_cast<GPLTrackRoot*>(track->GetRoot()->GetChild(0).Get()) != nullptr);

    // An id naming no record loads; it fails only when a walk follows it.
    PB d;
    d.Add("a", PB::ObjectList({PB::Ref("b"), 0x1000, PB::Ref("b")}));
    d.Add("b", {5, 0x2000, 4, 1});
    auto dangling = Load(FileWithPrim(d.Build("a")));
    OnceWalker walker;
    EXPECT_THROW(dangling->GetRoot()->Accept(walker), Velmo::Util::XAssertion);
}

TEST(GPLGraph, DeepDoublySharedChainLoadsAndWalksQuickly)
{
    // 64 levels, each list naming the next twice: 2^64 paths through 65 records.
    for (bool track : {false, true})
    {
        PB b;
        const int levels = 64;
        if (track)
        {
            b.AddTrack({"loc"});
            b.Add("loc", PB::Locator({PB::Null, PB::Null, PB::Null, PB::Null}, PB::Ref("l0"), {PB::Ref("l0")}));
        }
        for (int i = 0; i < levels; ++i)
        {
            const std::string next = "l" + std::to_string(i + 1);
            b.Add("l" + std::to_string(i), PB::ObjectList({PB::Ref(next), PB::Ref(next)}));
        }
        b.Add("l" + std::to_string(levels), PB::StateValueSetter());
        const auto start = std::chrono::steady_clock::now();
        auto file = Load(FileWithPrim(b.Build(track ? "top" : "l0")));
        OnceWalker walker;
        file->GetRoot()->Accept(walker);
        EXPECT_LT(SecondsSince(start), 1.0);
        // Each node once: the root and the chain, and in the track every node but the null node.
        EXPECT_EQ(walker.Distinct(), track ? file->GetSubObjects().size() - 1 : std::size_t(levels + 2));
    }
}

TEST(GPLGraph, NestingDeeperThanAWalkMayGoIsRefusedAtLoad)
{
    // A chain of transformations; the deepest one a walk from the root reaches is allowed.
    for (int depth : {ThreeDObjectWalk::MaxDepth, ThreeDObjectWalk::MaxDepth + 1})
    {
        PB b;
        for (int i = 0; i < depth - 1; ++i)
            b.Add("t" + std::to_string(i), {19, 0, 0, 0, 0, 0, 0, 0x3F800000, PB::Ref("t" + std::to_string(i + 1))});
        b.Add("t" + std::to_string(depth - 1), PB::StateValueSetter());
        if (depth == ThreeDObjectWalk::MaxDepth)
        {
            auto file = Load(FileWithPrim(b.Build("t0")));
            OnceWalker walker;
            EXPECT_NO_THROW(file->GetRoot()->Accept(walker));
        }
        else
            EXPECT_EQ(LoadMessage(FileWithPrim(b.Build("t0"))),
                      XFileFormat("test.3do", "GPL 3do file nodes nested too deeply").GetText());
    }
}
