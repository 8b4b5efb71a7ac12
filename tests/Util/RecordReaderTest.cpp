// The bounded record reader, over memory and over a stream alike, and the field lists read
// and written through it.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "Support/ByteBuilder.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"
#include "Util/RecordFields.h"
#include "Util/RecordReader.h"

using namespace Velmo;
using namespace Velmo::Util;
using VelmoTest::ByteBuilder;

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

// Every test runs on a reader over memory and on one over a stream holding the same bytes,
// with two bytes before the reader's start so that offsets are the reader's own.
class RecordReaderTest : public testing::TestWithParam<bool>
{
protected:
    RecordReader Make(const Bytes& bytes)
    {
        m_bytes = bytes;
        if (!GetParam())
            return RecordReader(m_bytes, "rec.bin");
        Bytes withLead{0xEE, 0xEE};
        withLead.insert(withLead.end(), bytes.begin(), bytes.end());
        m_stream = std::make_unique<MemoryStream>(withLead, "rec.bin");
        m_stream->Seek(2);
        return RecordReader(*m_stream);
    }

    Bytes m_bytes;
    std::unique_ptr<MemoryStream> m_stream;
};

const std::string ShortRead = "Couldn't read from rec.bin\n";
} // namespace

TEST_P(RecordReaderTest, ReadsEveryWidthLittleEndian)
{
    RecordReader r = Make(ByteBuilder()
                              .U8(0xFE)
                              .U16(0x1234)
                              .S16(-2)
                              .U32(0xDEADBEEF)
                              .S32(-70000)
                              .U64(0x0102030405060708ull)
                              .F32(1.5f)
                              .F64(-0.25)
                              .U8(0x80)
                              .Get());
    EXPECT_EQ(r.Size(), 34u);
    EXPECT_EQ(r.ReadU8(), 0xFE);
    EXPECT_EQ(r.ReadU16(), 0x1234);
    EXPECT_EQ(r.ReadS16(), -2);
    EXPECT_EQ(r.Tell(), 5u);
    EXPECT_EQ(r.ReadU32(), 0xDEADBEEFu);
    EXPECT_EQ(r.ReadS32(), -70000);
    EXPECT_EQ(r.ReadU64(), 0x0102030405060708ull);
    EXPECT_EQ(r.ReadF32(), 1.5f);
    EXPECT_EQ(r.ReadF64(), -0.25);
    EXPECT_EQ(r.Remaining(), 1u);
    EXPECT_EQ(r.ReadS8(), -128);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(ErrorOf([&] { r.ReadU8(); }), ShortRead);
}

TEST_P(RecordReaderTest, EveryReadPastTheEndIsAShortReadThatConsumesNothing)
{
    const std::vector<std::pair<const char*, std::function<void(RecordReader&)>>> reads = {
        {"u32", [](RecordReader& r) { r.ReadU32(); }},
        {"f64", [](RecordReader& r) { r.ReadF64(); }},
        {"bytes", [](RecordReader& r) { U8 b[4]; r.ReadBytes(b, 4); }},
        {"array", [](RecordReader& r) { U16 w[2]; r.ReadArray(w, 2); }},
        {"string", [](RecordReader& r) { r.ReadFixedString(4); }},
        {"skip", [](RecordReader& r) { r.Skip(4); }},
        {"slice", [](RecordReader& r) { r.Slice(4); }},
        {"huge skip", [](RecordReader& r) { r.Skip(~U64(0)); }},
        {"huge slice", [](RecordReader& r) { r.Slice(~U64(0)); }},
    };
    for (const auto& [name, read] : reads)
    {
        RecordReader r = Make({1, 2, 3, 4, 5});
        r.ReadU16();
        EXPECT_EQ(ErrorOf([&r, &read = read] { read(r); }), ShortRead) << name;
        EXPECT_EQ(r.Tell(), 2u) << name;
        EXPECT_EQ(r.ReadU16(), 0x0403) << name;
    }
}

