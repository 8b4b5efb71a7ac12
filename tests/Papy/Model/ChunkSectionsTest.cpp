// The sections of a chunk file as the file header's size frames them: each section's data
// alone, its padding counted against the frame, the frame's rules with the format's messages,
// and a reader that holds more or fewer bytes than the frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Papy/Model/ChunkSections.h"
#include "Support/ByteBuilder.h"
#include "Util/Exception.h"
#include "Util/RecordReader.h"

using namespace Velmo;
using namespace Velmo::Papy;
using VelmoTest::ByteBuilder;

namespace
{
const U32 IdAbcd = MakeChunkId('A', 'B', 'C', 'D');
const U32 IdWxyz = MakeChunkId('W', 'X', 'Y', 'Z');

constexpr ChunkSections::Messages WithPadding = {"room", "version", "beyond", "padding"};
constexpr ChunkSections::Messages WithoutPadding = {"room", "version", "beyond", nullptr};

// A section: header, data and padding of fill bytes to a multiple of four.
ByteBuilder& Section(ByteBuilder& b, U32 id, const std::vector<U8>& data, U32 version = 0)
{
    b.U32(id).U32(version).U32(U32(data.size())).Bytes(data);
    return b.Zeros((4 - data.size() % 4) % 4);
}

// The id, size and first byte of each section in the frame, as one text.
std::string Walk(Util::RecordReader& reader, U64 frame, const ChunkSections::Messages& messages)
{
    std::string seen;
    ChunkSections sections(reader, frame, messages);
    while (sections.Next())
    {
        Util::RecordReader data = sections.Data();
        seen += std::to_string(sections.GetHeader().GetId() == IdAbcd ? 1 : 2) + ":" + std::to_string(data.Size());
        if (!data.AtEnd())
            seen += "=" + std::to_string(data.ReadU8());
        seen += " ";
    }
    return seen;
}
} // namespace

TEST(ChunkSections, EachSectionAloneAndPaddedToFourBytes)
{
    ByteBuilder b;
    Section(b, IdAbcd, {7, 8, 9});
    Section(b, IdWxyz, {});
    Section(b, IdAbcd, {5, 0, 0, 0, 0});
    b.U32(0xDEADBEEF); // after the frame
    const U64 frame = b.Size() - 4;
    Util::RecordReader reader(b.Get(), "f.3do");
    EXPECT_EQ(Walk(reader, frame, WithPadding), "1:3=7 2:0 1:5=5 ");
    // The walk stops at the frame's end, whatever the reader holds after it.
    EXPECT_EQ(reader.Tell(), frame);
    EXPECT_EQ(reader.ReadU32(), 0xDEADBEEFu);
}

TEST(ChunkSections, SectionsWhoseDataIsNotTakenArePassedOver)
{
    ByteBuilder b;
    Section(b, IdAbcd, {1, 2, 3, 4, 5, 6});
    Section(b, IdWxyz, {9});
    Util::RecordReader reader(b.Get(), "f.3do");
    ChunkSections sections(reader, b.Size(), WithPadding);
    ASSERT_TRUE(sections.Next());
    ASSERT_TRUE(sections.Next());
    EXPECT_EQ(sections.GetHeader().GetId(), IdWxyz);
    EXPECT_EQ(sections.Data().ReadU8(), 9);
    EXPECT_FALSE(sections.Next());
    EXPECT_TRUE(reader.AtEnd());
}

// Each broken rule, with the frame the file's header gives and the bytes the reader holds.
TEST(ChunkSections, BrokenFramesFailWithTheFormatsMessages)
{
    struct Case
    {
        const char* title;
        std::vector<U8> bytes;
        U64 frame;
        const ChunkSections::Messages& messages;
        const char* expected; // a format message, or "read" for the reader's short read
    };
    auto bytes = [](auto build) {
        ByteBuilder b;
        build(b);
        return b.Get();
    };
    const std::vector<U8> oneSection = bytes([](ByteBuilder& b) { Section(b, IdAbcd, {1, 2}); });
    const std::vector<Case> cases = {
        {"eight bytes left for a header", bytes([](ByteBuilder& b) { b.Zeros(8); }), 8, WithPadding, "room"},
        {"a header after a section, with too little room",
         bytes([](ByteBuilder& b) { Section(b, IdAbcd, {1, 2, 3, 4}).Zeros(11); }), 16 + 11, WithPadding, "room"},
        {"version 1", bytes([](ByteBuilder& b) { Section(b, IdAbcd, {1, 2, 3, 4}, 1); }), 16, WithPadding, "version"},
        {"data beyond the frame", oneSection, 13, WithPadding, "beyond"},
        {"padding beyond the frame", oneSection, 14, WithPadding, "padding"},
        {"padding beyond the frame, no message", oneSection, 14, WithoutPadding, "read"},
        {"frame beyond the reader: the data is cut", oneSection, 100, WithPadding, "read"},
        {"frame beyond the reader: a header is cut", bytes([](ByteBuilder& b) { Section(b, IdAbcd, {}).U32(IdAbcd); }),
         24, WithPadding, "read"},
        {"frame beyond the reader: the padding is cut", std::vector<U8>(oneSection.begin(), oneSection.end() - 1), 16,
         WithPadding, "read"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.title);
        Util::RecordReader reader(c.bytes, "f.3do");
        try
        {
            Walk(reader, c.frame, c.messages);
            ADD_FAILURE() << "no error";
        }
        catch (const Util::XFileFormat& e)
        {
            EXPECT_EQ(e.GetText(), Util::XFileFormat("f.3do", c.expected).GetText());
        }
        catch (const Util::XFileRead& e)
        {
            EXPECT_EQ(std::string(c.expected), "read");
            EXPECT_EQ(e.GetText(), "Couldn't read from f.3do\n");
        }
    }
}
