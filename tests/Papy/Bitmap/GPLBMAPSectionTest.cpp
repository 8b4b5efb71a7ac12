// The GPL bitmap section: sizes, the pixel stores of every format, pixel bytes made on first
// need, and edits that reach the file.
#include <gtest/gtest.h>

#include "BitmapTestSupport.h"
#include "Papy/Bitmap/N2BMAPSection.h"
#include "Papy/Bitmap/PixelFormat.h"
#include "Support/ByteBuilder.h"
#include "Util/PkCompression.h"

using namespace VelmoTest;
using namespace Velmo;
using namespace Velmo::Papy;
using Util::CountedPointer;

namespace
{
// A BMAP chunk with a stored DATA chunk (no CMAP), the filler blanks after it.
Bytes Bmap(U8 format, U32 width, U32 height, const Bytes& data, U8 method = 0)
{
    const PixelFormat* f = FindGPLPixelFormat(format);
    U32 stride = U32(GetStride(*f, width));
    ByteBuilder body;
    body.Text("DHMB").U32(0).U32(14).U8(format).U32(width).U32(height).U32(stride).U8(method).U8(' ').U8(' ');
    body.Text("ATAD").U32(0).U32(U32(data.size())).Bytes(data);
    while (body.Size() % 4 != 0)
        body.U8(' ');
    ByteBuilder chunk;
    chunk.Text("PAMB").U32(0).U32(U32(body.Size())).Bytes(body.Get());
    return chunk.Get();
}

CountedPointer<GPLBMAPSection> Read(const Bytes& bytes, U8 maxMethod = 0)
{
    Util::MemoryStream stream(bytes, "test.pbf");
    return CountedPointer<GPLBMAPSection>(new GPLBMAPSection(stream, nullptr, maxMethod));
}

Bytes Written(const GPLBMAPSection& section)
{
    Util::MemoryStream out("out");
    section.Write(out);
    return out.GetBytes();
}

// A colour every channel of which the format holds exactly (the quantisation is exact at
// field steps): channel k is step s_k / max_k.
Colour Representable(const PixelFormat& f, U32 seed)
{
    auto channel = [&](U32 bits, U32 salt) -> float {
        if (bits == 0)
            return 1.0f;
        U32 max = (1u << bits) - 1;
        return float((seed * 7 + salt * 13) % (max + 1)) / float(max);
    };
    float alpha = f.alphaBits == 0 ? 1.0f : std::max(channel(f.alphaBits, 3), 1.0f / float((1u << f.alphaBits) - 1));
    if (f.store == PixelStore::Grey8)
    {
        float g = channel(8, 0);
        return Colour(g, g, g, 1);
    }
    return Colour(channel(f.redBits, 0), channel(f.greenBits, 1), channel(f.blueBits, 2), alpha);
}
} // namespace

TEST(GPLBMAPSection, StridesAndPixelBytes)
{
    struct Case
    {
        U8 format;
        U32 width, height, stride, bytes;
    };
    const Case cases[] = {
        {3, 3, 1, 8, 8},      {6, 5, 2, 16, 32},  {10, 8, 8, 4, 32}, {10, 6, 5, 4, 32}, {11, 9, 1, 12, 48},
        {0, 9, 2, 8, 16},     {0, 8, 1, 4, 4},    {7, 3, 2, 12, 24}, {8, 5, 3, 8, 24},  {4, 0, 3, 0, 0},
    };
    for (const Case& c : cases)
    {
        GPLBMAPSection section(c.format, false, 0, nullptr, 0);
        section.Resize(c.height, c.width);
        EXPECT_EQ(section.GetStride(), c.stride) << int(c.format) << " " << c.width;
        Bytes out = Written(section);
        // The DATA size follows the header (40 bytes) for a section without CMAP.
        EXPECT_EQ(Util::DecodeLE<U32>(out.data() + 48), c.bytes) << int(c.format) << " " << c.width;
    }
}

