// The field lists of the bitmap headers: each has the size its format gives, reads back what
// it writes to the byte, refuses a fixed value other than its own with that value's message,
// and is read whole (a header cut short is a short read before any of its values is checked).
#include <gtest/gtest.h>

#include <functional>

#include "BitmapTestSupport.h"
#include "Papy/Bitmap/BitmapHeaders.h"
#include "Util/RecordFields.h"

using namespace VelmoTest;
using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
// The bytes 1, 2, 3, ... of a header's size, with the fixed words a header expects put at
// their offsets.
Bytes Pattern(std::size_t size, const std::vector<std::pair<std::size_t, U32>>& fixed)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = U8(i + 1);
    for (auto [offset, word] : fixed)
        Util::EncodeLE<U32>(word, bytes.data() + offset);
    return bytes;
}

// Reads the header from the bytes, writes it, reads the written bytes again.
template <class Header>
void ExpectReadsWhatItWrites(const Bytes& image)
{
    Header header;
    ASSERT_EQ(Util::FieldsSize(header), image.size());
    Util::RecordReader reader(image, "header");
    ReadHeader(reader, header);
    EXPECT_TRUE(reader.AtEnd());
    Util::MemoryStream out("written");
    Util::WriteFields(out, header);
    EXPECT_EQ(out.GetBytes(), image);
    Header again;
    Util::RecordReader back(out.GetBytes(), "written");
    ReadHeader(back, again);
    EXPECT_TRUE(again == header);
}

template <class Header>
void Read(const Bytes& image)
{
    Header header;
    Util::RecordReader reader(image, "header");
    ReadHeader(reader, header);
}

template <class Header>
std::string ReadError(const Bytes& image)
{
    return ExceptionText([&] { Read<Header>(image); });
}
} // namespace

TEST(BitmapHeaders, EachHasItsFormatsSizeAndReadsWhatItWrites)
{
    struct Case
    {
        const char* name;
        // The bytes of the header in the file, and the words it holds at fixed values.
        std::size_t size;
        std::vector<std::pair<std::size_t, U32>> fixed;
        std::function<void(const Bytes&)> check;
    };
    const Case cases[] = {
        {"BMHD, its 14 bytes and two blanks", 16, {}, ExpectReadsWhatItWrites<BitmapHeader>},
        {"GPL MPHD, version 0", 18, {}, ExpectReadsWhatItWrites<GPLMipHeader>},
        {"GPL MPHD, what version 1 adds", 20, {}, ExpectReadsWhatItWrites<GPLMipHeaderText>},
        {"N2 MPHD, its 18 bytes and two blanks", 20, {}, ExpectReadsWhatItWrites<N2MipHeader>},
        {"N4 MIP header", 24, {}, ExpectReadsWhatItWrites<N4MipHeader>},
        {"N4 STP STHD", 4, {{0, 1}}, ExpectReadsWhatItWrites<N4StpStamp>},
        {"N4 STP DATA", 12, {{0, 0}}, ExpectReadsWhatItWrites<N4StpValues>},
        {"GPL SRB SRHD", 24, {}, ExpectReadsWhatItWrites<GPLSrbScales>},
        {"GPL SRB SRH2", 36, {}, ExpectReadsWhatItWrites<GPLSrbValues>},
        {"N2 SRB SRHD", 24, {}, ExpectReadsWhatItWrites<N2SrbValues>},
        {"PCX header", 128, {}, ExpectReadsWhatItWrites<PcxHeader>},
        {"PCX palette", 768, {}, ExpectReadsWhatItWrites<PcxPalette>},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        c.check(Pattern(c.size, c.fixed));
    }

    // The chunks count the headers without the blanks after them.
    EXPECT_EQ(BitmapHeader::ChunkSize + 2, Util::FieldsSize(BitmapHeader()));
    EXPECT_EQ(GPLMipHeader::ChunkSize, Util::FieldsSize(GPLMipHeader()));
    EXPECT_EQ(GPLMipHeaderText::ChunkSize, Util::FieldsSize(GPLMipHeader()) + Util::FieldsSize(GPLMipHeaderText()));
    EXPECT_EQ(N2MipHeader::ChunkSize + 2, Util::FieldsSize(N2MipHeader()));
    EXPECT_EQ(Util::FieldsSize(N4MipHeader()), N4MipFile::HeaderSize);
    EXPECT_EQ(Util::FieldsSize(PcxHeader()), PcxFile::HeaderBytes);
    EXPECT_EQ(Util::FieldsSize(PcxPalette()), PcxFile::PaletteBytes);
    // Written new, the blanks are blanks.
    Util::MemoryStream blank("blank");
    Util::WriteFields(blank, BitmapHeader());
    Util::WriteFields(blank, N2MipHeader());
    EXPECT_EQ(blank.GetBytes()[14], BitmapChunk::Blank);
    EXPECT_EQ(blank.GetBytes()[15], BitmapChunk::Blank);
    EXPECT_EQ(blank.GetBytes()[16 + 18], BitmapChunk::Blank);
    EXPECT_EQ(blank.GetBytes()[16 + 19], BitmapChunk::Blank);
}

TEST(BitmapHeaders, FixedValuesAreCheckedOnceTheWholeHeaderIsThere)
{
    // A fixed value of another value is refused with its message.
    EXPECT_EQ(ReadError<N4StpStamp>(Pattern(4, {{0, 2}})), "N4 stp header reserved not 1");
    EXPECT_EQ(ReadError<N4StpValues>(Pattern(12, {{0, 1}})), "N4 stp data reserved not zero");
    EXPECT_EQ(ReadError<N4StpValues>(Pattern(12, {{0, 0}})), "no exception");
    // Cut short, the same header is a short read: nothing is checked before all of it is there.
    Bytes cut = Pattern(12, {{0, 1}});
    cut.pop_back();
    EXPECT_THROW(Read<N4StpValues>(cut), Util::XFileRead);
    EXPECT_THROW(Read<N4StpStamp>(Bytes{2, 0, 0}), Util::XFileRead);
}
