#include <gtest/gtest.h>

#include <vector>

#include "Util/Clipboard.h"

using namespace Velmo::Util;

TEST(Clipboard, StoresOneValuePerIdOfAnyType)
{
    EXPECT_FALSE(Clipboard::IsDataPresent("ClipboardTest.never"));
    EXPECT_FALSE(Clipboard::IsDataPresent(""));

    Clipboard::SetData("ClipboardTest.a", std::vector<int>{1, 2});
    Clipboard::SetData("ClipboardTest.b", std::string("text"));
    EXPECT_TRUE(Clipboard::IsDataPresent("ClipboardTest.a"));
    EXPECT_EQ(Clipboard::GetData<std::vector<int>>("ClipboardTest.a"), (std::vector<int>{1, 2}));

    // Replacing, even with another type, keeps only the second value; other ids stay.
    Clipboard::SetData("ClipboardTest.a", 7);
    EXPECT_EQ(Clipboard::GetData<int>("ClipboardTest.a"), 7);
    EXPECT_EQ(Clipboard::GetData<std::string>("ClipboardTest.b"), "text");
    EXPECT_THROW(Clipboard::GetData<std::string>("ClipboardTest.a"), boost::bad_any_cast);
}

TEST(Clipboard, GettingAMissingIdFailsTheAssertion)
{
    try
    {
        Clipboard::GetData<int>("ClipboardTest.missing");
        FAIL() << "no assertion";
    }
    catch (const XAssertion& e)
    {
        EXPECT_EQ(e.GetText(), "Assertion failure at .\\Util\\Clipboard.cpp: 48\nIsDataPresent(id)\n");
    }
    EXPECT_FALSE(Clipboard::IsDataPresent("ClipboardTest.missing"));
}
