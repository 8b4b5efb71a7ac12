#include <gtest/gtest.h>

#include "Vantrel/Drawing/ExternalObjectStack.h"

TEST(ExternalObjectStack, RefusesARepeatNamingTheChainAndNestingBeyondTheCap)
{
    ExternalObjectStack stack;
    int a = 0, b = 0, c = 0;
    EXPECT_EQ(stack.Enter("a", &a), "");
    EXPECT_EQ(stack.Enter("b", &b), "");
    // The same file under another spelling is the same object.
    EXPECT_EQ(stack.Enter("A.3DO", &a), "External object cycle: a -> b -> A.3DO");
    EXPECT_EQ(stack.Enter("b", &b), "External object cycle: b -> b");
    EXPECT_EQ(stack.GetDepth(), 2u);
    stack.Leave();
    EXPECT_EQ(stack.Enter("c", &c), "");
    stack.Clear();
    std::vector<int> objects(ExternalObjectStack::MaxDepth + 1);
    for (std::size_t i = 0; i < ExternalObjectStack::MaxDepth; ++i)
        EXPECT_EQ(stack.Enter("o", &objects[i]), "");
    EXPECT_EQ(stack.Enter("o", &objects.back()), "External objects nested deeper than 16 levels");
    stack.Leave();
    EXPECT_EQ(stack.Enter("o", &objects.back()), "");
}
