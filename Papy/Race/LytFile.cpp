#include "Papy/Race/LytFile.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
int LytFile::GetExtraCount() const
{
    return 0;
}

int LytFile::GetExtra(int, int) const
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}
} // namespace Velmo::Papy
