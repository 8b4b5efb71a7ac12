// The six plane-order nodes: their per-type child orders in the file, clearing, setting and
// the order of a walk.
#include <gtest/gtest.h>

#include <algorithm>

#include "GPLPrimBuilder.h"
#include "Papy/GPL/GPLPlaneOrder3CullFront.h"
#include "Papy/Model/ThreeDObjectPlaneCullFront.h"
#include "Papy/Model/ThreeDObjectStateValueSetter.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3CullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/Exception.h"

using namespace VelmoTest;
using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;
using PB = VelmoTest::PrimBuilder;

namespace
{
// A plane order at 4 whose children are state value setters labelled by the role given, each
// with its own state index so the visit order can be read back.
struct Layout
{
    std::uint32_t type;
    std::vector<std::string> fileOrder; // roles of the child words as the record holds them
    std::vector<std::string> slotOrder; // roles in the order a plain walk visits them
};

const Layout Layouts[] = {
    {11, {"near", "far"}, {"far", "near"}},
    {10, {"near", "middle", "far"}, {"far", "middle", "near"}},
    {9, {"far", "front", "near"}, {"far", "front", "near"}},
    {8, {"near", "front", "back", "far"}, {"far", "back", "front", "near"}},
    {7, {"front", "back"}, {"back", "front"}},
    {6, {"front"}, {"front"}},
};

const std::vector<std::string> Roles{"far", "middle", "near", "front", "back"};

std::uint32_t IndexOf(const std::string& role)
{
    return std::uint32_t(std::find(Roles.begin(), Roles.end(), role) - Roles.begin());
}

PB BuildOrder(const Layout& layout)
{
    PB b;
    std::vector<PB::Word> words{layout.type, 2};
    for (const auto& role : layout.fileOrder)
        words.push_back(PB::Ref(role));
    b.Add("order", words);
    for (const auto& role : Roles)
        b.Add(role, {20, IndexOf(role), 0});
    return b;
}

// Collects the state indices of the setters a walk visits.
class Recorder : public ThreeDObjectVisitor
{
public:
    explicit Recorder(bool reverse) : m_reverse(reverse) {}
    void VisitStateValueSetter(ThreeDObjectStateValueSetter& node) override { seen.push_back(node.GetId()); }
    bool EnterPlaneOrder2(ThreeDObjectPlaneOrder2&, bool& reverse) override { return Set(reverse); }
    bool EnterPlaneOrder3(ThreeDObjectPlaneOrder3&, bool& reverse) override { return Set(reverse); }
    bool EnterPlaneOrder3CullFront(ThreeDObjectPlaneOrder3CullFront&, bool& reverse) override { return Set(reverse); }
    bool EnterPlaneOrder4CullFrontBack(ThreeDObjectPlaneOrder4CullFrontBack&, bool& reverse) override
    {
        return Set(reverse);
    }
    bool EnterPlaneOrder2CullFrontBack(ThreeDObjectPlaneOrder2CullFrontBack&, bool& reverse) override
    {
        return Set(reverse);
    }
    std::vector<int> seen;

private:
    bool Set(bool& reverse)
    {
        reverse = m_reverse;
        return true;
    }
    bool m_reverse;
};
} // namespace

TEST(GPLPlaneOrder, ChildOrderInTheFileDiffersPerTypeAndWritesBack)
{
    for (const auto& layout : Layouts)
    {
        PB b = BuildOrder(layout);
        const Bytes prim = b.Build("order");
        auto file = Load(FileWithPrim(prim));
        auto node = file->GetSubObject(4);
        EXPECT_EQ(node->GetType(), std::to_string(layout.type));
        const std::size_t size = 8 + 4 * layout.fileOrder.size();
        EXPECT_EQ(WrittenBytes(*node, 4), Bytes(prim.begin() + 4, prim.begin() + 4 + std::ptrdiff_t(size)))
            << layout.type;

        // A plain walk visits the children in slot order; reversed, in the opposite order.
        std::vector<int> slots;
        for (const auto& role : layout.slotOrder)
            slots.push_back(int(b.Offset(role)));
        Recorder forward(false);
        node->Accept(forward);
        EXPECT_EQ(forward.seen, slots) << layout.type;
        if (layout.type != 6)
        {
            Recorder backward(true);
            node->Accept(backward);
            EXPECT_EQ(backward.seen, std::vector<int>(slots.rbegin(), slots.rend())) << layout.type;
        }
    }
}

TEST(GPLPlaneOrder, GettersClearingAndSetting)
{
    PB b = BuildOrder(Layouts[0]);
    auto file = Load(FileWithPrim(b.Build("order")));
    CountedPointer<ThreeDObjectPlaneOrder2> two;
    two = file->GetSubObject(4);
    ASSERT_TRUE(two.Get());
    EXPECT_EQ(two->GetFarChild()->GetId(), int(b.Offset("far")));
    EXPECT_EQ(two->GetNearChild()->GetId(), int(b.Offset("near")));
    EXPECT_EQ(two->GetPlaneId(), 2);
    EXPECT_EQ(two->GetPlane(), Plane(0, 0, 1, 0));
    two->ClearNearChild();
    EXPECT_EQ(two->GetNearChild()->GetId(), -1);
    EXPECT_EQ(WrittenBytes(*two, 4), WordBytes({11, 2, 0xFFFFFFFF, b.Offset("far")}));
    two->SetPlaneId(9);
    EXPECT_THROW(two->GetPlane(), Velmo::Util::XAssertion);

    PB b4 = BuildOrder(Layouts[3]);
    auto file4 = Load(FileWithPrim(b4.Build("order")));
    CountedPointer<ThreeDObjectPlaneOrder4CullFrontBack> four;
    four = file4->GetSubObject(4);
    ASSERT_TRUE(four.Get());
    four->SetFarChild(file4->GetSubObject(int(b4.Offset("middle"))));
    four->ClearBackChild();
    EXPECT_EQ(four->GetFarChild()->GetId(), int(b4.Offset("middle")));
    // Record order near, front, back, far.
    EXPECT_EQ(WrittenBytes(*four, 4),
              WordBytes({8, 2, b4.Offset("near"), b4.Offset("front"), 0xFFFFFFFF, b4.Offset("middle")}));
}

TEST(GPLPlaneOrder, ValueConstructorsTakeSlotOrder)
{
    GPLTdoFile file;
    GPLPlaneOrder3CullFront order(file, file.NewId(), 1, std::uint32_t(-1), std::uint32_t(-1), std::uint32_t(-1));
    EXPECT_EQ(order.GetFileOffset(), 0u);
    EXPECT_EQ(order.GetFrontChild()->GetId(), -1);
    EXPECT_EQ(WrittenBytes(order, 0), WordBytes({9, 1, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF}));
}

TEST(GPLPlaneOrder, ShortRecordIsAReadError)
{
    EXPECT_THROW(Load(FileWithPrim(WordBytes({4, 8, 0, 4, 4}))), Velmo::Util::XFileRead);
}
