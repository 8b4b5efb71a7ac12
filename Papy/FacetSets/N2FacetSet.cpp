#include "Papy/FacetSets/N2FacetSet.h"

#include "Papy/FacetSets/FacetSetBuilding.h"
#include "Papy/FacetSets/N2CreateMip.h"
#include "Papy/FacetSets/N2CreateSrb.h"
#include "Papy/FacetSets/N2MakeFacets.h"
#include "Papy/FacetSets/N2PaletteServer.h"
#include "Papy/FacetSets/PcxMake.h"
#include "Papy/FacetSets/TrkCreateLp.h"
#include "Papy/FacetSets/TrkMakeTrack.h"
#include "Papy/Factory/GetDatLocal.h"
#include "Papy/Factory/GetDirectory.h"
#include "Papy/Factory/NormalMakeUnknown.h"
#include "Papy/Factory/PurgeFactory.h"

namespace Velmo::Papy
{
Util::CountedPointer<FileFactory> BuildN2FacetSet(const PapyDirectory& directory,
                                                  const Util::CountedPointer<DatFile>& dat,
                                                  FileFactoryRegistry& registry)
{
    Util::CountedPointer<FileFactory> result(new FileFactory);
    FileFactory& factory = *result;
    factory.AddFacet<GetDirectory>(new GetDirectory(directory));
    factory.AddFacet<GetDat>(new GetDatLocal(dat));
    factory.AddFacet<PurgeFactory>(new PurgeFactory(&factory));

    factory.AddFacet<MakeCam>(new N2MakeCam({directory, dat, "cam"}));

    auto makeTrk = AddAndKeep<MakeTrk>(factory, new ICR2MakeTrk({directory, dat, "trk"}));
    auto makeLp = AddAndKeep<MakeLp>(factory, new ICR2MakeLp(directory));
    factory.AddFacet<CreateLp>(new TrkCreateLp<ICR2LpFile>(makeLp, makeTrk));

    // One palette server: the palette file is read once, when the factory is built.
    auto makePcx = AddAndKeep<MakePcx>(factory, new PcxMake({directory, dat, "pcx"}));
    factory.AddFacet<PaletteServer>(new N2PaletteServer(makePcx));
    auto makeMip = AddAndKeep<MakeMip>(factory, new N2MakeMip({directory, dat, "mip"}, registry, &LoadN2Mip));
    factory.AddFacet<CreateMip>(new N2CreateMip(directory, makeMip, registry));

    factory.AddFacet<MakeTrack>(new TrkMakeTrack(directory, &registry));
    factory.AddFacet<MakeRpy>(new N3MakeRpl({directory, "rpl"}));

    auto makeSrb = AddAndKeep<MakeSrb>(factory, new N2MakeSrb({directory, dat, "srb"}, registry, &LoadN2Srb));
    factory.AddFacet<CreateSrb>(new N2CreateSrb(directory, makeSrb, registry));

    factory.AddFacet<MakeTdo>(new N2MakeTdo({directory, dat, "3do"}, registry, &LoadN2Tdo));
    factory.AddFacet<MakeUnknown>(new NormalMakeUnknown(directory, dat));
    return result;
}
} // namespace Velmo::Papy
