// The GPL MIP section and the three GPL bitmap files: building, format choice, header colour,
// copies, and files written by our writers as the independent checker reads them.
#include <gtest/gtest.h>

#include "BitmapTestSupport.h"
#include "Papy/Bitmap/BitmapOperations.h"
#include "Papy/Bitmap/BitmapSimple.h"
#include "Support/ByteBuilder.h"
#include "Support/TempFolder.h"
#include "Util/BinaryFile.h"

using namespace VelmoTest;
using namespace Velmo;
using namespace Velmo::Papy;
using Util::CountedPointer;

namespace
{
CountedPointer<GPLMIPSection> Build(U32 height, U32 width, U32 levels, U8 red = 8, U8 green = 8, U8 blue = 8,
                                    U8 alpha = 8, U8 transparency = 2, bool paletted = false, U32 paletteSize = 0,
                                    bool individual = false, U32 first = 0, U32 count = 9, U32 version = 0)
{
    return CountedPointer<GPLMIPSection>(new GPLMIPSection(height, width, red, green, blue, alpha, transparency,
                                                           paletted, paletteSize, individual, true, false, levels,
                                                           first, count, version));
}

U8 ChosenFormat(U8 red, U8 green, U8 blue, U8 alpha, U8 transparency, bool paletted, U32 first, U32 count)
{
    return Build(1, 1, 1, red, green, blue, alpha, transparency, paletted, 16, false, first, count)->GetFormat();
}

// Fills a bitmap with a pattern that every store holds exactly enough to tell pixels apart.
void Fill(Bitmap& bitmap, const Palette* palette, U32 salt)
{
    for (U32 r = 0; r < bitmap.GetHeight(); ++r)
        for (U32 c = 0; c < bitmap.GetWidth(); ++c)
        {
            U32 k = r * 31 + c * 7 + salt;
            if (palette != nullptr)
                bitmap.SetPixel(r, c, (*palette)[k % palette->GetColourCount()]);
            else
                bitmap.SetPixel(r, c, Colour((k % 16) / 15.0f, (k / 3 % 16) / 15.0f, (k / 5 % 16) / 15.0f,
                                             (k % 5 + 1) / 5.0f));
        }
}

void FillPalette(Palette& palette)
{
    for (U32 i = 0; i < palette.GetColourCount(); ++i)
        palette.SetColour(i, Colour(i / 15.0f, (15 - i) / 15.0f, (i * 5 % 16) / 15.0f, i == 0 ? 0 : 1));
}
} // namespace

TEST(GPLMIPSection, BuildsHalvingLevels)
{
    auto mip = Build(32, 64, 8);
    ASSERT_EQ(mip->GetLevelCount(), 8u);
    const std::pair<U32, U32> sizes[] = {{64, 32}, {32, 16}, {16, 8}, {8, 4}, {4, 2}, {2, 1}, {1, 1}, {1, 1}};
    for (U32 m = 0; m < 8; ++m)
    {
        EXPECT_EQ(mip->GetLevel(m)->GetWidth(), sizes[m].first) << m;
        EXPECT_EQ(mip->GetLevel(m)->GetHeight(), sizes[m].second) << m;
    }
    EXPECT_EQ(mip->GetWidth(), 64u);
    EXPECT_EQ(mip->GetHeight(), 32u);
    EXPECT_EQ(ExceptionText([] { Build(64, 48, 1); }), "Bitmap dimension not a power of 2");
    EXPECT_EQ(ExceptionText([] { Build(0, 4, 1); }), "Bitmap dimension not a power of 2");
    EXPECT_EQ(ExceptionText([] { Build(4, 4, 1, 8, 8, 8, 8, 0, true, 17); }),
              "GPL mip only supports 16 colour palettes");
    EXPECT_EQ(ExceptionText([] { Build(4, 4, 1, 8, 8, 8, 8, 0, true, 16, false, 3, 6); }),
              "N4 mip palettes not supported");
    EXPECT_EQ(ExceptionText([] { Build(4, 4, 1, 8, 8, 8, 8, 0, false, 0, false, 9, 3); }),
              "N4 mip palettes not supported");

    // 256 x 64 holds 7 levels in a version-0 file.
    auto seven = Build(64, 256, 7);
    Bytes bytes = Saved([&](Util::BinaryStream& s) { seven->Write(s); });
    Util::MemoryStream in(bytes, "seven.mip");
    EXPECT_EQ(GPLMipFile(in, 0).GetBitmapCount(), 7u);
}

