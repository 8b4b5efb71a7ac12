#include "Util/VersionInfo.h"

#include "Util/VersionNumber.h"

namespace Velmo::Util
{
void VersionInfo::GetFileVersion(U16& a, U16& b, U16& c, U16& d) const noexcept
{
    a = VANTREL_VERSION_MAJOR;
    b = VANTREL_VERSION_MINOR;
    c = VANTREL_VERSION_PATCH;
    d = VANTREL_VERSION_TWEAK;
}
} // namespace Velmo::Util
