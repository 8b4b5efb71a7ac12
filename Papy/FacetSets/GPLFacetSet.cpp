#include "Papy/FacetSets/GPLFacetSet.h"

#include "Papy/FacetSets/FacetSetBuilding.h"
#include "Papy/FacetSets/GPLCreateCam.h"
#include "Papy/FacetSets/GPLCreateMip.h"
#include "Papy/FacetSets/GPLCreatePbf.h"
#include "Papy/FacetSets/GPLCreateSrb.h"
#include "Papy/FacetSets/GPLCreateTdo.h"
#include "Papy/FacetSets/GPLCreateTrk.h"
#include "Papy/FacetSets/GPLMakeFacets.h"
#include "Papy/FacetSets/NewDatCreateDat.h"
#include "Papy/FacetSets/TrkCreateLp.h"
#include "Papy/FacetSets/TrkMakeTrack.h"
#include "Papy/Factory/GetDatLocal.h"
#include "Papy/Factory/GetDirectory.h"
#include "Papy/Factory/NormalMakeUnknown.h"
#include "Papy/Factory/PurgeFactory.h"

namespace Velmo::Papy
{
Util::CountedPointer<FileFactory> BuildGPLFacetSet(const PapyDirectory& directory,
                                                   const Util::CountedPointer<DatFile>& dat,
                                                   FileFactoryRegistry& registry)
{
    Util::CountedPointer<FileFactory> result(new FileFactory);
    FileFactory& factory = *result;
    factory.AddFacet<GetDirectory>(new GetDirectory(directory));
    factory.AddFacet<GetDat>(new GetDatLocal(dat));
    factory.AddFacet<CreateDat>(new ICR2CreateDat(directory, &registry));
    factory.AddFacet<PurgeFactory>(new PurgeFactory(&factory));

    factory.AddFacet<MakeCam>(new GPLMakeCam({directory, dat, "cam"}));
    factory.AddFacet<CreateCam>(new GPLCreateCam(&factory));

    auto makeTrk = AddAndKeep<MakeTrk>(factory, new GPLMakeTrk({directory, dat, "trk"}));
    auto makeLp = AddAndKeep<MakeLp>(factory, new GPLMakeLp(directory));
    factory.AddFacet<CreateLp>(new TrkCreateLp<GPLLpFile>(makeLp, makeTrk));

    factory.AddFacet<MakeLyt>(new GPLMakeLyt({directory, dat, "lyt"}));

    auto makeMip = AddAndKeep<MakeMip>(factory, new GPLMakeMip({directory, dat, "mip"}));
    factory.AddFacet<CreateMip>(new GPLCreateMip(makeMip));

    auto makePbf = AddAndKeep<MakePbf>(factory, new GPLMakePbf({directory, dat, "pbf"}));
    factory.AddFacet<CreatePbf>(new GPLCreatePbf(makePbf));

    factory.AddFacet<MakeTrack>(new TrkMakeTrack(directory, &registry));
    factory.AddFacet<MakeRpy>(new GPLMakeRpy({directory, "rpy"}));

    auto makeSrb = AddAndKeep<MakeSrb>(factory, new GPLMakeSrb({directory, dat, "srb"}));
    factory.AddFacet<CreateSrb>(new GPLCreateSrb(makeSrb));

    factory.AddFacet<MakeTdo>(new GPLMakeTdo({directory, dat, "3do"}));
    factory.AddFacet<CreateTdo>(new GPLCreateTdo(&factory));

    factory.AddFacet<CreateTrk>(new GPLCreateTrk(makeTrk));
    factory.AddFacet<MakeUnknown>(new NormalMakeUnknown(directory, dat));
    return result;
}
} // namespace Velmo::Papy
