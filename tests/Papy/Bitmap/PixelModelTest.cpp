// The pixel model: the plain and device-independent bitmaps, the palette's reverse look-up
// and the moves between bitmaps.
#include <functional>

#include <gtest/gtest.h>

#include "Papy/Bitmap/BitmapOperations.h"
#include "Papy/Bitmap/BitmapSimple.h"
#include "Papy/Bitmap/DIB.h"
#include "Papy/Bitmap/Palette.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
std::string AssertionOf(const std::function<void()>& f)
{
    try
    {
        f();
    }
    catch (const Util::XAssertion& e)
    {
        return e.GetExpression();
    }
    return "no assertion";
}
} // namespace

TEST(Bitmap, SimpleResizeKeepsLinearIndices)
{
    BitmapSimple b;
    EXPECT_EQ(b.GetWidth(), 0u);
    b.Resize(2, 3);
    for (U32 i = 0; i < 6; ++i)
        b.SetPixel(i / 3, i % 3, Colour(i / 10.0f, 0, 0, 1));
    b.Resize(3, 2);
    EXPECT_EQ(b.GetHeight(), 3u);
    EXPECT_EQ(b.GetWidth(), 2u);
    for (U32 i = 0; i < 6; ++i)
        EXPECT_EQ(b.GetPixel(i / 2, i % 2), Colour(i / 10.0f, 0, 0, 1)) << i;
    b.Resize(4, 2);
    EXPECT_EQ(b.GetPixel(3, 1), Colour());

    auto copy = b.Clone();
    b.SetPixel(0, 0, Colour(1, 1, 1, 1));
    EXPECT_EQ(copy->GetPixel(0, 0), Colour(0, 0, 0, 1));
    EXPECT_EQ(copy->GetHeight(), 4u);
}

TEST(Bitmap, CopyAndAlphaAsGrey)
{
    BitmapSimple source;
    source.Resize(2, 2);
    source.SetPixel(0, 1, Colour(0.5f, 0.25f, 1, 0.75f));
    source.SetPixel(1, 0, Colour(1, 1, 1, 1));
    BitmapSimple copy;
    copy.Resize(7, 7);
    CopyBitmap(source, copy);
    EXPECT_EQ(copy.GetWidth(), 2u);
    EXPECT_EQ(copy.GetPixel(0, 1), Colour(0.5f, 0.25f, 1, 0.75f));

    BitmapSimple mask;
    CopyAlphaAsGrey(source, mask);
    EXPECT_EQ(mask.GetPixel(0, 0), Colour(0, 0, 0, 1));
    EXPECT_EQ(mask.GetPixel(0, 1), Colour(0.75f, 0.75f, 0.75f, 1));
    EXPECT_EQ(mask.GetPixel(1, 0), Colour(1, 1, 1, 1));
}

TEST(Bitmap, DownsampleBox)
{
    BitmapSimple source;
    source.Resize(5, 4); // the fifth row is ignored
    source.SetPixel(0, 0, Colour(1, 0, 0, 1));
    // Right block: one half-transparent blue and one opaque green.
    source.SetPixel(0, 2, Colour(0, 0, 1, 0.5f));
    source.SetPixel(1, 3, Colour(0, 1, 0, 1));
    source.SetPixel(4, 0, Colour(1, 1, 1, 1));
    BitmapSimple out;
    DownsampleBox(source, 2, 2, out);
    ASSERT_EQ(out.GetHeight(), 2u);
    ASSERT_EQ(out.GetWidth(), 2u);
    EXPECT_EQ(out.GetPixel(0, 0), Colour(1, 0, 0, 0.25f));
    Colour right = out.GetPixel(0, 1);
    EXPECT_FLOAT_EQ(right.GetGreen(), 1 / 1.5f);
    EXPECT_FLOAT_EQ(right.GetBlue(), 0.5f / 1.5f);
    EXPECT_FLOAT_EQ(right.GetAlpha(), 1.5f / 4);
    EXPECT_EQ(out.GetPixel(1, 0), Colour()); // fully transparent block

    DownsampleBox(source, 0, 2, out);
    EXPECT_EQ(out.GetHeight(), 0u);
}

