#include "Papy/Bitmap/BitmapFile.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
U32 BitmapFile::GetUnknownInt(U32) const
{
    VELMO_ASSERT_TEXT(false, "false");
    return 0;
}
} // namespace Velmo::Papy