TEST(GPLBMAPSection, EdgeValuesOfTheStores)
{
    // Format 4 with bit 15 clear is fully transparent, whatever its colour bits.
    auto f4 = Read(Bmap(4, 1, 1, {0xFF, 0x7F, 0, 0}));
    EXPECT_EQ(f4->GetPixel(0, 0), Colour(0, 0, 0, 0));
    // Code 2 of a block whose colour 0 is white and colour 1 black: two thirds grey.
    auto f10 = Read(Bmap(10, 4, 4, {0xFF, 0xFF, 0, 0, 2, 0, 0, 0}));
    float third = 2.0f / 3.0f;
    EXPECT_EQ(f10->GetPixel(0, 0), Colour(third, third, third, 1));
    EXPECT_EQ(f10->GetPixel(0, 1), Colour(1, 1, 1, 1));
    // Without CMAP and shared palette, index 15 is white; no CMAP is written back.
    Bytes grey = Bmap(2, 2, 1, {0xF0, 0, 0, 0});
    auto f2 = Read(grey);
    EXPECT_EQ(f2->GetPixel(0, 0), Colour(1, 1, 1, 1));
    EXPECT_EQ(f2->GetPixel(0, 1), Colour(0, 0, 0, 1));
    EXPECT_FALSE(f2->HasOwnPalette());
    EXPECT_EQ(Written(*f2), grey);
    // Format 7 keeps a written pixel within 1/255.
    GPLBMAPSection f7(7, false, 0, nullptr, 0);
    f7.Resize(1, 1);
    f7.SetPixel(0, 0, Colour(0.2f, 0.4f, 0.6f, 0.8f));
    Colour back = Read(Written(f7))->GetPixel(0, 0);
    EXPECT_NEAR(back.GetRed(), 0.2f, 1 / 255.0f);
    EXPECT_NEAR(back.GetGreen(), 0.4f, 1 / 255.0f);
    EXPECT_NEAR(back.GetBlue(), 0.6f, 1 / 255.0f);
    EXPECT_NEAR(back.GetAlpha(), 0.8f, 1 / 255.0f);
    // A DATA size of 5 is followed by three blanks.
    Bytes five = Bmap(8, 5, 1, {1, 2, 3, 4, 5});
    EXPECT_EQ(five.size(), 12u + 28 + 12 + 8);
    EXPECT_EQ(Read(five)->GetWidth(), 5u);
}

TEST(GPLBMAPSection, EveryStoreRoundTripsThroughSetPixel)
{
    for (U8 code = 0; code <= 8; ++code)
    {
        const PixelFormat& f = *FindGPLPixelFormat(code);
        GPLBMAPSection section(code, true, 16, nullptr, 0);
        if (f.paletted)
            for (U32 i = 0; i < 16; ++i)
                section.GetPalette()->SetColour(i, Colour(i / 15.0f, (15 - i) / 15.0f, 1, 1));
        section.Resize(3, 5);
        std::vector<Colour> wanted;
        for (U32 r = 0; r < 3; ++r)
            for (U32 c = 0; c < 5; ++c)
            {
                U32 seed = r * 5 + c;
                Colour colour = f.paletted ? (*section.GetPalette())[(seed * 7) % 16] : Representable(f, seed);
                section.SetPixel(r, c, colour);
                wanted.push_back(colour);
            }
        auto back = Read(Written(section));
        for (U32 r = 0; r < 3; ++r)
            for (U32 c = 0; c < 5; ++c)
            {
                Colour got = back->GetPixel(r, c);
                const Colour& want = wanted[r * 5 + c];
                EXPECT_NEAR(got.GetRed(), want.GetRed(), 1e-6) << int(code) << " " << r << "," << c;
                EXPECT_NEAR(got.GetGreen(), want.GetGreen(), 1e-6) << int(code);
                EXPECT_NEAR(got.GetBlue(), want.GetBlue(), 1e-6) << int(code);
                EXPECT_NEAR(got.GetAlpha(), want.GetAlpha(), 1e-6) << int(code);
            }

        // Any colour comes back within one quantisation step of each channel.
        if (!f.paletted)
        {
            Colour odd(0.123f, 0.456f, 0.789f, 0.9f);
            section.SetPixel(1, 1, odd);
            Colour got = section.GetPixel(1, 1);
            auto step = [](U32 bits) { return bits == 0 ? 1.0f : 1.0f / float((1u << bits) - 1); };
            EXPECT_NEAR(got.GetRed(), odd.GetRed(), step(f.redBits)) << int(code);
            // Grey stores keep the red channel only.
            if (f.store != PixelStore::Grey8)
            {
                EXPECT_NEAR(got.GetGreen(), odd.GetGreen(), step(f.greenBits)) << int(code);
                EXPECT_NEAR(got.GetBlue(), odd.GetBlue(), step(f.blueBits)) << int(code);
            }
            if (f.alphaBits != 0)
            {
                EXPECT_NEAR(got.GetAlpha(), odd.GetAlpha(), step(f.alphaBits)) << int(code);
            }
        }
    }
    // A colour that the palette does not hold cannot be written.
    GPLBMAPSection paletted(0, true, 4, nullptr, 0);
    paletted.Resize(1, 1);
    EXPECT_EQ(ExceptionText([&] { paletted.SetPixel(0, 0, Colour(1, 0, 0, 1)); }), "FindColour(colour, index)");
}

