#pragma once
// The one test for names that come from game files or callers and are about to reach the disk
// relative to a folder (a DAT's entries when it is saved, names asked of a factory): such a
// name must stay inside that folder.
#include <string>

namespace Velmo::Papy
{
// True for a relative name whose components, separated by '\' or '/', are all non-empty and
// none is ".."; false for an empty or absolute name and for a name holding ':' or a NUL.
bool IsSafeRelativeName(const std::string& name);
} // namespace Velmo::Papy
