// The PCX palette, the N2 bitmap files (palette indices coloured by the folder's palette) and
// the N4 STP file: the edge cases of each, built files read back by the independent checker,
// and the sound handling of values a file or a caller may get wrong. The N4 MIP file has its
// own tests (N4MipFileTest.cpp).
#include <gtest/gtest.h>

#include <cmath>

#include "BitmapTestSupport.h"
#include "Papy/Bitmap/BitmapOperations.h"
#include "Papy/Bitmap/BitmapSimple.h"
#include "Papy/Model/N2Length.h"
#include "Support/TempFolder.h"
#include "Util/BinaryFile.h"

using namespace VelmoTest;
using namespace Velmo;
using namespace Velmo::Papy;
using Util::CountedPointer;

namespace
{
// The palette of a folder with "sunny": entry 0 fully transparent, the others distinct colours.
CountedPointer<Palette> SunnyPalette()
{
    CountedPointer<Palette> palette(new Palette(256));
    for (U32 i = 0; i < 256; ++i)
        palette->SetColour(i, Colour(i / 255.0f, (255 - i) / 255.0f, (i * 7 % 256) / 255.0f, 1.0f));
    palette->SetColour(0, Colour(0, 0, 0, 0));
    return palette;
}

// Level m of a chain filled with colours of the palette, by the index (row * 7 + column + m) % 256.
void FillFromPalette(Bitmap& level, U32 height, U32 width, const Palette& palette, U32 m)
{
    BitmapSimple source;
    source.Resize(height, width);
    for (U32 r = 0; r < height; ++r)
        for (U32 c = 0; c < width; ++c)
            source.SetPixel(r, c, palette[(r * 7 + c + m) % 256]);
    CopyBitmap(source, level);
}

} // namespace

TEST(PcxFile, ReadsTheLastBytesAsOpaqueEntries)
{
    // 768 bytes: the header overlaps the palette.
    Util::MemoryStream white(Bytes(768, 255), "white.pcx");
    PcxFile file(white);
    ASSERT_EQ(file.GetPalette()->GetColourCount(), 256u);
    for (U32 i = 0; i < 256; ++i)
        EXPECT_TRUE(Same((*file.GetPalette())[i], Colour(1, 1, 1, 1))) << i;
    U32 index = 7;
    EXPECT_TRUE(file.GetPalette()->FindColour(Colour(1, 1, 1, 1), index));
    EXPECT_EQ(index, 0u);

    Util::MemoryStream shortFile(Bytes(767, 0), "short.pcx");
    EXPECT_THROW(PcxFile{shortFile}, Util::XFileSeek);
}

TEST(PcxFile, WriteReplacesOnlyThePalette)
{
    Bytes image = ReadFileBytes(SampleFolder() + "/sunny.pcx");
    Util::MemoryStream in(image, "sunny.pcx");
    PcxFile file(in);
    file.GetPalette()->SetColour(5, Colour(1, 0, 0.2f, 1));
    Util::MemoryStream out(image, "out.pcx");
    file.Write(out);
    Bytes written = out.GetBytes();
    Bytes expected = image;
    std::size_t at = image.size() - 768 + 15;
    expected[at] = 255;
    expected[at + 1] = 0;
    expected[at + 2] = 51;
    EXPECT_EQ(written, expected);
}

TEST(N2MipFile, ColoursComeFromTheFolderPalette)
{
    Bytes bytes = ReadFileBytes(SampleFolder() + "/n2-f3.mip");
    CountedPointer<Palette> sunny = SunnyPalette();
    Util::MemoryStream stream(bytes, "n2-f3.mip");
    N2MipFile file(stream, FixedN2Palette(sunny));
    // Index 0 of a folder with "sunny" is fully transparent; the header colour is entry 0.
    // Level 0's pixels start at 96: the MIP and MPHD chunks (44 bytes), BMAP, BMHD and DATA (52).
    auto level = file.GetSection()->GetLevel(0);
    for (U32 r = 0; r < level->GetHeight(); ++r)
        for (U32 c = 0; c < level->GetWidth(); ++c)
            ASSERT_TRUE(Same(level->GetPixel(r, c), (*sunny)[bytes[96 + r * 16 + c]])) << r << "," << c;
    level->SetPixel(1, 2, (*sunny)[0]);
    EXPECT_TRUE(Same(level->GetPixel(1, 2), Colour(0, 0, 0, 0)));
    EXPECT_TRUE(Same(file.GetHeaderColour(), Colour(0, 0, 0, 0)));
    EXPECT_TRUE(Same(level->GetPixel(0, 0), (*sunny)[bytes[96]]));
    EXPECT_TRUE(file.IsPaletted());
    EXPECT_FALSE(file.GetPalette(0));
    EXPECT_EQ(file.GetPalette()->GetColourCount(), 256u);
    EXPECT_EQ(file.GetTransparency(), 1);
    EXPECT_EQ(file.GetAlphaBits(), 1);
    EXPECT_EQ(file.GetWidth(), 16u);
    // Without a palette the readers take the grey ramp.
    Util::MemoryStream again(bytes, "n2-f3.mip");
    N2MipFile grey(again, N2PaletteSource());
    U32 index = bytes[96];
    EXPECT_TRUE(Same(grey.GetBitmap(0)->GetPixel(0, 0), Colour(index / 255.0f, index / 255.0f, index / 255.0f, 1)));
}

