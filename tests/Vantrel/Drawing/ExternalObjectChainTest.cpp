#include <gtest/gtest.h>

#include "Vantrel/Drawing/ExternalObjectChain.h"

TEST(ExternalObjectChain, NamesMatchAsTheFactoryFindsFilesAndTheChainStartsAtTheRepeat)
{
    ExternalObjectChain chain;
    chain.Enter("Pits");
    chain.Enter("crew");
    chain.Enter("Stand");
    EXPECT_TRUE(chain.Contains("PITS"));
    EXPECT_TRUE(chain.Contains("stand"));
    EXPECT_FALSE(chain.Contains("pit"));
    // Only A to Z fold: other bytes compare as they are.
    EXPECT_FALSE(chain.Contains("CR\xC9W"));
    EXPECT_EQ(chain.Describe("CREW"), "crew -> Stand -> CREW");
    EXPECT_EQ(chain.Describe("pits"), "Pits -> crew -> Stand -> pits");
    chain.Leave();
    chain.Leave();
    EXPECT_FALSE(chain.Contains("crew"));
    chain.Leave();
    chain.Leave(); // more leaves than enters change nothing
    EXPECT_TRUE(chain.IsEmpty());
}

// The description both the chain and the drawing walk's stack give a cycle.
TEST(ExternalObjectChain, DescribeCycleJoinsTheNamesAndClosesWithTheRepeat)
{
    const std::string names[] = {"a", "B", "c"};
    EXPECT_EQ(ExternalObjectChain::DescribeCycle(names, "A"), "a -> B -> c -> A");
    EXPECT_EQ(ExternalObjectChain::DescribeCycle(std::span(names).subspan(2), "c"), "c -> c");
    EXPECT_EQ(ExternalObjectChain::DescribeCycle({}, "self"), "self");
}
