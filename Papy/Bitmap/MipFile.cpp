#include "Papy/Bitmap/MipFile.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
std::string MipFile::GetUnknownString(U32) const
{
    VELMO_ASSERT_TEXT(false, "false");
    return std::string();
}
} // namespace Velmo::Papy
