#include "Papy/FacetSets/GPLMakeFacets.h"

#include "Papy/Bitmap/GPLMipFile.h"
#include "Papy/Bitmap/GPLPbfFile.h"
#include "Papy/Bitmap/GPLSrbFile.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Race/GPLCamFile.h"
#include "Papy/Race/GPLLytFile.h"
#include "Papy/Race/GPLRpyFile.h"
#include "Papy/Track/GPLTrkFile.h"

namespace Velmo::Papy
{
Util::CountedPointer<CamFile> LoadGPLCam(const StreamPointer& stream)
{
    return MakeFromStream<CamFile, GPLCamFile>(stream);
}

Util::CountedPointer<LytFile> LoadGPLLyt(const StreamPointer& stream)
{
    return MakeFromStream<LytFile, GPLLytFile>(stream);
}

Util::CountedPointer<MipFile> LoadGPLMip(const StreamPointer& stream)
{
    return Util::CountedPointer<MipFile>(new GPLMipFile(*stream, 0));
}

Util::CountedPointer<PbfFile> LoadGPLPbf(const StreamPointer& stream)
{
    return MakeFromStream<PbfFile, GPLPbfFile>(stream);
}

Util::CountedPointer<SrbFile> LoadGPLSrb(const StreamPointer& stream)
{
    return MakeFromStream<SrbFile, GPLSrbFile>(stream);
}

Util::CountedPointer<TdoFile> LoadGPLTdo(const StreamPointer& stream)
{
    return MakeFromStream<TdoFile, GPLTdoFile>(stream);
}

Util::CountedPointer<TrkFile> LoadGPLTrk(const StreamPointer& stream)
{
    return MakeFromStream<TrkFile, GPLTrkFile>(stream);
}

Util::CountedPointer<RpyFile> LoadGPLRpy(const StreamPointer& stream, const PapyDirectory&)
{
    return MakeFromStream<RpyFile, GPLRpyFile>(stream);
}

Util::CountedPointer<LpFile> LoadGPLLp(const StreamPointer& stream, const PapyDirectory& directory)
{
    Util::CountedPointer<FileFactory> factory = FileFactoryRegistry::Instance()->GetFactory(directory, false);
    VELMO_ASSERT(factory);
    Util::CountedPointer<TrkFile> track;
    factory->GetFacet<MakeTrk>()->Make(track, "", "", false);
    return Util::CountedPointer<LpFile>(new GPLLpFile(*stream, *track));
}
} // namespace Velmo::Papy