TEST(Bitmap, CeilLog2)
{
    const std::pair<U64, U32> cases[] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {4, 2}, {5, 3}, {48, 6}, {64, 6},
                                         {0x80000000u, 31}, {0x80000001u, 32}, {0xFFFFFFFFu, 32}};
    for (auto [value, log] : cases)
        EXPECT_EQ(CeilLog2(value), log) << value;
}

TEST(Palette, ReverseLookUp)
{
    Palette palette(16);
    U32 index = 99;
    // Entries only constructed are not found, not even the colour they hold.
    EXPECT_FALSE(palette.FindColour(Colour(0, 0, 0, 0), index));
    EXPECT_EQ(AssertionOf([&] { palette.GetIndex(Colour()); }), "FindColour(colour, index)");

    Colour grey(0.5f, 0.5f, 0.5f, 1);
    palette.SetColour(7, grey);
    palette.SetColour(3, grey);
    EXPECT_TRUE(palette.FindColour(grey, index));
    EXPECT_EQ(index, 3u);
    // Overwriting entry 3 removes its old key.
    palette.SetColour(3, Colour(1, 0, 0, 1));
    EXPECT_EQ(palette.GetIndex(grey), 7u);
    EXPECT_EQ(palette.GetIndex(Colour(1, 0, 0, 1)), 3u);
    EXPECT_FALSE(palette.FindColour(Colour(0.5f, 0.5f, 0.5f, 0.99f), index));

    Palette copy(palette);
    palette.SetColour(7, Colour());
    EXPECT_EQ(copy.GetIndex(grey), 7u);
    EXPECT_FALSE(palette.FindColour(grey, index));
    EXPECT_EQ(palette.GetIndex(Colour()), 7u);
    EXPECT_EQ(palette.GetColourOrDefault(16), Colour());
}

TEST(DIB, InfoBlockAndStride)
{
    DIB dib(24);
    const U8* info = dib.GetBitmapInfo();
    EXPECT_EQ(Util::DecodeLE<U32>(info), 40u);
    EXPECT_EQ(Util::DecodeLE<U16>(info + 12), 1u);
    EXPECT_EQ(Util::DecodeLE<U16>(info + 14), 24u);
    EXPECT_EQ(dib.GetBits(), nullptr);
    dib.Resize(2, 3);
    EXPECT_EQ(dib.GetStride(), 12u);
    EXPECT_EQ(Util::DecodeLE<S32>(info + 4), 3);
    EXPECT_EQ(Util::DecodeLE<S32>(info + 8), 2);
    EXPECT_EQ(Util::DecodeLE<U32>(info + 16), 0u); // uncompressed
    EXPECT_EQ(Util::DecodeLE<U32>(info + 20), 24u);
    EXPECT_EQ(dib.GetWidth(), 3u);
    EXPECT_EQ(dib.GetHeight(), 2u);

    // Pixel (0, 0) is in the last stored row; (1.0, 0.5, 0.0) stores 0, 128, 255.
    dib.SetPixel(0, 0, Colour(1.0f, 0.5f, 0.0f, 1.0f));
    const U8* bits = dib.GetBits();
    EXPECT_EQ(bits[12], 0);
    EXPECT_EQ(bits[13], 128);
    EXPECT_EQ(bits[14], 255);
    EXPECT_EQ(bits[0], 0);
    EXPECT_EQ(dib.GetPixel(0, 0), Colour(1.0f, 128 / 255.0f, 0.0f, 1.0f));

    const std::pair<U16, U32> strides[] = {{1, 4}, {4, 4}, {8, 4}, {16, 8}, {24, 12}, {32, 12}};
    for (auto [bits, stride] : strides)
    {
        DIB d(bits);
        d.Resize(1, 3);
        EXPECT_EQ(d.GetStride(), stride) << bits;
        EXPECT_EQ(d.GetColourTable().size(), bits <= 8 ? 4u << bits : 0u);
    }
    EXPECT_EQ(AssertionOf([] { DIB bad(2); }), "false");
}

