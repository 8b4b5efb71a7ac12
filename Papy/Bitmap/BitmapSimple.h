#pragma once
// A bitmap held as a plain array of colours in memory, row-major: the scratch image of the
// library and the decoded copy of the block-compressed stores.
#include <vector>

#include "Papy/Bitmap/Bitmap.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class BitmapSimple : public Bitmap
{
public:
    // 0 x 0.
    BitmapSimple() = default;
    BitmapSimple(const BitmapSimple&) = default;
    BitmapSimple& operator=(const BitmapSimple&) = default;

    Util::CountedPointer<BitmapSimple> Clone() const;

    U32 GetWidth() const override { return m_width; }
    U32 GetHeight() const override { return m_height; }
    // Keeps the elements already present at their index (no re-layout); new ones are (0, 0, 0, 0).
    void Resize(U32 height, U32 width) override;
    Colour GetPixel(U32 row, U32 column) const override { return m_pixels[std::size_t(row) * m_width + column]; }
    void SetPixel(U32 row, U32 column, const Colour& colour) override
    {
        m_pixels[std::size_t(row) * m_width + column] = colour;
    }

private:
    U32 m_height = 0;
    U32 m_width = 0;
    std::vector<Colour> m_pixels;
};
} // namespace Velmo::Papy
