#include "Papy/Bitmap/MipChainFile.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
U32 MipChainFile::GetUnknownFloatCount() const
{
    return 0;
}

float MipChainFile::GetUnknownFloat(U32) const
{
    VELMO_ASSERT_TEXT(false, "false");
    return 0;
}
} // namespace Velmo::Papy
