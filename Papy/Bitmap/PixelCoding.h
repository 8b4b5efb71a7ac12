#pragma once
// Reading and writing one pixel of packed pixel bytes in any store, by the channel
// quantisation rule. Rows of the 1 x 1 stores start at row x stride; the block stores keep one
// row of blocks per four pixel rows, block row b at b x stride x 4.
//
// Callers keep the pixel inside the bytes (row < height, column < width of an image whose
// pixel byte count the bytes hold). Palette indices beyond the palette read the default
// colour; a pixel of a paletted store reads (0, 0, 0, 0) without a palette.
#include "Papy/Bitmap/Palette.h"
#include "Papy/Bitmap/PixelFormat.h"
#include "Papy/Model/Colour.h"

namespace Velmo::Papy
{
Colour DecodePixel(const PixelFormat& format, const U8* pixels, U32 stride, U32 row, U32 column,
                   const Palette* palette);

// Changes only that pixel's bits. A paletted store writes the index of an entry that holds
// exactly the colour (else the assertion "FindColour(colour, index)"); the block stores are
// not written pixel by pixel (the assertion "false").
void EncodePixel(const PixelFormat& format, U8* pixels, U32 stride, U32 row, U32 column, const Colour& colour,
                 const Palette* palette);
} // namespace Velmo::Papy
