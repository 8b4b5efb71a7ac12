#include <gtest/gtest.h>

#include <vector>

#include "Util/CharBuffer.h"
#include "Util/Exception.h"
#include "Vantrel/Doc/ReadAt.h"

using Velmo::U32;
using Velmo::U64;
using Velmo::U8;

namespace
{
// A stream of any size whose byte at offset p is p & 0xFF; counts what was read.
class FakeStream : public Velmo::Util::BinaryStream
{
public:
    explicit FakeStream(U64 size) : m_size(size) {}
    void Read(U32 count, void* buffer) override
    {
        if (m_position > m_size || count > m_size - m_position)
            throw Velmo::Util::XFileRead("fake");
        for (U32 i = 0; i < count; ++i)
            static_cast<U8*>(buffer)[i] = U8((m_position + i) & 0xFF);
        m_position += count;
        Reads += count;
    }
    void Write(U32, const void*) override { throw Velmo::Util::XFileWrite("fake"); }
    U64 Tell() const override { return m_position; }
    void Seek(U64 position) override { m_position = position; }
    U64 Size() const override { return m_size; }
    bool AtEnd() const override { return m_position == m_size; }
    std::string GetName() const override { return "fake"; }
    U64 Reads = 0;

private:
    U64 m_size;
    U64 m_position = 0;
};
} // namespace

TEST(ReadAt, ClampsToTheEndIn64Bits)
{
    const U64 big = U64(5) << 30;
    const struct
    {
        U64 size;
        U64 offset;
        U32 count;
        U32 expected;
    } cases[] = {
        {100, 90, 16, 10}, {100, 100, 16, 0}, {100, 101, 16, 0}, {100, 0, 16, 16}, {100, 0, 0, 0},
        {0, 0, 16, 0}, {big, big - 10, 16, 10}, {big, ~U64(0) - 3, 16, 0}, {~U64(0), ~U64(0) - 3, 16, 3},
        {big, U64(1) << 32, 16, 16},
    };
    for (const auto& c : cases)
    {
        FakeStream stream(c.size);
        std::vector<U8> buffer(c.count + 1, 0xEE);
        EXPECT_EQ(ReadStreamAt(&stream, c.offset, c.count, buffer.data()), c.expected) << c.size << " " << c.offset;
        EXPECT_EQ(stream.Reads, c.expected);
        if (c.expected > 0)
        {
            EXPECT_EQ(buffer[0], U8(c.offset & 0xFF));
        }
        EXPECT_EQ(buffer[c.expected], 0xEE);
    }
    U8 byte = 0;
    EXPECT_EQ(ReadStreamAt(nullptr, 0, 1, &byte), 0u);
}

TEST(ReadAt, StreamErrorsReachTheCaller)
{
    U8 data[4] = {1, 2, 3, 4};
    Velmo::Util::CharBuffer buffer("four", 4, data);
    U8 out[4] = {};
    EXPECT_EQ(ReadStreamAt(&buffer, 2, 16, out), 2u);
    EXPECT_EQ(out[0], 3);
    EXPECT_EQ(out[1], 4);

    class Failing : public FakeStream
    {
    public:
        Failing() : FakeStream(64) {}
        void Read(U32, void*) override { throw Velmo::Util::XFileRead("broken"); }
    } failing;
    EXPECT_THROW(ReadStreamAt(&failing, 0, 16, out), Velmo::Util::XFileRead);
}
