#include "Papy/Bitmap/BitmapOperations.h"

namespace Velmo::Papy
{
void CopyBitmap(const Bitmap& source, Bitmap& destination)
{
    U32 height = source.GetHeight();
    U32 width = source.GetWidth();
    destination.Resize(height, width);
    for (U32 row = 0; row < height; ++row)
        for (U32 column = 0; column < width; ++column)
            destination.SetPixel(row, column, source.GetPixel(row, column));
}

void CopyAlphaAsGrey(const Bitmap& source, Bitmap& destination)
{
    U32 height = source.GetHeight();
    U32 width = source.GetWidth();
    destination.Resize(height, width);
    for (U32 row = 0; row < height; ++row)
        for (U32 column = 0; column < width; ++column)
        {
            float alpha = source.GetPixel(row, column).GetAlpha();
            destination.SetPixel(row, column, Colour(alpha, alpha, alpha, 1.0f));
        }
}

void DownsampleBox(const Bitmap& source, U32 rowFactor, U32 columnFactor, Bitmap& destination)
{
    // A zero factor would divide by zero; it has no blocks to average.
    U32 height = rowFactor != 0 ? source.GetHeight() / rowFactor : 0;
    U32 width = columnFactor != 0 ? source.GetWidth() / columnFactor : 0;
    destination.Resize(height, width);
    double blockSize = double(rowFactor) * double(columnFactor);
    for (U32 i = 0; i < height; ++i)
        for (U32 j = 0; j < width; ++j)
        {
            double red = 0, green = 0, blue = 0, alpha = 0;
            for (U32 k = 0; k < rowFactor; ++k)
            {
                U32 row = rowFactor * i + k;
                for (U32 l = 0; l < columnFactor; ++l)
                {
                    Colour pixel = source.GetPixel(row, columnFactor * j + l);
                    double a = pixel.GetAlpha();
                    red += a * pixel.GetRed();
                    green += a * pixel.GetGreen();
                    blue += a * pixel.GetBlue();
                    alpha += a;
                }
            }
            double meanAlpha = alpha / blockSize;
            if (alpha != 0 && meanAlpha != 0)
                destination.SetPixel(i, j, Colour(float(red / alpha), float(green / alpha), float(blue / alpha),
                                                  float(meanAlpha)));
            else
                destination.SetPixel(i, j, Colour());
        }
}

U32 CeilLog2(U64 value)
{
    U32 n = 0;
    while (n < 64 && (U64(1) << n) < value)
        ++n;
    return n;
}
} // namespace Velmo::Papy