TEST(GPLBMAPSection, ImplodedPixels)
{
    // Read with method 1 allowed, the bytes are exploded only when a pixel is first read.
    Bytes pixels = {0x00, 0xF8, 0xE0, 0x07};
    Bytes stored(Util::PkCompression::MaxCompressedSize(4));
    stored.resize(Util::PkCompression::Compress(pixels.data(), 4, stored.data(), U32(stored.size())));
    Bytes file = Bmap(3, 2, 1, stored, 1);
    EXPECT_EQ(ExceptionText([&] { Read(file, 0); }), "GPL bitmap header unsupported compression method");
    auto section = Read(file, 1);
    EXPECT_EQ(Written(*section), file); // nothing decoded, the stored bytes written as read
    EXPECT_EQ(section->GetPixel(0, 0), Colour(1, 0, 0, 1));
    EXPECT_EQ(section->GetPixel(0, 1), Colour(0, 1, 0, 1));

    // An edit reaches the file: the current pixels are imploded again.
    section->SetPixel(0, 1, Colour(0, 0, 1, 1));
    auto edited = Read(Written(*section), 1);
    EXPECT_EQ(edited->GetPixel(0, 0), Colour(1, 0, 0, 1));
    EXPECT_EQ(edited->GetPixel(0, 1), Colour(0, 0, 1, 1));

    // Tiny sections implode to more than twice their pixel bytes: none (an empty stream
    // still has its header and end code) and a pixel of four different bytes.
    GPLBMAPSection none(8, false, 0, nullptr, 1);
    none.Resize(3, 0);
    Bytes written = Written(none);
    EXPECT_EQ(Util::DecodeLE<U32>(written.data() + 48), 5u);
    EXPECT_EQ(Read(written, 1)->GetHeight(), 3u);
    GPLBMAPSection tiny(7, false, 0, nullptr, 1);
    tiny.Resize(1, 1);
    Colour pixel(0.2f, 0.4f, 0.6f, 0.8f);
    tiny.SetPixel(0, 0, pixel);
    written = Written(tiny);
    EXPECT_GT(Util::DecodeLE<U32>(written.data() + 48), 8u);
    EXPECT_EQ(Read(written, 1)->GetPixel(0, 0), tiny.GetPixel(0, 0));

    // A stream that makes more than the pixel bytes is refused like one that makes fewer.
    Bytes longer(12, 0x1F);
    Bytes bigStored(Util::PkCompression::MaxCompressedSize(12));
    bigStored.resize(Util::PkCompression::Compress(longer.data(), 12, bigStored.data(), U32(bigStored.size())));
    auto overlong = Read(Bmap(3, 2, 1, bigStored, 1), 1);
    EXPECT_EQ(ExceptionText([&] { overlong->GetPixel(0, 0); }), "result_size == UncompressedDataSize");
    // A size no stream of that length can reach is refused before anything is reserved.
    Bytes five = {0, 6, 0, 0, 0};
    ByteBuilder huge;
    huge.Text("DHMB").U32(0).U32(14).U8(7).U32(0x4000).U32(0x4000).U32(0x10000).U8(1).U8(' ').U8(' ');
    huge.Text("ATAD").U32(0).U32(5).Bytes(five).Text("   ");
    ByteBuilder chunk;
    chunk.Text("PAMB").U32(0).U32(U32(huge.Size())).Bytes(huge.Get());
    auto unreachable = Read(chunk.Get(), 1);
    EXPECT_EQ(ExceptionText([&] { unreachable->GetPixel(0, 0); }), "result_size == UncompressedDataSize");
}

