#pragma once
// The node classes each kind of N4 file may hold, as lists of their archived types: a file
// whose archive announces a class missing from its list is refused.
#include "Papy/N4/N4Archiver.h"

namespace Velmo::Papy
{
// For .ptf files (track objects).
const N4ArchiverList& GetN4PtfArchivers();
// For .3do files.
const N4ArchiverList& GetN4TdoArchivers();
} // namespace Velmo::Papy
