#include "Papy/FacetSets/N4FacetSet.h"

#include "Papy/FacetSets/FacetSetBuilding.h"
#include "Papy/FacetSets/GPLMakeFacets.h"
#include "Papy/FacetSets/N4CreateLp.h"
#include "Papy/FacetSets/N4CreateMip.h"
#include "Papy/FacetSets/N4CreateStp.h"
#include "Papy/FacetSets/N4CreateTdo.h"
#include "Papy/FacetSets/N4MakeFacets.h"
#include "Papy/FacetSets/N4MakeTrack.h"
#include "Papy/FacetSets/NewDatCreateDat.h"
#include "Papy/FacetSets/SharedFolder.h"
#include "Papy/Factory/GetDatLocal.h"
#include "Papy/Factory/GetDirectory.h"
#include "Papy/Factory/NormalMakeUnknown.h"
#include "Papy/Factory/PurgeFactory.h"

namespace Velmo::Papy
{
Util::CountedPointer<FileFactory> BuildN4FacetSet(const PapyDirectory& directory,
                                                  const Util::CountedPointer<DatFile>& dat,
                                                  FileFactoryRegistry& registry)
{
    // Before anything is made: a failing shared folder stops the build.
    const SharedFolder shared = FindSharedFolder(directory, dat, registry);

    Util::CountedPointer<FileFactory> result(new FileFactory);
    FileFactory& factory = *result;
    factory.AddFacet<GetDirectory>(new GetDirectory(directory));
    factory.AddFacet<GetDat>(new GetDatLocal(dat));
    factory.AddFacet<CreateDat>(new N4CreateDat(directory, &registry));
    factory.AddFacet<PurgeFactory>(new PurgeFactory(&factory));

    factory.AddFacet<MakeCam>(new GPLMakeCam({directory, dat, "cam"}));

    factory.AddFacet<MakePtf>(new N4MakePtf({directory, dat, "ptf"}, registry, &LoadN4Ptf));
    auto makeTrack = AddAndKeep<MakeTrack>(factory, new N4MakeTrack(directory, registry));
    auto makeLp = AddAndKeep<MakeLp>(factory, new N4MakeLp(directory));
    factory.AddFacet<CreateLp>(new N4CreateLp(makeLp, makeTrack));

    auto makeMip = AddAndKeep<MakeMip>(
        factory, new N4MakeMip(shared.found, {directory, dat, "mip"}, {shared.directory, shared.dat, "mip"},
                               registry, &LoadN4Mip));
    factory.AddFacet<CreateMip>(new N4CreateMip(makeMip));

    auto makeStp = AddAndKeep<MakePbf>(factory, new N4MakeStp({directory, dat, "stp"}));
    factory.AddFacet<CreatePbf>(new N4CreateStp(makeStp));

    factory.AddFacet<MakeRpy>(new GPLMakeRpy({directory, "rpy"}));

    auto makeTdo = AddAndKeep<MakeTdo>(
        factory, new N4MakeTdo(shared.found, {directory, dat, "3do"}, {shared.directory, shared.dat, "3do"},
                               registry, &LoadN4Tdo));
    factory.AddFacet<CreateTdo>(new N4CreateTdo(makeTdo, &factory));

    factory.AddFacet<MakeUnknown>(new NormalMakeUnknown(directory, dat));
    return result;
}
} // namespace Velmo::Papy
