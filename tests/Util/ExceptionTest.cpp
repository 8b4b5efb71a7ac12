#include <gtest/gtest.h>

#include "Util/Exception.h"

using namespace Velmo::Util;

TEST(Exception, MessageTexts)
{
    EXPECT_EQ(XFileRead("a.3do").GetText(), "Couldn't read from a.3do\n");
    EXPECT_EQ(XFileWrite("a.3do").GetText(), "Couldn't write to a.3do\n");
    EXPECT_EQ(XFileWrite("a.3do", "No space left on device").GetText(),
              "Couldn't write to a.3do\nNo space left on device\n");
    EXPECT_EQ(XFileSeek("a.3do").GetText(), "Couldn't seek in a.3do\n");
    EXPECT_EQ(XFileFormat("/g/a.3do", "GPL 3do file id not 3DO4").GetText(),
              "A possible error was found in file /g/a.3do\nGPL 3do file id not 3DO4\n");
    EXPECT_EQ(XUsage("No root").GetText(), "No root");
}

TEST(Exception, FileOpenKeepsSystemTextAsGiven)
{
    EXPECT_EQ(XFileOpen("x", "File not found").GetText(), "Couldn't open x\nFile not found\n");
    EXPECT_EQ(XFileOpen("x", "Denied\r\n").GetText(), "Couldn't open x\nDenied\r\n\n");
    EXPECT_EQ(XFileOpen("x", "").GetText(), "Couldn't open x\n\n");
}

TEST(Exception, AssertionNamesUnitLineAndExpression)
{
    try
    {
        int count = 0;
        VELMO_ASSERT(count == 1);
        FAIL() << "no assertion";
    }
    catch (const XAssertion& e)
    {
        EXPECT_STREQ(e.GetFile(), ".\\ExceptionTest.cpp");
        EXPECT_STREQ(e.GetExpression(), "count == 1");
        EXPECT_EQ(e.GetText(), std::string("Assertion failure at .\\ExceptionTest.cpp: ") +
                                   std::to_string(e.GetLine()) + "\ncount == 1\n");
    }
    EXPECT_EQ(XAssertion("false", ".\\PkCompression.cpp", 79).GetText(),
              "Assertion failure at .\\PkCompression.cpp: 79\nfalse\n");
}

TEST(Exception, EveryErrorIsCaughtAsException)
{
    auto caught = [](auto thrower) {
        try
        {
            thrower();
        }
        catch (const Exception& e)
        {
            return !e.GetText().empty();
        }
        return false;
    };
    EXPECT_TRUE(caught([] { throw XFileRead("f"); }));
    EXPECT_TRUE(caught([] { ThrowAssertion("x", "u", 1); }));
    EXPECT_TRUE(caught([] { throw XUsage("u"); }));
}
