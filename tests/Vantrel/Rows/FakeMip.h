#pragma once
// A multipart bitmap file in memory of any declared size and values, holding no pixels: for
// the bitmap pane's model on sizes and values no sample file holds. It counts the bitmaps
// asked for.
#include <vector>

#include "Papy/Bitmap/MipFile.h"
#include "Util/CountedPointer.h"

namespace VelmoTest
{
class FakeMip : public Velmo::Papy::MipFile
{
public:
    typedef Velmo::U8 U8;
    typedef Velmo::U32 U32;

    FakeMip() = default;
    FakeMip(U32 count, U32 width, U32 height) : count(count), width(width), height(height) {}

    U32 count = 1, width = 8, height = 8;
    U8 alpha = 0;
    U8 transparency = 0;
    bool repeats = false;
    std::vector<U32> ints;
    mutable int requests = 0;

    U32 GetBitmapCount() const override { return count; }
    Velmo::Util::CountedPointer<Velmo::Papy::Bitmap> GetBitmap(U32) const override
    {
        ++requests;
        return {};
    }
    U32 GetWidth() const override { return width; }
    U32 GetHeight() const override { return height; }
    bool IsPaletted() const override { return false; }
    bool HasIndividualPalettes() const override { return false; }
    Velmo::Util::CountedPointer<Velmo::Papy::Palette> GetPalette(U32) const override { return {}; }
    Velmo::Util::CountedPointer<Velmo::Papy::Palette> GetPalette() const override { return {}; }
    Velmo::Papy::Colour GetHeaderColour() const override { return Velmo::Papy::Colour(); }
    U8 GetRedBits() const override { return 8; }
    U8 GetGreenBits() const override { return 8; }
    U8 GetBlueBits() const override { return 8; }
    U8 GetAlphaBits() const override { return alpha; }
    U8 GetTransparency() const override { return transparency; }
    U8 GetCompression() const override { return 0; }
    bool RepeatsHorizontally() const override { return repeats; }
    bool RepeatsVertically() const override { return repeats; }
    bool IsSelfObscuring() const override { return false; }
    U32 GetUnknownIntCount() const override { return U32(ints.size()); }
    U32 GetUnknownInt(U32 i) const override { return ints[i]; }
    void Save(Velmo::Util::BinaryStream&) const override {}
    Velmo::Util::CountedPointer<Velmo::Papy::MipFile> Clone() const override { return {}; }
};
} // namespace VelmoTest
