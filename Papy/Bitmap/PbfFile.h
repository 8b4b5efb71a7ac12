#pragma once
// A pure (single) bitmap file of any game.
#include "Papy/Bitmap/Bitmap.h"
#include "Papy/Bitmap/BitmapFile.h"

namespace Velmo::Papy
{
class PbfFile : public BitmapFile
{
public:
    virtual Util::CountedPointer<Bitmap> GetBitmap() const = 0;
    // Takes the size and every pixel of the bitmap.
    virtual void CopyFrom(const Bitmap& bitmap) = 0;
    virtual Util::CountedPointer<PbfFile> Clone() const = 0;
};
} // namespace Velmo::Papy