TEST(GPLMIPSection, FormatChoice)
{
    struct Case
    {
        U8 red, green, blue, alpha, transparency;
        bool paletted;
        U32 first, count;
        U8 format;
    };
    const Case cases[] = {
        {5, 6, 5, 0, 0, false, 0, 6, 3},   // exact
        {8, 8, 8, 8, 2, false, 0, 6, 5},   // 4 short bits cost 40 each in 3..4; class 2 only in 5
        {8, 8, 8, 8, 2, false, 0, 9, 7},   // 32-bit colour is exact
        {8, 8, 8, 0, 0, false, 6, 3, 6},   // 6 and 8 both exact: the earlier code
        {8, 8, 8, 8, 1, true, 0, 3, 1},    // paletted: the class decides
        {8, 8, 8, 8, 2, true, 0, 9, 2},    // non-paletted codes are not candidates
        {5, 5, 5, 1, 1, false, 0, 200, 4}, // the block codes (10, 11) are not GPL MIP formats
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChosenFormat(c.red, c.green, c.blue, c.alpha, c.transparency, c.paletted, c.first, c.count),
                  c.format)
            << int(c.red) << int(c.green) << int(c.blue) << int(c.alpha) << " " << int(c.transparency);
}

TEST(GPLMIPSection, HeaderColour)
{
    // Built: the alpha-weighted mean of all of level 0.
    auto mip = Build(2, 2, 2, 8, 8, 8, 8, 2, false, 0, false, 7, 1);
    auto level0 = mip->GetLevel(0);
    level0->SetPixel(0, 0, Colour(1, 0, 0, 1));
    level0->SetPixel(1, 1, Colour(0, 0, 1, 1));
    Bytes bytes = Saved([&](Util::BinaryStream& s) { mip->Write(s); });
    EXPECT_EQ(bytes[33], 128); // blue
    EXPECT_EQ(bytes[34], 0);
    EXPECT_EQ(bytes[35], 128); // red
    EXPECT_EQ(bytes[36], 128); // alpha: half of the pixels opaque

    // One pixel wide and high levels, and no levels at all.
    auto line = Build(1, 4, 1, 5, 6, 5, 0, 0, false, 0, false, 3, 1);
    for (U32 c = 0; c < 4; ++c)
        line->GetLevel(0)->SetPixel(0, c, Colour(1, 1, 1, 1));
    bytes = Saved([&](Util::BinaryStream& s) { line->Write(s); });
    EXPECT_EQ(Bytes(bytes.begin() + 33, bytes.begin() + 37), Bytes({255, 255, 255, 255}));
    auto none = Build(4, 4, 0);
    bytes = Saved([&](Util::BinaryStream& s) { none->Write(s); });
    EXPECT_EQ(Bytes(bytes.begin() + 33, bytes.begin() + 37), Bytes({0, 0, 0, 0}));
    EXPECT_EQ(ExceptionText([&] { none->GetLevel(0); }), "level < m_levels.size()");
    EXPECT_EQ(ExceptionText([&] { none->GetPalette(); }), "level < m_levels.size()");
    EXPECT_FALSE(none->HasIndividualPalettes());

}