TEST(DIB, SixteenAndThirtyTwoBits)
{
    DIB d16(16);
    d16.Resize(1, 2);
    d16.SetPixel(0, 1, Colour(1, 1, 1, 1));
    EXPECT_EQ(Util::DecodeLE<U16>(d16.GetBits() + 2), 0x7FFF);
    d16.GetBits()[2] = 0xFF;
    d16.GetBits()[3] = 0xFF; // bit 15 is ignored on reading
    EXPECT_EQ(d16.GetPixel(0, 1), Colour(1, 1, 1, 1));

    DIB d32(32);
    d32.Resize(1, 1);
    d32.SetPixel(0, 0, Colour(0.2f, 0.4f, 0.6f, 0.1f));
    const U8* p = d32.GetBits();
    EXPECT_EQ(p[0], 153);
    EXPECT_EQ(p[1], 102);
    EXPECT_EQ(p[2], 51);
    EXPECT_EQ(p[3], 0);
    EXPECT_EQ(d32.GetPixel(0, 0).GetAlpha(), 1.0f);
}

TEST(DIB, PalettedModes)
{
    Util::CountedPointer<Palette> palette(new Palette(16));
    for (U32 i = 0; i < 16; ++i)
        palette->SetColour(i, Colour(i / 15.0f, 0, 0, 1));
    const U16 modes[] = {1, 4, 8};
    for (U16 bits : modes)
    {
        DIB dib(bits);
        dib.Resize(2, 9);
        // Without a palette nothing can be written and pixels read as the default colour.
        EXPECT_EQ(dib.GetPixel(0, 0), Colour());
        EXPECT_EQ(AssertionOf([&] { dib.SetPixel(0, 0, Colour(1, 0, 0, 1)); }), "FindColour(colour, index)");
        dib.SetPalette(palette);
        U32 top = bits == 1 ? 1 : 15;
        dib.SetPixel(1, 8, (*palette)[top]);
        dib.SetPixel(1, 7, (*palette)[1]);
        EXPECT_EQ(dib.GetPixel(1, 8), (*palette)[top]) << bits;
        EXPECT_EQ(dib.GetPixel(1, 7), (*palette)[1]) << bits;
        EXPECT_EQ(dib.GetPixel(1, 6), (*palette)[0]) << bits;
        EXPECT_EQ(dib.GetPixel(0, 8), (*palette)[0]) << bits;
        EXPECT_EQ(dib.GetColourTable()[4 * 1 + 2], 17); // red of entry 1: 1/15 of 255
    }
}

TEST(DIB, IndexBeyondThePixelBitsIsRefused)
{
    // A palette longer than the bits can index: a colour found only beyond them is refused,
    // and the pixel keeps what it held.
    Util::CountedPointer<Palette> palette(new Palette(300));
    for (U32 i = 0; i < 300; ++i)
        palette->SetColour(i, Colour(i / 299.0f, 1, 0, 1));
    const struct
    {
        U16 bits;
        U32 lastIndex;
    } modes[] = {{1, 1}, {4, 15}, {8, 255}};
    for (const auto& mode : modes)
    {
        DIB dib(mode.bits);
        dib.Resize(1, 3);
        dib.SetPalette(palette);
        dib.SetPixel(0, 1, (*palette)[mode.lastIndex]);
        EXPECT_EQ(AssertionOf([&] { dib.SetPixel(0, 1, (*palette)[mode.lastIndex + 1]); }), "index < limit")
            << mode.bits;
        EXPECT_EQ(dib.GetPixel(0, 1), (*palette)[mode.lastIndex]) << mode.bits;
    }
}
