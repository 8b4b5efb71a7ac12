#include "Papy/Bitmap/MipChainFile.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
float MipChainFile::GetUnknownFloat(U32) const
{
    VELMO_ASSERT_TEXT(false, "false");
    return 0;
}

U32 MipChainFile::GetLevelWidth(U32 level) const
{
    const Util::CountedPointer<Bitmap> bitmap = GetBitmap(level);
    return bitmap ? bitmap->GetWidth() : 0;
}

U32 MipChainFile::GetLevelHeight(U32 level) const
{
    const Util::CountedPointer<Bitmap> bitmap = GetBitmap(level);
    return bitmap ? bitmap->GetHeight() : 0;
}
} // namespace Velmo::Papy
