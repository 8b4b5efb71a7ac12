#pragma once
// The program's version: four 16-bit numbers, set in one place (the build's project version).
#include "Util/Types.h"

namespace Velmo::Util
{
class VersionInfo
{
public:
    VersionInfo() = default;
    void GetFileVersion(U16& a, U16& b, U16& c, U16& d) const noexcept;
};
} // namespace Velmo::Util
