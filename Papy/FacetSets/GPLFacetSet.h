#pragma once
// The GPL facet set: GPL's loaders for every GPL file (3D objects, tracks, racing lines,
// cameras, layouts, replays, mip, pbf and srb bitmaps, anything else as raw bytes), the Create
// facets of new GPL files and the folder's ICR2 DAT. Built for GPL folders, GPL DAT containers
// and folders that no recognizer claims.
#include "Papy/Container/DatFile.h"
#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/FileFactory.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class FileFactoryRegistry;

// dat is the folder's container (empty when it has none); registry is the one that caches the
// factory (the facets that need the folder's factory ask it).
Util::CountedPointer<FileFactory> BuildGPLFacetSet(const PapyDirectory& directory,
                                                   const Util::CountedPointer<DatFile>& dat,
                                                   FileFactoryRegistry& registry);
} // namespace Velmo::Papy
