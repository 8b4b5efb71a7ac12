#include <gtest/gtest.h>

#include "Vantrel/Drawing/ExternalObjectChain.h"

TEST(ExternalObjectChain, ObjectsMatchByTheFileTheFactoryMadeAndTheChainStartsAtTheRepeat)
{
    ExternalObjectChain chain;
    int pits = 0, crew = 0, stand = 0, twin = 0;
    chain.Enter("Pits", &pits);
    chain.Enter("crew", &crew);
    chain.Enter("Stand", &stand);
    EXPECT_TRUE(chain.Contains(&pits));
    EXPECT_TRUE(chain.Contains(&stand));
    // Another file, whatever its name: "pits" beside "Pits" is a file of its own.
    EXPECT_FALSE(chain.Contains(&twin));
    // The chain names the files as the walk asked for them, the repeat under its new name.
    EXPECT_EQ(chain.Describe(&crew, "CREW"), "crew -> Stand -> CREW");
    EXPECT_EQ(chain.Describe(&pits, "pits"), "Pits -> crew -> Stand -> pits");
    EXPECT_EQ(chain.GetDepth(), 3u);
    chain.Leave();
    chain.Leave();
    EXPECT_FALSE(chain.Contains(&crew));
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
