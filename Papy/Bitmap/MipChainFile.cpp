#include "Papy/Bitmap/MipChainFile.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
float MipChainFile::GetUnknownFloat(U32) const
{
    VELMO_ASSERT_TEXT(false, "false");
    return 0;
}
} // namespace Velmo::Papy