// Imploded pixels that their stored bytes could reach, but that would unpack beyond the
// library's one ceiling, are refused as the section is read, before anything is made for them;
// exactly at the ceiling they are taken (and unpacked only when used).
TEST(GPLBMAPSection, ImplodedPixelsBeyondTheCeilingAreRefusedAtRead)
{
    const Bytes stored(1600000, 0); // its ratio would allow about 300 MB
    const U32 width = 0x4000;        // 64 KiB a row in format 7
    const U32 ceilingRows = U32(Util::PkCompression::MaxUnpackedSize / (4 * width));
    EXPECT_EQ(ExceptionText([&] { Read(Bmap(7, width, ceilingRows + 1, stored, 1), 1); }),
              "test.pbf would unpack to 268500992 bytes, more than the 268435456 bytes allowed for one file");
    EXPECT_EQ(ExceptionText([&] { Read(Bmap(7, width, ceilingRows, stored, 1), 1); }), "no exception");
}

// A reader done with a large section frees its exploded bytes; whatever happened to the
// section before, the next read gives the same pixels and the file keeps every edit.
TEST(GPLBMAPSection, ReleasedPixelsAreMadeAgain)
{
    Bytes pixels = {0x00, 0xF8, 0xE0, 0x07};
    Bytes stored(Util::PkCompression::MaxCompressedSize(4));
    stored.resize(Util::PkCompression::Compress(pixels.data(), 4, stored.data(), U32(stored.size())));
    const Colour red(1, 0, 0, 1), green(0, 1, 0, 1), blue(0, 0, 1, 1);
    struct Case
    {
        const char* what;
        U8 method;
        bool edit;
        bool writeBeforeRelease;
    };
    for (const Case& c : {Case{"imploded, as read", 1, false, false}, Case{"imploded, edited", 1, true, false},
                          Case{"imploded, edited and written", 1, true, true}, Case{"stored, edited", 0, true, false}})
    {
        SCOPED_TRACE(c.what);
        const Bytes file = c.method == 1 ? Bmap(3, 2, 1, stored, 1) : Bmap(3, 2, 1, pixels, 0);
        auto section = Read(file, c.method);
        EXPECT_EQ(section->GetPixel(0, 1), green);
        if (c.edit)
            section->SetPixel(0, 1, blue);
        if (c.writeBeforeRelease)
            Written(*section);
        section->ReleaseDecoded();
        EXPECT_EQ(section->GetPixel(0, 0), red);
        EXPECT_EQ(section->GetPixel(0, 1), c.edit ? blue : green);
        section->ReleaseDecoded();
        auto again = Read(Written(*section), c.method);
        EXPECT_EQ(again->GetPixel(0, 1), c.edit ? blue : green);
        if (!c.edit)
        {
            EXPECT_EQ(Written(*section), file);
        }
    }
}

TEST(GPLBMAPSection, BlockFormatsEditInADecodedCopy)
{
    for (U8 code : {U8(10), U8(11)})
    {
        const PixelFormat& f = *FindGPLPixelFormat(code);
        Bytes data(std::size_t(f.bitsPerUnit / 8) * 4, 0x55);
        Bytes file = Bmap(code, 8, 8, data);
        auto section = Read(file);
        Colour before = section->GetPixel(5, 6);
        EXPECT_EQ(Written(*section), file);
        section->SetPixel(0, 0, Colour(0.5f, 0.5f, 0.5f, 1));
        EXPECT_TRUE(section->HasDecodedCopy());
        EXPECT_EQ(section->GetPixel(0, 0), Colour(0.5f, 0.5f, 0.5f, 1));
        EXPECT_EQ(section->GetPixel(5, 6), before);
        // The blocks are not encoded again: writing them would lose the edit.
        EXPECT_EQ(ExceptionText([&] { Written(*section); }),
                  "GPL bitmap block-compressed pixels edited: they cannot be written");
        EXPECT_EQ(ExceptionText([&] { Written(*section->Clone(nullptr)); }),
                  "GPL bitmap block-compressed pixels edited: they cannot be written");
    }
}

