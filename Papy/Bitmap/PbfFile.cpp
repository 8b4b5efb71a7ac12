#include "Papy/Bitmap/PbfFile.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
U32 PbfFile::GetUnknownIntCount() const
{
    return 0;
}

U32 PbfFile::GetUnknownInt(U32) const
{
    VELMO_ASSERT_TEXT(false, "false");
    return 0;
}
} // namespace Velmo::Papy
