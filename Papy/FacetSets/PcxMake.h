#pragma once
// The MakePcx facet of the N2 folders: the standard Make source over the folder and its DAT with
// the default extension "pcx", loading a PcxFile. The palette server asks it for "sunny"; the
// factory's purge releases the palette files that only its cache holds.
#include "Papy/Bitmap/PcxFile.h"
#include "Papy/Factory/MakeFacet.h"
#include "Papy/Factory/StandardMakeSource.h"

namespace Velmo::Papy
{
// The PcxFile read from an opened stream.
Util::CountedPointer<PcxFile> LoadPcxFile(const Util::CountedPointer<Util::BinaryStream>& stream);

// Installed as factory.AddFacet<MakePcx>(new PcxMake({directory, dat, "pcx"})).
typedef MakeFacet<MakePcx, StandardMakeSource<PcxFile>, &LoadPcxFile> PcxMake;
} // namespace Velmo::Papy
