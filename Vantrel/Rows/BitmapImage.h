#pragma once
// A bitmap made ready for the screen once, so that a paint only copies bytes: three bytes per
// pixel, red, green and blue, rows top first and without padding (the layout a toolkit image
// takes). It is made straight from the bitmap's pixels, with no device-independent bitmap
// (bottom-up, blue first, padded rows) between them. The colour image holds the bitmap's
// colours (a fully transparent pixel is black), the alpha image each pixel's alpha as grey.
// Channels are quantised as the library stores an 8-bit channel: the integer part of
// value x 255 + 0.5, held to 0..255.
#include <cstddef>
#include <vector>

#include "Papy/Bitmap/Bitmap.h"
#include "Util/Types.h"
#include "Vantrel/Rows/BitmapPixelAllocator.h"

struct BitmapImage
{
    Velmo::U32 Width = 0;
    Velmo::U32 Height = 0;
    std::vector<Velmo::U8, BitmapPixelAllocator<Velmo::U8>> Pixels;

    static constexpr unsigned BytesPerPixel = 3;

    // The pixel at row (0 the top) and column: its red, green and blue bytes.
    const Velmo::U8* At(Velmo::U32 row, Velmo::U32 column) const
    {
        return Pixels.data() + (std::size_t(row) * Width + column) * BytesPerPixel;
    }
};

struct BitmapImages
{
    BitmapImage Colour;
    BitmapImage Alpha;
};

// The colour and the grey alpha image of a bitmap, both in one pass over its pixels.
BitmapImages MakeBitmapImages(const Velmo::Papy::Bitmap& bitmap);
