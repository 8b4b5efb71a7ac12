#include <gtest/gtest.h>

#include <vector>

#include "Papy/Model/ChunkHeader.h"
#include "Papy/Model/Options.h"
#include "Support/ByteBuilder.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"
#include "Util/RecordReader.h"

using namespace Velmo;
using namespace Velmo::Papy;
using VelmoTest::ByteBuilder;

TEST(ChunkHeader, IdLettersStandReversedOnDisk)
{
    EXPECT_EQ(MakeChunkId('3', 'D', 'O', '4'), 0x33444F34u);
    // Characters above 0x7F are taken as unsigned bytes, not sign-extended into the other letters.
    EXPECT_EQ(MakeChunkId('\xFF', 'A', '\x80', 'B'), 0xFF418042u);

    ByteBuilder file;
    file.U8(0x34).U8(0x4F).U8(0x44).U8(0x33).U32(1).U32(16);
    Util::CharBuffer stream("a.3do", U32(file.Size()), file.Get().data());
    ChunkHeader header(stream);
    EXPECT_EQ(header.GetId(), MakeChunkId('3', 'D', 'O', '4'));
    EXPECT_EQ(header.GetVersion(), 1u);
    EXPECT_EQ(header.GetSize(), 16u);
    EXPECT_TRUE(stream.AtEnd());
}

TEST(ChunkHeader, WritesTwelveLittleEndianBytes)
{
    std::vector<U8> out(12, 0xEE);
    Util::CharBuffer stream("out", U32(out.size()), out.data());
    ChunkHeader(MakeChunkId('P', 'R', 'I', 'M'), 0, 8).Write(stream);
    EXPECT_EQ(out, (std::vector<U8>{'M', 'I', 'R', 'P', 0, 0, 0, 0, 8, 0, 0, 0}));

    // Written and read back, large words survive unchanged.
    Util::CharBuffer again("out", U32(out.size()), out.data());
    ChunkHeader(0xFFFFFFFFu, 0x80000000u, 0x01020304u).Write(again);
    again.Seek(0);
    ChunkHeader read(again);
    EXPECT_EQ(read.GetId(), 0xFFFFFFFFu);
    EXPECT_EQ(read.GetVersion(), 0x80000000u);
    EXPECT_EQ(read.GetSize(), 0x01020304u);
}

TEST(ChunkHeader, ShortStreamFailsWithTheStreamsReadError)
{
    ByteBuilder file;
    file.Text("4OD3").U32(1).U16(0);
    Util::CharBuffer stream("short.3do", U32(file.Size()), file.Get().data());
    try
    {
        ChunkHeader header(stream);
        FAIL() << "no error";
    }
    catch (const Util::XFileRead& e)
    {
        EXPECT_EQ(e.GetText(), "Couldn't read from short.3do\n");
    }
}

// The checks of an expected header, in their order: the first that fails gives its message.
TEST(ChunkHeader, ReadExpectedChecksIdThenVersionThenSize)
{
    const U32 id = MakeChunkId('B', 'M', 'H', 'D');
    struct Case
    {
        U32 id, version, size;
        const char* sizeMessage;
        const char* expected; // nullptr: accepted
    } cases[] = {
        {id, 0, 20, "size", nullptr},
        {id, 0, 21, nullptr, nullptr}, // no size message: any size
        {id + 1, 1, 21, "size", "id"},
        {id, 1, 21, "size", "version"},
        {id, 0, 21, "size", "size"},
    };
    for (const Case& c : cases)
    {
        ByteBuilder file;
        file.U32(c.id).U32(c.version).U32(c.size).U8(0xAB);
        Util::RecordReader reader(file.Get(), "b.mip");
        try
        {
            ChunkHeader header = ChunkHeader::ReadExpected(reader, id, "id", "version", c.sizeMessage, 20);
            EXPECT_EQ(c.expected, nullptr) << "accepted";
            EXPECT_EQ(header.GetSize(), c.size);
            EXPECT_EQ(reader.Tell(), ChunkHeader::ByteSize);
        }
        catch (const Util::XFileFormat& e)
        {
            ASSERT_NE(c.expected, nullptr) << e.GetText();
            EXPECT_EQ(e.GetText(), Util::XFileFormat("b.mip", c.expected).GetText());
        }
    }

    // From a record reader a short header is the reader's short read.
    ByteBuilder file;
    file.U32(id).U32(0).U16(0);
    Util::RecordReader reader(file.Get(), "short.mip");
    EXPECT_THROW(ChunkHeader::ReadExpected(reader, id, "id", "version"), Util::XFileRead);
}

TEST(ChunkHeader, PeekLeavesThePositionAndNeedsFourBytes)
{
    ByteBuilder file;
    file.U32(7).Text("PAMC").U8(1).U8(2).U8(3);
    Util::CharBuffer stream("p", U32(file.Size()), file.Get().data());
    stream.Seek(4);
    EXPECT_EQ(PeekChunkId(stream), MakeChunkId('C', 'M', 'A', 'P'));
    EXPECT_EQ(stream.Tell(), 4u);
    stream.Seek(8);
    EXPECT_THROW(PeekChunkId(stream), Util::XFileRead);
}

TEST(Options, OneRecordStrictOffAtStart)
{
    Options* options = Options::Instance();
    ASSERT_NE(options, nullptr);
    EXPECT_FALSE(options->Strict);
    options->Strict = true;
    EXPECT_TRUE(Options::Instance()->Strict);
    EXPECT_EQ(Options::Instance(), options);
    options->Strict = false;
}
