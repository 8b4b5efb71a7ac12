#pragma once
// The N4 facet set: N4 track objects (.ptf) as tracks, GPL-format cameras and replays, N4
// racing lines, MIP and STP bitmaps, 3D objects, the Create facets of new N4 files and the
// folder's N4 DAT. MIP and 3D-object look-ups fall back to the sibling "shared" folder.
#include "Papy/Container/DatFile.h"
#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/FileFactory.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class FileFactoryRegistry;

// dat is the folder's container (empty when it has none); registry caches the factory and
// gives the shared folder's. An error building the shared folder's factory leaves here.
Util::CountedPointer<FileFactory> BuildN4FacetSet(const PapyDirectory& directory,
                                                  const Util::CountedPointer<DatFile>& dat,
                                                  FileFactoryRegistry& registry);
} // namespace Velmo::Papy
