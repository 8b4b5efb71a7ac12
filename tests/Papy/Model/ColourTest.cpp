#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Papy/Model/Colour.h"

using namespace Velmo;
using namespace Velmo::Papy;

TEST(Colour, ZeroAlphaClearsEveryComponent)
{
    Colour clear(0.5f, 0.5f, 0.5f, 0);
    EXPECT_EQ(clear, Colour(0, 0, 0, 0));
    EXPECT_EQ(clear, Colour(1, 0.25f, 0, 0));
    EXPECT_EQ(clear.GetRed(), 0.0f);
    EXPECT_EQ(Colour(), Colour(0, 0, 0, 0));

    Colour kept(0.1f, 0.2f, 0.3f, 0.4f);
    EXPECT_EQ(kept.GetRed(), 0.1f);
    EXPECT_EQ(kept.GetGreen(), 0.2f);
    EXPECT_EQ(kept.GetBlue(), 0.3f);
    EXPECT_EQ(kept.GetAlpha(), 0.4f);
    EXPECT_FALSE(kept == Colour(0.1f, 0.2f, 0.3f, 0.5f));
    EXPECT_FALSE(kept == Colour(0.1f, 0.2f, 0.31f, 0.4f));
}

TEST(Colour, Product)
{
    Colour opaque(0.5f, 1, 0.25f, 1);
    EXPECT_EQ(opaque * Colour(1, 1, 1, 0), Colour(0, 0, 0, 0));
    EXPECT_EQ(opaque * Colour(0.5f, 0.5f, 1, 0.5f), Colour(0.25f, 0.5f, 0.25f, 0.5f));
    // A product whose alpha underflows to 0 is cleared like any transparent colour.
    Colour faint(1, 1, 1, 1e-30f);
    EXPECT_EQ(faint * faint, Colour(0, 0, 0, 0));
    EXPECT_EQ((faint * faint).GetRed(), 0.0f);
}

TEST(Colour, WordConversion)
{
    // Bytes on disk blue, green, red, alpha: the little-endian word 0xAARRGGBB.
    Colour c = Colour::FromWord(0x80FF3300u);
    EXPECT_EQ(c, Colour(1.0f, float(0x33 / 255.0), 0.0f, float(0x80 / 255.0)));
    EXPECT_EQ(c.GetWord(), 0x80FF3300u);
    // Alpha 0 drops the colour bytes.
    EXPECT_EQ(Colour::FromWord(0x000A141Eu), Colour());
    EXPECT_EQ(Colour::FromWord(0x000A141Eu).GetWord(), 0u);
    // Every byte survives a round trip.
    for (unsigned b = 0; b < 256; ++b)
        EXPECT_EQ(Colour::ComponentToByte(Colour::ByteToComponent(U8(b))), b) << b;
}

TEST(Colour, ComponentToByteRoundsAndClamps)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case
    {
        float component;
        unsigned byte;
    } cases[] = {
        {0.0f, 0},     {1.0f, 255},   {0.5f, 128},     {0.499f, 127},  {1.0f / 255, 1},
        {1.5f, 255},   {300.0f, 255}, {inf, 255},      {1e30f, 255},   {-0.1f, 0},
        {-1e30f, 0},   {-inf, 0},     {nan, 0},        {-0.001f, 0},   {1.001f, 255},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Colour::ComponentToByte(c.component), c.byte) << c.component;

    // Out-of-range components make a word of clamped bytes.
    EXPECT_EQ(Colour(2, -1, nan, 0.5f).GetWord(), 0x80FF0000u);
}
