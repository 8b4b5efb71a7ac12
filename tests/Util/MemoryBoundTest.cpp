#include <gtest/gtest.h>

#include <utility>

#include "Util/MemoryBound.h"

using namespace Velmo;
using Util::MemoryBound;

namespace
{
std::string RefusalOf(const std::string& name, U64 bytes)
{
    try
    {
        MemoryBound::Reservation reservation(name, bytes);
    }
    catch (const Util::Exception& e)
    {
        return e.GetText();
    }
    return "";
}
} // namespace

TEST(MemoryBound, ReservationsTakeAndGiveBackWithinTheBound)
{
    const MemoryBound::Scope scope(MemoryBound::GetTaken() + 1000);
    const U64 before = MemoryBound::GetTaken();
    {
        MemoryBound::Reservation a("a", 600);
        EXPECT_EQ(MemoryBound::GetLeft(), 400u);
        EXPECT_EQ(RefusalOf("b.mip", 401), "b.mip needs 401 bytes, more than the 400 bytes left of the memory bound\n");
        EXPECT_EQ(MemoryBound::GetTaken(), before + 600); // a refusal takes nothing
        EXPECT_EQ(RefusalOf("c", 400), "");

        MemoryBound::Reservation moved(std::move(a));
        EXPECT_EQ(a.GetBytes(), 0u);
        EXPECT_EQ(moved.GetBytes(), 600u);
        moved.Resize("a", 900);
        EXPECT_EQ(MemoryBound::GetLeft(), 100u);
        EXPECT_THROW(moved.Resize("a", 1001), Util::XMemoryBound);
        EXPECT_EQ(moved.GetBytes(), 900u); // a refused growth keeps what was held
        moved.Resize("a", 100);
        EXPECT_EQ(MemoryBound::GetLeft(), 900u);

        MemoryBound::Reservation other("d", 50);
        other = std::move(moved);
        EXPECT_EQ(MemoryBound::GetTaken(), before + 100);
    }
    EXPECT_EQ(MemoryBound::GetTaken(), before);
}

TEST(MemoryBound, ALowerBoundRefusesEverythingUntilEnoughIsGivenBack)
{
    const U64 before = MemoryBound::GetTaken();
    MemoryBound::Reservation held("held", 500);
    {
        const MemoryBound::Scope scope(before + 100);
        EXPECT_EQ(MemoryBound::GetLeft(), 0u);
        EXPECT_EQ(RefusalOf("x", 1), "x needs 1 bytes, more than the 0 bytes left of the memory bound\n");
        EXPECT_EQ(RefusalOf("nothing", 0), "");
        held.Release();
        EXPECT_EQ(MemoryBound::GetLeft(), 100u);
    }
    EXPECT_EQ(MemoryBound::GetBound(), MemoryBound::DefaultBound);
}

TEST(MemoryBound, PeakIsTheMostHeldAtOnce)
{
    const MemoryBound::Scope scope(MemoryBound::GetTaken() + 10000);
    MemoryBound::ResetPeak();
    const U64 start = MemoryBound::GetPeak();
    {
        MemoryBound::Reservation a("a", 3000);
        MemoryBound::Reservation b("b", 2000);
    }
    MemoryBound::Reservation c("c", 1000);
    EXPECT_EQ(MemoryBound::GetPeak(), start + 5000);
    MemoryBound::ResetPeak();
    EXPECT_EQ(MemoryBound::GetPeak(), start + 1000);
}
