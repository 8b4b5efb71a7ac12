#include "Papy/FacetSets/SharedFolder.h"

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/GetDat.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
SharedFolder FindSharedFolder(const PapyDirectory& folder, const Util::CountedPointer<DatFile>& dat,
                              FileFactoryRegistry& registry)
{
    SharedFolder shared{false, folder, dat};
    if (folder.IsRoot() || Util::CompareNoCase(folder.GetName(), "shared") == 0)
        return shared;
    const std::string candidate = folder.GetParent() + "shared";
    if (!Util::FileExists(candidate + "/shared.dat"))
        return shared;
    Util::CountedPointer<FileFactory> factory = registry.GetFactory(candidate, false);
    VELMO_ASSERT(factory);
    Util::CountedPointer<DatFile> sharedDat = factory->GetFacet<GetDat>()->GetDatFile();
    shared.found = true;
    shared.directory = PapyDirectory(candidate);
    shared.dat = sharedDat;
    return shared;
}
} // namespace Velmo::Papy