TEST(GPLMIPSection, HeaderColourAsReadUntilLevelZeroChanges)
{
    // Read: the four bytes are kept, also those a transparent colour does not hold, while level
    // 0 is as read; once its pixels or its palette change, the colour is worked out again as
    // a built section's: here level 0 all opaque white.
    const Bytes asRead = {10, 20, 30, 0}, white = {255, 255, 255, 255};
    auto paintLevel0 = [](MipFile& file) {
        auto level = file.GetBitmap(0);
        for (U32 r = 0; r < level->GetHeight(); ++r)
            for (U32 c = 0; c < level->GetWidth(); ++c)
                level->SetPixel(r, c, Colour(1, 1, 1, 1));
    };
    auto whitenPalette = [](MipFile& file) {
        auto palette = file.GetPalette(0);
        for (U32 i = 0; i < palette->GetColourCount(); ++i)
            palette->SetColour(i, Colour(1, 1, 1, 1));
    };
    const struct
    {
        const char* sample;
        const char* edit;
        std::function<void(MipFile&)> change;
        Bytes header;
    } cases[] = {
        {"f7.mip", "none", [](MipFile&) {}, asRead},
        {"f7.mip", "level 1", [](MipFile& f) { f.GetBitmap(1)->SetPixel(0, 0, Colour(1, 1, 1, 1)); }, asRead},
        {"f7.mip", "level 0", paintLevel0, white},
        {"f8.mip", "level 0", paintLevel0, white},
        {"f0.mip", "none", [](MipFile&) {}, asRead},
        {"f0.mip", "shared palette", whitenPalette, white},
        {"f1.mip", "own palette of level 0", whitenPalette, white},
        {"f1.mip", "own palette of level 1", [](MipFile& f) { f.GetPalette(1)->SetColour(0, Colour(1, 1, 1, 1)); },
         asRead},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.sample) + ", edited: " + c.edit);
        Util::MemoryStream in(ReadFileBytes(SampleFolder() + "/" + c.sample), c.sample);
        GPLMipFile file(in, 0);
        c.change(file);
        Bytes bytes = Saved([&](Util::BinaryStream& s) { file.Save(s); });
        EXPECT_EQ(Bytes(bytes.begin() + 33, bytes.begin() + 37), c.header);
        // A copy keeps what its original would write.
        bytes = Saved([&](Util::BinaryStream& s) { file.Clone()->Save(s); });
        EXPECT_EQ(Bytes(bytes.begin() + 33, bytes.begin() + 37), c.header);
    }

    // A scaled bitmap's section, behind its two header chunks.
    Util::MemoryStream in(ReadFileBytes(SampleFolder() + "/f7.srb"), "f7.srb");
    GPLSrbFile srb(in);
    Bytes bytes = Saved([&](Util::BinaryStream& s) { srb.Save(s); });
    EXPECT_EQ(Bytes(bytes.begin() + 96 + 33, bytes.begin() + 96 + 37), asRead);
    auto level = srb.GetBitmap(0);
    for (U32 r = 0; r < level->GetHeight(); ++r)
        for (U32 c = 0; c < level->GetWidth(); ++c)
            level->SetPixel(r, c, Colour(1, 1, 1, 1));
    bytes = Saved([&](Util::BinaryStream& s) { srb.Save(s); });
    EXPECT_EQ(Bytes(bytes.begin() + 96 + 33, bytes.begin() + 96 + 37), white);
}

TEST(GPLMIPSection, CopiesAndPalettes)
{
    // One palette shared by the levels; the copy has its own.
    auto shared = Build(4, 4, 3, 8, 8, 8, 8, 0, true, 16);
    ASSERT_TRUE(shared->GetSharedPalette());
    EXPECT_FALSE(shared->HasIndividualPalettes());
    EXPECT_EQ(shared->GetPalette(2), shared->GetSharedPalette());
    FillPalette(*shared->GetSharedPalette());
    for (U32 m = 0; m < 3; ++m)
        Fill(*shared->GetLevel(m), shared->GetSharedPalette().Get(), m);
    GPLMIPSection copy(*shared);
    EXPECT_NE(copy.GetSharedPalette(), shared->GetSharedPalette());
    EXPECT_EQ(copy.GetPalette(1), copy.GetSharedPalette());
    copy.GetSharedPalette()->SetColour(3, Colour(0.5f, 0.5f, 0.5f, 1));
    EXPECT_NE((*shared->GetSharedPalette())[3], Colour(0.5f, 0.5f, 0.5f, 1));
    EXPECT_EQ(Saved([&](Util::BinaryStream& s) { GPLMIPSection(*shared).Write(s); }),
              Saved([&](Util::BinaryStream& s) { shared->Write(s); }));

    // Individual palettes: one per level, none shared.
    auto own = Build(4, 4, 2, 8, 8, 8, 8, 1, true, 4, true);
    EXPECT_FALSE(own->GetSharedPalette());
    EXPECT_TRUE(own->HasIndividualPalettes());
    EXPECT_NE(own->GetPalette(0), own->GetPalette(1));
    // Non-paletted levels have none.
    EXPECT_FALSE(Build(4, 4, 1)->GetPalette(0));

    // The version-1 text is bounded to its 16-byte field.
    auto v1 = Build(2, 8, 4, 8, 8, 8, 8, 2, false, 0, false, 7, 1, 1);
    v1->SetString("a text longer than sixteen bytes");
    Bytes bytes = Saved([&](Util::BinaryStream& s) { v1->Write(s); });
    Util::MemoryStream in(bytes, "v1.mip");
    GPLMipFile file(in, 1);
    EXPECT_EQ(file.GetUnknownString(0), "a text longer th");
    EXPECT_EQ(file.GetUnknownStringCount(), 1u);
    EXPECT_EQ(file.GetBitmapCount(), 4u); // beyond the smaller exponent + 1, allowed in version 1
}