TEST(N2MipFile, HeaderColourIndexBeyondThePaletteIsTheDefaultColour)
{
    Bytes bytes = ReadFileBytes(SampleFolder() + "/n2-f2.mip"); // transparent index 300
    Util::MemoryStream stream(bytes, "n2-f2.mip");
    N2MipFile file(stream, N2PaletteSource());
    EXPECT_TRUE(Same(file.GetHeaderColour(), Colour()));
    EXPECT_EQ(file.GetTransparency(), 0);
    Util::MemoryStream five(ReadFileBytes(SampleFolder() + "/n2-f1.mip"), "n2-f1.mip"); // index 5
    N2MipFile grey(five, N2PaletteSource());
    EXPECT_TRUE(Same(grey.GetHeaderColour(), Colour(5 / 255.0f, 5 / 255.0f, 5 / 255.0f, 1)));
}

TEST(N2MipFile, BuiltChainsSaveWithTransparentIndexZeroAndReadBack)
{
    CountedPointer<Palette> grey = MakeGreyRamp();
    N2MipFile file(N2PaletteSource(), 8, 16, true, 3);
    ASSERT_EQ(file.GetBitmapCount(), 3u);
    EXPECT_EQ(file.GetSection()->GetFormat(), 3);
    EXPECT_EQ(file.GetSection()->GetTransparentIndex(), 0u);
    for (U32 m = 0; m < 3; ++m)
        FillFromPalette(*file.GetBitmap(m), 8 >> m, 16 >> m, *grey, m);
    Bytes bytes = Saved([&](Util::BinaryStream& out) { file.Save(out); });
    EXPECT_EQ(bytes[33], 0);
    ExpectCheckerAgrees([&](Util::BinaryStream& out) { file.Save(out); }, Levels(file), "n2mip", "built.mip");

    N2MipFile opaque(N2PaletteSource(), 2, 2, false, 1);
    EXPECT_EQ(opaque.GetSection()->GetFormat(), 2);
    EXPECT_EQ(ExceptionText([] { N2MipFile(N2PaletteSource(), 4, 6, true, 1); }), "Bitmap dimension not a power of 2");
    // A colour the palette does not hold has no index.
    file.GetBitmap(2)->Resize(2, 4);
    EXPECT_EQ(ExceptionText([&] { file.GetBitmap(2)->SetPixel(0, 0, Colour(1, 0, 0, 1)); }),
              "FindColour(colour, index)");

    // A clone has pixels of its own.
    CountedPointer<MipFile> clone = file.Clone();
    Colour before = file.GetBitmap(0)->GetPixel(1, 1);
    clone->GetBitmap(0)->SetPixel(1, 1, (*grey)[200]);
    EXPECT_TRUE(Same(file.GetBitmap(0)->GetPixel(1, 1), before));
    EXPECT_TRUE(Same(clone->GetBitmap(0)->GetPixel(1, 1), (*grey)[200]));
}

TEST(N2MipFile, FourBitLevelsChangeOnlyTheirNibble)
{
    Bytes bytes = ReadFileBytes(SampleFolder() + "/n2-f1.mip");
    Util::MemoryStream stream(bytes, "n2-f1.mip");
    N2MipFile file(stream, N2PaletteSource());
    auto level = file.GetSection()->GetLevel(0);
    CountedPointer<Palette> grey = MakeGreyRamp();
    Colour right = level->GetPixel(0, 1);
    level->SetPixel(0, 0, (*grey)[9]);
    EXPECT_TRUE(Same(level->GetPixel(0, 0), (*grey)[9]));
    EXPECT_TRUE(Same(level->GetPixel(0, 1), right));
}

