#pragma once
// The Make facets of N2 and N3 folders: ICR2-format tracks and racing lines, N3 replays, N2
// cameras, MIPs (".m16" files are GPL MIPs), SRBs and 3D objects. The N2 bitmaps and 3D
// objects take their colours from the folder's palette server, found through the registry.
#include <string>

#include "Papy/Bitmap/MipFile.h"
#include "Papy/Bitmap/SrbFile.h"
#include "Papy/FacetSets/FolderMakeFacet.h"
#include "Papy/FacetSets/LineMakeLp.h"
#include "Papy/Factory/LooseMakeSource.h"
#include "Papy/Factory/MakeFacet.h"
#include "Papy/Factory/StandardMakeSource.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Race/CamFile.h"
#include "Papy/Race/RpyFile.h"
#include "Papy/Track/ICR2LpFile.h"
#include "Papy/Track/TrkFile.h"

namespace Velmo::Papy
{
Util::CountedPointer<CamFile> LoadN2Cam(const Util::CountedPointer<Util::BinaryStream>& stream);
Util::CountedPointer<TrkFile> LoadICR2Trk(const Util::CountedPointer<Util::BinaryStream>& stream);
Util::CountedPointer<LpFile> LoadICR2Lp(const Util::CountedPointer<Util::BinaryStream>& stream,
                                        const PapyDirectory& directory);
Util::CountedPointer<RpyFile> LoadN3Rpl(const Util::CountedPointer<Util::BinaryStream>& stream,
                                        const PapyDirectory& directory);
// A file whose extension is "m16" (without regard to case) is a GPL MIP; any other an N2 MIP.
Util::CountedPointer<MipFile> LoadN2Mip(const Util::CountedPointer<Util::BinaryStream>& stream,
                                        const std::string& file, const PapyDirectory& directory,
                                        FileFactoryRegistry& registry);
Util::CountedPointer<SrbFile> LoadN2Srb(const Util::CountedPointer<Util::BinaryStream>& stream,
                                        const std::string& file, const PapyDirectory& directory,
                                        FileFactoryRegistry& registry);
Util::CountedPointer<TdoFile> LoadN2Tdo(const Util::CountedPointer<Util::BinaryStream>& stream,
                                        const std::string& file, const PapyDirectory& directory,
                                        FileFactoryRegistry& registry);

typedef MakeFacet<MakeCam, StandardMakeSource<CamFile>, &LoadN2Cam> N2MakeCam;
typedef MakeFacet<MakeTrk, StandardMakeSource<TrkFile>, &LoadICR2Trk> ICR2MakeTrk;
typedef MakeFacet<MakeRpy, LooseMakeSource<RpyFile>, &LoadN3Rpl> N3MakeRpl;
typedef LineMakeLp<ICR2LpFile, &LoadICR2Lp> ICR2MakeLp;
typedef FolderMakeFacet<MakeMip> N2MakeMip;
typedef FolderMakeFacet<MakeSrb> N2MakeSrb;
typedef FolderMakeFacet<MakeTdo> N2MakeTdo;
} // namespace Velmo::Papy
