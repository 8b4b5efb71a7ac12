#include "Papy/FacetSets/SubFacetSet.h"

#include "Papy/FacetSets/SubCreateMip.h"
#include "Papy/FacetSets/SubCreatePbf.h"
#include "Papy/FacetSets/SubGetDat.h"
#include "Papy/FacetSets/SubMakeFacet.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/GetDirectory.h"

namespace Velmo::Papy
{
Util::CountedPointer<FileFactory> BuildSubFacetSet(const PapyDirectory& directory, bool writable,
                                                   FileFactoryRegistry& registry)
{
    Util::CountedPointer<FileFactory> parent = registry.GetFactory(PapyDirectory(directory.GetParent()), writable);
    VELMO_ASSERT(parent);
    Util::CountedPointer<FileFactory> result(new FileFactory);
    FileFactory& factory = *result;
    const std::string prefix = directory.GetName() + "\\";
    factory.AddFacet<GetDirectory>(new GetDirectory(directory));
    factory.AddFacet<GetDat>(new SubGetDat(parent->GetFacet<GetDat>()));
    if (parent->HasFacet<MakeMip>())
        factory.AddFacet<MakeMip>(new SubMakeMip(parent->GetFacet<MakeMip>(), prefix));
    if (parent->HasFacet<CreateMip>())
        factory.AddFacet<CreateMip>(new SubCreateMip(parent->GetFacet<CreateMip>(), prefix));
    if (parent->HasFacet<MakePbf>())
        factory.AddFacet<MakePbf>(new SubMakePbf(parent->GetFacet<MakePbf>(), prefix));
    if (parent->HasFacet<CreatePbf>())
        factory.AddFacet<CreatePbf>(new SubCreatePbf(parent->GetFacet<CreatePbf>(), prefix));
    return result;
}
} // namespace Velmo::Papy