TEST(N2SrbFile, TextureCoordinatesAndCorners)
{
    Bytes bytes = ReadFileBytes(SampleFolder() + "/n2-f1.srb"); // last column 31 of 64
    Util::MemoryStream stream(bytes, "n2-f1.srb");
    N2SrbFile file(stream, N2PaletteSource());
    EXPECT_EQ(file.GetTextureCoord(1).GetU(), 0.5);
    EXPECT_EQ(file.GetTextureCoord(1).GetV(), 0.0);
    EXPECT_EQ(file.GetTextureCoord(2).GetV(), 1.0);
    EXPECT_EQ(file.GetWorldWidth(), -5);
    // Origin row 0 of last row 0: no division by zero, the corners stay finite.
    for (U32 i = 0; i < 4; ++i)
        EXPECT_TRUE(std::isfinite(file.GetCorner(i).GetX()) && std::isfinite(file.GetCorner(i).GetZ())) << i;
    EXPECT_EQ(MetresToN2Length(0.0001), 2);
    EXPECT_EQ(MetresToN2Length(-0.0001), -2);

    Util::MemoryStream other(ReadFileBytes(SampleFolder() + "/n2-f3.srb"), "n2-f3.srb");
    N2SrbFile wide(other, N2PaletteSource());
    // W = 1000 units, D = -2000 units; a = 3 / 7, b = 1 - 2 / 3.
    double w = N2LengthToMetres(1000);
    double d = N2LengthToMetres(-2000);
    EXPECT_DOUBLE_EQ(wide.GetCorner(0).GetX(), -3.0 / 7 * w);
    EXPECT_DOUBLE_EQ(wide.GetCorner(2).GetZ(), -(1 - 2.0 / 3) * d);
    EXPECT_DOUBLE_EQ(wide.GetTextureCoord(2).GetV(), 1.0);
    EXPECT_DOUBLE_EQ(wide.GetTextureCoord(2).GetU(), 1.0);
}

TEST(N2SrbFile, BuiltFromTheRectangleAndReadBack)
{
    CountedPointer<std::vector<Vertex>> vertices(
        new std::vector<Vertex>{Vertex(-1, 0, 2), Vertex(3, 0, 2), Vertex(3, 0, -2), Vertex(-1, 0, -2)});
    CountedPointer<std::vector<TextureVertex>> uv(new std::vector<TextureVertex>{
        TextureVertex(0, 0), TextureVertex(0.5, 0), TextureVertex(0.5, 0.25), TextureVertex(0, 0.25)});
    N2SrbFile file(N2PaletteSource(), 32, 64, 3, vertices, uv);
    EXPECT_EQ(file.GetWorldWidth(), MetresToN2Length(4));
    EXPECT_EQ(file.GetWorldDepth(), MetresToN2Length(4));
    EXPECT_EQ(file.GetLastColumn(), 31u);
    EXPECT_EQ(file.GetLastRow(), 7u);
    EXPECT_EQ(file.GetOriginColumn(), 8u);
    EXPECT_EQ(file.GetOriginRow(), 4u);
    EXPECT_EQ(file.GetSection()->GetFormat(), 3);
    CountedPointer<Palette> grey = MakeGreyRamp();
    for (U32 m = 0; m < 3; ++m)
        FillFromPalette(*file.GetBitmap(m), 32 >> m, 64 >> m, *grey, m);
    Bytes bytes = Saved([&](Util::BinaryStream& out) { file.Save(out); });
    Util::MemoryStream in(bytes, "built.srb");
    N2SrbFile back(in, N2PaletteSource());
    EXPECT_EQ(back.GetOriginRow(), 4u);
    EXPECT_EQ(Saved([&](Util::BinaryStream& out) { back.Save(out); }), bytes);
    ExpectCheckerAgrees([&](Util::BinaryStream& out) { file.Save(out); }, {file.GetBitmap(0), file.GetBitmap(1),
                                                                           file.GetBitmap(2)},
                        "n2srb", "built.srb");

    // A rectangle of no width divides by zero: the values stay defined.
    CountedPointer<std::vector<Vertex>> flat(new std::vector<Vertex>{Vertex(1, 0, 1), Vertex(1, 0, 1), Vertex(1, 0, 1)});
    N2SrbFile degenerate(N2PaletteSource(), 4, 4, 1, flat, uv);
    EXPECT_EQ(degenerate.GetWorldWidth(), 0);
}

