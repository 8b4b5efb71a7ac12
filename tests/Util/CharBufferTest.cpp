#include <gtest/gtest.h>

#include <cstring>

#include "Util/CharBuffer.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"

using namespace Velmo;
using namespace Velmo::Util;

TEST(CharBuffer, ReadsAndRefusesShortReadsWithoutMoving)
{
    U8 data[7] = {1, 2, 3, 4, 5, 6, 7};
    CharBuffer buffer("block", sizeof data, data);
    U8 out[4];
    buffer.Read(4, out);
    EXPECT_EQ(out[3], 4);
    EXPECT_EQ(buffer.Tell(), 4u);
    EXPECT_THROW(buffer.Read(4, out), XFileRead);
    EXPECT_EQ(buffer.Tell(), 4u);
    buffer.Read(3, out);
    EXPECT_TRUE(buffer.AtEnd());
    buffer.Read(0, out);
    EXPECT_EQ(buffer.Tell(), 7u);
    try
    {
        buffer.Read(1, out);
        FAIL() << "read past the end";
    }
    catch (const XFileRead& e)
    {
        EXPECT_EQ(e.GetText(), "Couldn't read from block\n");
    }
}

TEST(CharBuffer, HugeCountDoesNotWrap)
{
    U8 data[8] = {};
    CharBuffer buffer("b", sizeof data, data);
    buffer.Seek(4);
    EXPECT_THROW(buffer.Read(0xFFFFFFFFu, data), XFileRead);
    EXPECT_THROW(buffer.Write(0xFFFFFFFEu, data), XFileWrite);
    EXPECT_EQ(buffer.Tell(), 4u);
}

TEST(CharBuffer, SeekLimits)
{
    U8 data[8] = {};
    CharBuffer buffer("b", sizeof data, data);
    buffer.Seek(8);
    EXPECT_TRUE(buffer.AtEnd());
    EXPECT_THROW(buffer.Seek(9), XFileSeek);
    // A 64-bit position is not truncated to 32 bits.
    EXPECT_THROW(buffer.Seek(0x100000000ull), XFileSeek);
    EXPECT_EQ(buffer.Tell(), 8u);
}

TEST(CharBuffer, WritesInPlaceAndNeverGrows)
{
    U8 data[4] = {};
    CharBuffer buffer("b", sizeof data, data);
    WriteLE<U32>(buffer, 0x33444F34u);
    EXPECT_EQ(std::memcmp(data, "4OD3", 4), 0);
    EXPECT_THROW(buffer.Write(1, data), XFileWrite);
}

TEST(CharBuffer, AttachedBlockIsReadOnly)
{
    CharBuffer buffer("entry");
    U8 byte = 0;
    EXPECT_THROW(buffer.Read(1, &byte), XFileRead);
    EXPECT_THROW(buffer.Seek(1), XFileSeek);
    const U8 data[3] = {0xFE, 0xFF, 9};
    buffer.Attach(3, data);
    EXPECT_EQ(ReadLE<S16>(buffer), -2);
    EXPECT_THROW(buffer.Write(0, &byte), XFileWrite);
    EXPECT_EQ(buffer.Size(), 3u);
}

TEST(StreamIO, LittleEndianNumbers)
{
    const U8 bytes[] = {0x00, 0x00, 0x80, 0x3F, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x88};
    EXPECT_EQ(DecodeLE<F32>(bytes), 1.0f);
    EXPECT_EQ(DecodeLE<U64>(bytes + 4), 0x8807060504030201ull);
    EXPECT_EQ(DecodeLE<S32>(bytes + 8), S32(0x88070605));
    U8 out[8];
    EncodeLE<F64>(-2.5, out);
    EXPECT_EQ(DecodeLE<F64>(out), -2.5);
}
