#pragma once
// The N2 facet set (N2 and N3 folders and their ICR2 DATs): ICR2-format tracks and racing
// lines, N3 replays, the N2 camera, MIP, SRB and 3D-object formats, the palette from a PCX file
// and true-colour textures as GPL MIPs (".m16"). No CreateDat.
#include "Papy/Container/DatFile.h"
#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/FileFactory.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class FileFactoryRegistry;

Util::CountedPointer<FileFactory> BuildN2FacetSet(const PapyDirectory& directory,
                                                  const Util::CountedPointer<DatFile>& dat,
                                                  FileFactoryRegistry& registry);
} // namespace Velmo::Papy
