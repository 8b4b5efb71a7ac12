#include "Papy/Bitmap/MipFile.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
U32 MipFile::GetUnknownStringCount() const
{
    return 0;
}

std::string MipFile::GetUnknownString(U32) const
{
    VELMO_ASSERT_TEXT(false, "false");
    return std::string();
}
} // namespace Velmo::Papy