TEST_P(RecordReaderTest, FixedStringsStopAtTheirFirstZeroAndConsumeTheField)
{
    RecordReader r = Make(ByteBuilder().Text("ab").U8(0).Text("cd").Text("full").Zeros(1).Get());
    EXPECT_EQ(r.ReadFixedString(5), "ab");
    EXPECT_EQ(r.ReadFixedString(4), "full");
    EXPECT_EQ(r.ReadFixedString(0), "");
    EXPECT_EQ(r.ReadFixedString(1), "");
    EXPECT_TRUE(r.AtEnd());
}

TEST_P(RecordReaderTest, SlicesAreBoundedAndTheParentMovesPastThem)
{
    RecordReader r = Make(ByteBuilder().U32(7).U32(8).U32(9).U16(10).Get());
    r.Skip(4);
    RecordReader section = r.Slice(8);
    EXPECT_EQ(r.Tell(), 12u);
    EXPECT_EQ(r.ReadU16(), 10);
    EXPECT_EQ(section.GetName(), "rec.bin");
    EXPECT_EQ(section.Size(), 8u);
    EXPECT_EQ(section.ReadU32(), 8u);
    RecordReader inner = section.Slice(4);
    EXPECT_TRUE(section.AtEnd());
    EXPECT_EQ(ErrorOf([&] { section.ReadU8(); }), ShortRead);
    EXPECT_EQ(inner.ReadU32(), 9u);
    EXPECT_EQ(ErrorOf([&] { inner.ReadU8(); }), ShortRead);
}

TEST_P(RecordReaderTest, CountChecksCompareWithWhatIsLeftWithoutOverflow)
{
    struct Case
    {
        U64 count, elementSize;
        bool fits;
    };
    const Case cases[] = {
        {0, 4, true},          {3, 4, true},           {4, 3, true},        {14, 1, false},
        {4, 4, false},         {1, 14, false},         {~U64(0), 0, true},  {~U64(0), 1, false},
        {U64(1) << 62, 4, false}, {0x40000001, 4, false}, {1, ~U64(0), false}, {0xFFFFFFFF, 0xFFFFFFFF, false},
    };
    for (const Case& c : cases)
    {
        RecordReader r = Make(Bytes(13, 0));
        EXPECT_EQ(r.Fits(c.count, c.elementSize), c.fits) << c.count << " x " << c.elementSize;
        EXPECT_EQ(ErrorOf([&] { r.CheckCount(c.count, c.elementSize); }), c.fits ? "" : ShortRead);
        EXPECT_EQ(ErrorOf([&] { r.CheckCount(c.count, c.elementSize, "Bad count"); }),
                  c.fits ? "" : XFileFormat("rec.bin", "Bad count").GetText());
        EXPECT_EQ(ErrorOf([&] { r.CheckCount(c.count, c.elementSize, [] { throw XUsage("mine"); }); }),
                  c.fits ? "" : XUsage("mine").GetText());
    }
    RecordReader r = Make(ByteBuilder().U32(2).U32(0).U32(3).Get());
    EXPECT_EQ(r.ReadCount(4), 2u);
    r.Skip(4);
    EXPECT_EQ(ErrorOf([&] { r.ReadCount(1); }), ShortRead);
}

TEST_P(RecordReaderTest, ArraysAndBytesAreReadInOne)
{
    RecordReader r = Make(ByteBuilder().U16(1).U16(0xFFFF).F32(2.5f).F32(-1).U8(9).Get());
    U16 words[2];
    r.ReadArray(words, 2);
    F32 floats[2];
    r.ReadArray(floats, 2);
    U8 last;
    r.ReadBytes(&last, 1);
    EXPECT_EQ(words[0], 1);
    EXPECT_EQ(words[1], 0xFFFF);
    EXPECT_EQ(floats[0], 2.5f);
    EXPECT_EQ(floats[1], -1.0f);
    EXPECT_EQ(last, 9);
}