TEST(GPLMipFile, WrittenFilesReadByTheChecker)
{
    for (U8 code = 0; code <= 8; ++code)
    {
        const PixelFormat& f = *FindGPLPixelFormat(code);
        bool individual = code == 1;
        GPLMipFile file(8, 16, f.redBits, f.greenBits, f.blueBits, f.alphaBits, f.transparency, f.paletted, 16,
                        individual, code % 2 == 0, code % 3 == 0, 4, code, 1, 0);
        ASSERT_EQ(file.GetSection()->GetFormat(), code);
        std::vector<CountedPointer<Bitmap>> levels;
        for (U32 m = 0; m < file.GetBitmapCount(); ++m)
        {
            CountedPointer<Palette> palette = file.GetPalette(m);
            if (palette && (m == 0 || individual))
                FillPalette(*palette);
            Fill(*file.GetBitmap(m), palette.Get(), m);
            levels.push_back(file.GetBitmap(m));
        }
        ExpectCheckerAgrees([&](Util::BinaryStream& s) { file.Save(s); }, levels, "mip",
                            "f" + std::to_string(code) + ".mip");
        // A copy saves the same bytes; a reload keeps every pixel.
        Bytes bytes = Saved([&](Util::BinaryStream& s) { file.Save(s); });
        EXPECT_EQ(Saved([&](Util::BinaryStream& s) { file.Clone()->Save(s); }), bytes);
        Util::MemoryStream in(bytes, "again.mip");
        GPLMipFile again(in, 0);
        EXPECT_EQ(again.RepeatsHorizontally(), code % 2 == 0);
        EXPECT_EQ(again.RepeatsVertically(), code % 3 == 0);
        EXPECT_EQ(Saved([&](Util::BinaryStream& s) { again.Save(s); }), bytes);
    }
}

TEST(GPLPbfFile, FormatChoiceAndWriting)
{
    struct Case
    {
        U8 red, green, blue, alpha, transparency;
        bool paletted;
        U8 format;
    };
    const Case cases[] = {{5, 5, 5, 0, 0, false, 4}, {8, 8, 8, 0, 0, false, 3}, {5, 5, 5, 0, 1, false, 5},
                          {8, 8, 8, 8, 2, false, 5}, {4, 4, 4, 8, 0, false, 4}, {8, 8, 8, 8, 1, true, 1},
                          {8, 8, 8, 8, 7, true, 0}};
    for (const Case& c : cases)
    {
        GPLPbfFile file(c.red, c.green, c.blue, c.alpha, c.transparency, c.paletted, 16);
        EXPECT_EQ(file.GetSection()->GetFormat(), c.format);
        BitmapSimple picture;
        picture.Resize(3, 5);
        CountedPointer<Palette> palette = file.GetPalette();
        if (palette)
            FillPalette(*palette);
        Fill(picture, palette.Get(), 1);
        file.CopyFrom(picture);
        EXPECT_EQ(file.GetWidth(), 5u);
        EXPECT_EQ(file.GetHeight(), 3u);
        ExpectCheckerAgrees([&](Util::BinaryStream& s) { file.Save(s); }, {file.GetBitmap()}, "pbf", "new.pbf");
        // A clone owns its pixels.
        auto clone = file.Clone();
        Colour before = file.GetBitmap()->GetPixel(0, 0);
        clone->GetBitmap()->SetPixel(0, 0, file.GetBitmap()->GetPixel(1, 1));
        EXPECT_EQ(file.GetBitmap()->GetPixel(0, 0), before);
        EXPECT_EQ(clone->GetBitmap()->GetPixel(0, 0), file.GetBitmap()->GetPixel(1, 1));
    }
    EXPECT_EQ(ExceptionText([] { GPLPbfFile(8, 8, 8, 8, 0, true, 17); }), "GPL mip only supports 16 colour palettes");
    GPLPbfFile file(8, 8, 8, 0, 0, false, 0);
    EXPECT_EQ(file.GetUnknownIntCount(), 0u);
    EXPECT_EQ(ExceptionText([&] { file.GetUnknownInt(0); }), "false");
}

