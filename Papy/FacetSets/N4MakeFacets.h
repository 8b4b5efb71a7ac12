#pragma once
// The Make facets of N4 files. N4 folders use GPL's camera and replay facets as well.
#include <string>

#include "Papy/Bitmap/MipFile.h"
#include "Papy/Bitmap/PbfFile.h"
#include "Papy/FacetSets/FolderMakeFacet.h"
#include "Papy/FacetSets/LineMakeLp.h"
#include "Papy/FacetSets/SharedMakeFacet.h"
#include "Papy/Factory/MakeFacet.h"
#include "Papy/Factory/StandardMakeSource.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Track/N4LpFile.h"

namespace Velmo::Papy
{
// Track objects (.ptf) and 3D objects (.3do) are read with their own lists of node classes and
// the folder's factory from the registry.
Util::CountedPointer<TdoFile> LoadN4Ptf(const Util::CountedPointer<Util::BinaryStream>& stream,
                                        const std::string& file, const PapyDirectory& directory,
                                        FileFactoryRegistry& registry);
Util::CountedPointer<TdoFile> LoadN4Tdo(const Util::CountedPointer<Util::BinaryStream>& stream,
                                        const std::string& file, const PapyDirectory& directory,
                                        FileFactoryRegistry& registry);
Util::CountedPointer<MipFile> LoadN4Mip(const Util::CountedPointer<Util::BinaryStream>& stream,
                                        const std::string& file, const PapyDirectory& directory,
                                        FileFactoryRegistry& registry);
Util::CountedPointer<PbfFile> LoadN4Stp(const Util::CountedPointer<Util::BinaryStream>& stream);
Util::CountedPointer<LpFile> LoadN4Lp(const Util::CountedPointer<Util::BinaryStream>& stream,
                                      const PapyDirectory& directory);

typedef FolderMakeFacet<MakePtf> N4MakePtf;
typedef SharedMakeFacet<MakeMip> N4MakeMip;
typedef SharedMakeFacet<MakeTdo> N4MakeTdo;
typedef MakeFacet<MakePbf, StandardMakeSource<PbfFile>, &LoadN4Stp> N4MakeStp;
typedef LineMakeLp<N4LpFile, &LoadN4Lp> N4MakeLp;
} // namespace Velmo::Papy
