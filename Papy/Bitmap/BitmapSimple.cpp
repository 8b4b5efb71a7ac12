#include "Papy/Bitmap/BitmapSimple.h"

namespace Velmo::Papy
{
Util::CountedPointer<BitmapSimple> BitmapSimple::Clone() const
{
    return Util::CountedPointer<BitmapSimple>(new BitmapSimple(*this));
}

void BitmapSimple::Resize(U32 height, U32 width)
{
    m_height = height;
    m_width = width;
    m_pixels.resize(std::size_t(height) * width);
}
} // namespace Velmo::Papy
