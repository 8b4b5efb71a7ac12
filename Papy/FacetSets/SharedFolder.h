#pragma once
// The shared folder of an N4 track folder: the sibling folder "shared" one level up, when it
// holds "shared.dat" (names matched without regard to case). A folder named "shared" (any
// case) and a root folder have none. The shared container comes from the shared folder's
// factory in the registry; building that factory may fail, and its error leaves here (nothing
// is cached for it).
#include "Papy/Container/DatFile.h"
#include "Papy/Container/PapyDirectory.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class FileFactoryRegistry;

struct SharedFolder
{
    bool found = false;
    PapyDirectory directory;            // without one, the folder itself
    Util::CountedPointer<DatFile> dat;  // without one, the folder's own container
};

SharedFolder FindSharedFolder(const PapyDirectory& folder, const Util::CountedPointer<DatFile>& dat,
                              FileFactoryRegistry& registry);
} // namespace Velmo::Papy
