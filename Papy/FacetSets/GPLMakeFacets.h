#pragma once
// The Make facets of GPL files: the Make mechanism over a standard source with GPL's loaders.
// N4 folders use GPLMakeCam and GPLMakeRpy too.
#include "Papy/Bitmap/MipFile.h"
#include "Papy/Bitmap/PbfFile.h"
#include "Papy/Bitmap/SrbFile.h"
#include "Papy/FacetSets/LineMakeLp.h"
#include "Papy/Factory/LooseMakeSource.h"
#include "Papy/Factory/MakeFacet.h"
#include "Papy/Factory/StandardMakeSource.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Race/CamFile.h"
#include "Papy/Race/LytFile.h"
#include "Papy/Race/RpyFile.h"
#include "Papy/Track/GPLLpFile.h"
#include "Papy/Track/TrkFile.h"

namespace Velmo::Papy
{
typedef Util::CountedPointer<Util::BinaryStream> StreamPointer;

Util::CountedPointer<CamFile> LoadGPLCam(const StreamPointer& stream);
Util::CountedPointer<LytFile> LoadGPLLyt(const StreamPointer& stream);
Util::CountedPointer<MipFile> LoadGPLMip(const StreamPointer& stream);
Util::CountedPointer<PbfFile> LoadGPLPbf(const StreamPointer& stream);
Util::CountedPointer<SrbFile> LoadGPLSrb(const StreamPointer& stream);
Util::CountedPointer<TdoFile> LoadGPLTdo(const StreamPointer& stream);
Util::CountedPointer<TrkFile> LoadGPLTrk(const StreamPointer& stream);
Util::CountedPointer<RpyFile> LoadGPLRpy(const StreamPointer& stream, const PapyDirectory& directory);
// The line over the folder's own track: the folder name with "trk", from the MakeTrk facet of
// the folder's factory (process registry), loose or in the DAT.
Util::CountedPointer<LpFile> LoadGPLLp(const StreamPointer& stream, const PapyDirectory& directory);

typedef MakeFacet<MakeCam, StandardMakeSource<CamFile>, &LoadGPLCam> GPLMakeCam;
typedef MakeFacet<MakeLyt, StandardMakeSource<LytFile>, &LoadGPLLyt> GPLMakeLyt;
typedef MakeFacet<MakeMip, StandardMakeSource<MipFile>, &LoadGPLMip> GPLMakeMip;
typedef MakeFacet<MakePbf, StandardMakeSource<PbfFile>, &LoadGPLPbf> GPLMakePbf;
typedef MakeFacet<MakeSrb, StandardMakeSource<SrbFile>, &LoadGPLSrb> GPLMakeSrb;
typedef MakeFacet<MakeTdo, StandardMakeSource<TdoFile>, &LoadGPLTdo> GPLMakeTdo;
typedef MakeFacet<MakeTrk, StandardMakeSource<TrkFile>, &LoadGPLTrk> GPLMakeTrk;
typedef MakeFacet<MakeRpy, LooseMakeSource<RpyFile>, &LoadGPLRpy> GPLMakeRpy;
typedef LineMakeLp<GPLLpFile, &LoadGPLLp> GPLMakeLp;
} // namespace Velmo::Papy