namespace
{
// A source whose pixel (1, 0) cannot be read.
class FailingBitmap : public BitmapSimple
{
public:
    Colour GetPixel(U32 row, U32 column) const override
    {
        if (row == 1)
            throw Util::XAssertion("false", "test", 1);
        return BitmapSimple::GetPixel(row, column);
    }
};
} // namespace

TEST(N4StpFile, CopyFailingHalfWayStillSavesAReadableFile)
{
    N4StpFile file(2, 2, 8, 8, 8, 0, 0, false, 0);
    FailingBitmap source;
    source.Resize(3, 5);
    EXPECT_EQ(ExceptionText([&] { file.CopyFrom(source); }), "false");
    EXPECT_EQ(file.GetWidth(), 5u);
    EXPECT_EQ(file.GetHeight(), 3u);
    Bytes bytes = Saved([&](Util::BinaryStream& out) { file.Save(out); });
    Util::MemoryStream in(bytes, "half.stp");
    N4StpFile back(in);
    EXPECT_EQ(back.GetWidth(), 5u);
    EXPECT_EQ(back.GetBitmap()->GetHeight(), 3u);
}

TEST(N4StpFile, BuildsWritesAndReadsBack)
{
    Util::MemoryStream packed(ReadFileBytes(SampleFolder() + "/f7.stp"), "f7.stp");
    N4StpFile file(packed);
    EXPECT_EQ(file.GetSection()->GetMethod(), 1);
    EXPECT_EQ(file.GetUnknownInt(0), 77u);
    EXPECT_EQ(file.GetWidth(), 5u);

    N4StpFile opaque(4, 8, 8, 8, 8, 0, 0, false, 0);
    EXPECT_EQ(opaque.GetSection()->GetFormat(), 6);
    EXPECT_EQ(N4StpFile(4, 8, 8, 8, 8, 1, 0, false, 0).GetSection()->GetFormat(), 7);
    EXPECT_EQ(N4StpFile(4, 8, 8, 8, 8, 0, 1, false, 0).GetSection()->GetFormat(), 7);
    EXPECT_EQ(ExceptionText([] { N4StpFile(4, 4, 8, 8, 8, 0, 0, true, 16); }), "N4 stp palettes not supported");
    EXPECT_EQ(ExceptionText([] { N4StpFile(4, 65536, 8, 8, 8, 0, 0, false, 0); }),
              "N4 stp bitmap sides cannot exceed 65535 pixels");

    BitmapSimple source;
    source.Resize(3, 40);
    for (U32 r = 0; r < 3; ++r)
        for (U32 c = 0; c < 40; ++c)
            source.SetPixel(r, c, Colour(r / 2.0f, c / 39.0f, 0.5f, 1));
    opaque.CopyFrom(source);
    EXPECT_EQ(opaque.GetWidth(), 40u);
    EXPECT_EQ(opaque.GetHeight(), 3u);
    Util::MemoryStream out("out.stp");
    opaque.Save(out);
    EXPECT_EQ(out.Tell(), 12u);
    Bytes bytes = out.GetBytes();
    Util::MemoryStream in(bytes, "out.stp");
    N4StpFile back(in);
    EXPECT_EQ(back.GetSection()->GetMethod(), 1);
    // Imploded by our coder (with matches, which the checker does not decode): compared with our reader.
    for (U32 r = 0; r < 3; ++r)
        for (U32 c = 0; c < 40; ++c)
            ASSERT_TRUE(Same(back.GetBitmap()->GetPixel(r, c), opaque.GetBitmap()->GetPixel(r, c))) << r << "," << c;
    CountedPointer<PbfFile> clone = back.Clone();
    EXPECT_EQ(Saved([&](Util::BinaryStream& s) { clone->Save(s); }), bytes);

    BitmapSimple huge;
    huge.Resize(1, 70000);
    EXPECT_EQ(ExceptionText([&] { opaque.CopyFrom(huge); }), "N4 stp bitmap sides cannot exceed 65535 pixels");
}
