// The growing memory stream and the window stream.
#include <gtest/gtest.h>

#include "Util/Angles.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"
#include "Util/WindowStream.h"

using namespace Velmo;
using namespace Velmo::Util;

namespace
{
typedef std::vector<U8> Bytes;

template <class Call>
std::string ErrorOf(Call call)
{
    try
    {
        call();
    }
    catch (const Exception& e)
    {
        return e.GetText();
    }
    return "";
}
} // namespace

TEST(MemoryStream, GrowsWhenWrittenAndFillsGapsWithZeros)
{
    MemoryStream s("mem.bin");
    EXPECT_EQ(s.GetName(), "mem.bin");
    EXPECT_TRUE(s.AtEnd());
    s.Write(3, "abc");
    s.Seek(1);
    s.Write(1, "X");
    s.Seek(6);
    EXPECT_EQ(s.Size(), 3u);
    EXPECT_FALSE(s.AtEnd());
    s.Write(1, "z");
    EXPECT_EQ(s.GetBytes(), (Bytes{'a', 'X', 'c', 0, 0, 0, 'z'}));
    s.Seek(2);
    U8* room = s.Append(2);
    room[0] = 'P';
    EXPECT_EQ(s.Tell(), 4u);
    s.Truncate();
    EXPECT_EQ(s.GetBytes(), (Bytes{'a', 'X', 'P', 0}));
    s.Seek(6);
    s.Truncate();
    EXPECT_EQ(s.Size(), 6u);
    Bytes taken = s.TakeBytes();
    EXPECT_EQ(taken.size(), 6u);
    EXPECT_EQ(s.Size(), 0u);
    EXPECT_EQ(s.Tell(), 0u);
}

TEST(MemoryStream, ReadsStopAtTheEnd)
{
    MemoryStream s(Bytes{1, 2, 3}, "r.bin");
    U8 b[4] = {};
    s.Read(2, b);
    EXPECT_EQ(b[1], 2);
    EXPECT_EQ(ErrorOf([&] { s.Read(2, b); }), "Couldn't read from r.bin\n");
    EXPECT_EQ(s.Tell(), 2u);
    s.Seek(10);
    EXPECT_EQ(ErrorOf([&] { s.Read(0, b); }), "Couldn't read from r.bin\n");
    s.Seek(~U64(0) - 1);
    EXPECT_EQ(ErrorOf([&] { s.Write(4, b); }), "Couldn't write to r.bin\n");
}

TEST(WindowStream, ReadsWritesAndSeeksWithinItsWindowUnderItsName)
{
    CountedPointer<BinaryStream> parent(new MemoryStream(Bytes{'H', 'a', 'b', 'c', 'd', 'T'}, "parent"));
    WindowStream w(parent, "window", 1, 4);
    char text[5] = {};
    w.Read(4, text);
    EXPECT_STREQ(text, "abcd");
    EXPECT_TRUE(w.AtEnd());
    EXPECT_EQ(ErrorOf([&] { w.Read(1, text); }), "Couldn't read from window\n");
    EXPECT_EQ(ErrorOf([&] { w.Seek(5); }), "Couldn't seek in window\n");
    parent->Seek(0);
    w.Seek(2);
    w.Write(2, "XY");
    EXPECT_EQ(ErrorOf([&] { w.Write(1, "!"); }), "Couldn't write to window\n");
    EXPECT_EQ(static_cast<MemoryStream&>(*parent).GetBytes(), (Bytes{'H', 'a', 'b', 'X', 'Y', 'T'}));

    WindowStream beyond(parent, "beyond", 4, 8);
    EXPECT_EQ(ErrorOf([&] { beyond.Read(4, text); }), "Couldn't read from beyond\n");
}

TEST(Angles, Conversions)
{
    EXPECT_DOUBLE_EQ(pi, 3.14159265358979323846);
    EXPECT_DOUBLE_EQ(DegreesToRadians(180), pi);
    EXPECT_DOUBLE_EQ(RadiansToDegrees(pi / 2), 90);
    EXPECT_DOUBLE_EQ(RadiansToDegrees(DegreesToRadians(37.5)), 37.5);
}