INSTANTIATE_TEST_SUITE_P(MemoryAndStream, RecordReaderTest, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Stream" : "Memory"; });

TEST(RecordReader, StreamReadersFollowTheirOwnPositionAndLength)
{
    MemoryStream stream(ByteBuilder().U32(1).U32(2).U32(3).Get(), "s.bin");
    stream.Seek(4);
    RecordReader whole(stream);
    RecordReader first(stream, 4);
    EXPECT_EQ(ErrorOf([&] { RecordReader(stream, 9); }), "Couldn't read from s.bin\n");
    EXPECT_EQ(first.ReadU32(), 2u);
    EXPECT_TRUE(first.AtEnd());
    EXPECT_EQ(ErrorOf([&] { first.ReadU8(); }), "Couldn't read from s.bin\n");
    stream.Seek(0);
    EXPECT_EQ(whole.ReadU32(), 2u);
    EXPECT_EQ(whole.ReadU32(), 3u);
    EXPECT_TRUE(whole.AtEnd());
}

TEST(RecordReader, TakeHandsOutTheBytesInPlace)
{
    const Bytes bytes{1, 2, 3};
    RecordReader r(bytes, "t");
    EXPECT_EQ(r.Take(2), bytes.data());
    EXPECT_EQ(ErrorOf([&] { r.Take(2); }), "Couldn't read from t\n");
    RecordReader empty(nullptr, 0, "empty");
    EXPECT_TRUE(empty.AtEnd());
    EXPECT_EQ(ErrorOf([&] { empty.ReadU8(); }), "Couldn't read from empty\n");
}

namespace
{
enum class Kind : U16
{
    A = 1,
    B = 0x0203
};

struct Point
{
    F32 X = 0, Y = 0;
    template <class IO>
    void Fields(IO& io)
    {
        io(X);
        io(Y);
    }
};

struct Header
{
    U32 Type = 0;
    Kind Sort = Kind::A;
    S8 Flags[3] = {};
    Point Corners[2];
    U64 Big = 0;
    template <class IO>
    void Fields(IO& io)
    {
        io(Type);
        io.Expect(U16(0xBEEF), "Header mark not BEEF");
        io(Sort);
        io(Flags);
        io(Corners);
        io(Big);
    }
};
} // namespace

TEST(RecordFields, OneListReadsAndWritesTheSameBytes)
{
    const Bytes bytes = ByteBuilder()
                            .U32(7)
                            .U16(0xBEEF)
                            .U16(0x0203)
                            .U8(0xFF)
                            .U8(1)
                            .U8(2)
                            .F32(1)
                            .F32(2)
                            .F32(3)
                            .F32(4)
                            .U64(0x1122334455667788ull)
                            .Get();
    RecordReader r(bytes, "h");
    Header header;
    ReadFields(r, header);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(header.Type, 7u);
    EXPECT_EQ(header.Sort, Kind::B);
    EXPECT_EQ(header.Flags[0], -1);
    EXPECT_EQ(header.Corners[1].Y, 4.0f);
    EXPECT_EQ(header.Big, 0x1122334455667788ull);
    EXPECT_EQ(FieldsSize(header), bytes.size());

    MemoryStream memory("out");
    WriteFields(memory, header);
    EXPECT_EQ(memory.GetBytes(), bytes);
    MemoryStream other("other");
    WriteFields(static_cast<BinaryStream&>(other), header);
    EXPECT_EQ(other.GetBytes(), bytes);

    RecordReader cut(bytes.data(), bytes.size() - 1, "cut");
    EXPECT_EQ(ErrorOf([&] { ReadFields(cut, header); }), "Couldn't read from cut\n");
    Bytes marked = bytes;
    marked[5] = 0;
    RecordReader wrong(marked, "wrong");
    EXPECT_EQ(ErrorOf([&] { ReadFields(wrong, header); }), XFileFormat("wrong", "Header mark not BEEF").GetText());
}
