#include "Papy/Race/RpyFile.h"

namespace Velmo::Papy
{
int RpyFile::GetPlayerIndex() const
{
    return 0;
}

int RpyFile::GetHeaderIntegerCount() const
{
    return 0;
}

int RpyFile::GetHeaderInteger(int) const
{
    return 0;
}
} // namespace Velmo::Papy
