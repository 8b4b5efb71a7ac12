#include "Papy/Bitmap/SrbFile.h"

namespace Velmo::Papy
{
U32 SrbFile::GetUnknownIntCount() const
{
    return 0;
}

U32 SrbFile::GetUnknownInt(U32) const
{
    return 0;
}

U32 SrbFile::GetUnknownFloatCount() const
{
    return 0;
}

float SrbFile::GetUnknownFloat(U32) const
{
    return 0.0f;
}
} // namespace Velmo::Papy