TEST(GPLSrbFile, StrictGeometryAndWriting)
{
    Bytes repeating = ReadFileBytes(SampleFolder() + "/f0.srb");
    {
        StrictGuard strict(false);
        Util::MemoryStream in(repeating, "f0.srb");
        GPLSrbFile file(in);
        EXPECT_TRUE(file.GetSection()->RepeatsVertically());
        EXPECT_EQ(file.GetUnknownIntCount(), 9u);
        EXPECT_EQ(file.GetUnknownInt(8), 9u);
    }
    {
        StrictGuard strict(true);
        Util::MemoryStream in(repeating, "f0.srb");
        EXPECT_EQ(ExceptionText([&] { GPLSrbFile file(in); }), "GPL srb repeatable");
    }

    // The size is checked before any header chunk is read: nothing follows here.
    Util::MemoryStream alone(ByteBuilder().Text(" BRS").U32(0).U32(85).Get(), "alone.srb");
    EXPECT_EQ(ExceptionText([&] { GPLSrbFile file(alone); }), "GPL srb size mismatch");

    CountedPointer<std::vector<Vertex>> vertices(
        new std::vector<Vertex>{{-2, 0, 3}, {6, 0, 3}, {6, 0, -1}, {-2, 0, -1}});
    CountedPointer<std::vector<TextureVertex>> texture(
        new std::vector<TextureVertex>{{0, 0}, {0.5, 0}, {0.5, 0.75}, {0, 0.75}});
    GPLSrbFile file(8, 16, 8, 8, 8, 8, 2, false, 0, false, 4, vertices, texture, 7, 1);
    const float scales[] = {8, 4, 8, 6, 2, 4.5f};
    for (U32 i = 0; i < 6; ++i)
        EXPECT_EQ(file.GetScale(i), scales[i]) << i;
    for (U32 i = 0; i < 4; ++i)
    {
        EXPECT_EQ(file.GetCorner(i), (*vertices)[i]) << i;
        EXPECT_EQ(file.GetTextureCoord(i), (*texture)[i]) << i;
    }
    EXPECT_EQ(file.GetCorner(4), (*vertices)[0]);
    EXPECT_EQ(file.GetTextureCoord(9), TextureVertex(0, 0));
    std::vector<CountedPointer<Bitmap>> levels;
    for (U32 m = 0; m < file.GetBitmapCount(); ++m)
    {
        Fill(*file.GetBitmap(m), nullptr, m);
        levels.push_back(file.GetBitmap(m));
    }
    ExpectCheckerAgrees([&](Util::BinaryStream& s) { file.Save(s); }, levels, "srb-strict", "new.srb");
    Bytes bytes = Saved([&](Util::BinaryStream& s) { file.Save(s); });
    EXPECT_EQ(Saved([&](Util::BinaryStream& s) { file.Clone()->Save(s); }), bytes);
    StrictGuard strict(true);
    Util::MemoryStream in(bytes, "new.srb");
    GPLSrbFile again(in);
    EXPECT_EQ(again.GetCorner(2), (*vertices)[2]);
}
