#include "Vantrel/Rows/BitmapImage.h"

#include <cstdint>

#include "Papy/Bitmap/Quantise.h"
#include "Util/Exception.h"

using namespace Velmo;
using Velmo::Papy::QuantiseChannel;

namespace
{
void Size(BitmapImage& image, U32 width, U32 height)
{
    // Readers refuse stored sides whose pixels the file cannot hold; the size is formed in 64
    // bits all the same, where two 32-bit sides cannot overflow it.
    U64 bytes = U64(width) * height * BitmapImage::BytesPerPixel;
    VELMO_ASSERT(bytes <= U64(SIZE_MAX));
    image.Width = width;
    image.Height = height;
    // Every byte is written by the caller.
    image.Pixels.resize(std::size_t(bytes));
}
} // namespace

BitmapImages MakeBitmapImages(const Papy::Bitmap& bitmap)
{
    BitmapImages images;
    const U32 width = bitmap.GetWidth();
    const U32 height = bitmap.GetHeight();
    Size(images.Colour, width, height);
    Size(images.Alpha, width, height);
    U8* colour = images.Colour.Pixels.data();
    U8* alpha = images.Alpha.Pixels.data();
    for (U32 row = 0; row < height; ++row)
        for (U32 column = 0; column < width; ++column)
        {
            Papy::Colour pixel = bitmap.GetPixel(row, column);
            *colour++ = U8(QuantiseChannel(pixel.GetRed(), 255));
            *colour++ = U8(QuantiseChannel(pixel.GetGreen(), 255));
            *colour++ = U8(QuantiseChannel(pixel.GetBlue(), 255));
            const U8 grey = U8(QuantiseChannel(pixel.GetAlpha(), 255));
            *alpha++ = grey;
            *alpha++ = grey;
            *alpha++ = grey;
        }
    return images;
}
