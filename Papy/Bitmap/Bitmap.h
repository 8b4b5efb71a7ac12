#pragma once
// The one pixel interface of the bitmap library: a grid of colours addressed by row and
// column, row 0 the top row. Callers keep row < height and column < width; implementers do
// not check.
#include "Papy/Model/Colour.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class Bitmap
{
public:
    virtual ~Bitmap() = default;
    virtual U32 GetWidth() const = 0;
    virtual U32 GetHeight() const = 0;
    // The height comes first.
    virtual void Resize(U32 height, U32 width) = 0;
    virtual Colour GetPixel(U32 row, U32 column) const = 0;
    virtual void SetPixel(U32 row, U32 column, const Colour& colour) = 0;
    // Frees what reading the pixels decoded and kept, where what the bitmap stores makes it
    // again (the next read decodes again): a reader of a large bitmap that is done with it.
    // Nothing by default.
    virtual void ReleaseDecoded() const {}
};
} // namespace Velmo::Papy