TEST(GPLBMAPSection, ResizeCloneAndQueries)
{
    // Width 0: no row has a last word to clear.
    GPLBMAPSection empty(3, false, 0, nullptr, 0);
    empty.Resize(4, 0);
    EXPECT_EQ(empty.GetStride(), 0u);
    auto back = Read(Written(empty));
    EXPECT_EQ(back->GetHeight(), 4u);
    EXPECT_EQ(back->GetWidth(), 0u);

    // A section read from a file and resized writes its new pixels, not the old bytes.
    auto section = Read(Bmap(6, 2, 2, Bytes(16, 0x40)));
    section->Resize(1, 1);
    section->SetPixel(0, 0, Colour(1, 0, 0, 1));
    auto resized = Read(Written(*section));
    EXPECT_EQ(resized->GetWidth(), 1u);
    EXPECT_EQ(resized->GetPixel(0, 0), Colour(1, 0, 0, 1));

    // A clone owns its pixels and palette.
    GPLBMAPSection original(1, true, 2, nullptr, 0);
    original.GetPalette()->SetColour(0, Colour(0, 0, 0, 0));
    original.GetPalette()->SetColour(1, Colour(1, 1, 0, 1));
    original.Resize(1, 2);
    auto clone = original.Clone(nullptr);
    clone->GetPalette()->SetColour(0, Colour(0, 1, 1, 1));
    clone->SetPixel(0, 1, Colour(1, 1, 0, 1));
    EXPECT_EQ(original.GetPixel(0, 1), Colour());
    EXPECT_EQ(original.GetPixel(0, 0), Colour());
    EXPECT_EQ(clone->GetPixel(0, 0), Colour(0, 1, 1, 1));
    EXPECT_TRUE(clone->HasOwnPalette());
    // A clone of a section that uses a shared palette takes the one it is given.
    CountedPointer<Palette> shared(new Palette(1));
    GPLBMAPSection level(0, false, 0, shared, 0);
    CountedPointer<Palette> other(new Palette(1));
    EXPECT_EQ(level.Clone(other)->GetPalette(), other);

    struct Bits
    {
        U8 code, red, green, blue, alpha, transparency;
    };
    const Bits table[] = {{0, 8, 8, 8, 8, 0}, {1, 8, 8, 8, 8, 1}, {2, 8, 8, 8, 8, 2}, {3, 5, 6, 5, 0, 0},
                          {4, 5, 5, 5, 1, 1}, {5, 4, 4, 4, 4, 2}, {6, 8, 8, 8, 0, 0}, {7, 8, 8, 8, 8, 2},
                          {8, 8, 8, 8, 0, 0}, {10, 5, 6, 5, 0, 0}, {11, 5, 6, 5, 4, 2}};
    for (const Bits& b : table)
    {
        GPLBMAPSection s(b.code, false, 0, nullptr, 0);
        EXPECT_EQ(s.GetRedBits(), b.red);
        EXPECT_EQ(s.GetGreenBits(), b.green);
        EXPECT_EQ(s.GetBlueBits(), b.blue);
        EXPECT_EQ(s.GetAlphaBits(), b.alpha);
        EXPECT_EQ(s.GetTransparency(), b.transparency);
        EXPECT_EQ(s.IsPaletted(), b.code < 3);
    }
    EXPECT_EQ(FindGPLPixelFormat(9), nullptr);
    EXPECT_EQ(FindGPLPixelFormat(12), nullptr);
}

TEST(GPLBMAPSection, PaletteIndexBeyondTheStoreIsRefused)
{
    // A CMAP may hold more entries than 4-bit pixels can index; an N2 palette more than 8-bit
    // ones. A colour found only beyond them is refused, and the pixel keeps what it held.
    CountedPointer<Palette> palette(new Palette(300));
    for (U32 i = 0; i < 300; ++i)
        palette->SetColour(i, Colour(i / 299.0f, 0, 1, 1));
    GPLBMAPSection gpl(0, false, 0, palette, 0);
    gpl.Resize(1, 2);
    N2BMAPSection n2Index4(1, *palette);
    n2Index4.Resize(1, 2);
    N2BMAPSection n2Index8(2, *palette);
    n2Index8.Resize(1, 2);
    const struct
    {
        Bitmap* section;
        U32 lastIndex;
    } table[] = {{&gpl, 15}, {&n2Index4, 15}, {&n2Index8, 255}};
    for (const auto& t : table)
    {
        t.section->SetPixel(0, 1, (*palette)[t.lastIndex]);
        EXPECT_EQ(ExceptionText([&] { t.section->SetPixel(0, 1, (*palette)[t.lastIndex + 1]); }), "index < limit");
        EXPECT_EQ(t.section->GetPixel(0, 1), (*palette)[t.lastIndex]);
    }
}
