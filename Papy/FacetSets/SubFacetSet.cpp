#include "Papy/FacetSets/SubFacetSet.h"

#include <algorithm>

#include "Papy/Container/DatFile.h"
#include "Papy/FacetSets/SubCreateMip.h"
#include "Papy/FacetSets/SubCreatePbf.h"
#include "Papy/FacetSets/SubGetDat.h"
#include "Papy/FacetSets/SubMakeFacet.h"
#include "Papy/FacetSets/SubRefusedMake.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/GetDirectory.h"
#include "Util/PathName.h"

namespace Velmo::Papy
{
namespace
{
// The folder's path inside the container of the DAT's folder, '\' after each folder; the
// folder's own name when the container lies elsewhere.
std::string EntryPrefix(const PapyDirectory& directory, const Util::CountedPointer<DatFile>& dat)
{
    std::string prefix = directory.GetName() + "\\";
    if (!dat)
        return prefix;
    std::string container = dat->GetPathName().GetDirectory();
    if (!container.empty() && container.back() != '/')
        container += '/';
    const std::string& path = directory.GetPath();
    if (container.size() >= path.size() || path.compare(0, container.size(), container) != 0)
        return prefix;
    prefix = path.substr(container.size());
    std::replace(prefix.begin(), prefix.end(), '/', '\\');
    return prefix;
}

// The kinds the folder cannot make, refused in plain words.
template <class Kind>
void RefuseUnless(FileFactory& factory, const std::string& prefix)
{
    if (!factory.HasFacet<Kind>())
        factory.AddFacet<Kind>(new SubRefusedMake<Kind>(prefix));
}
} // namespace

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
    const std::string entries = EntryPrefix(directory, factory.GetFacet<GetDat>()->GetDatFile());
    RefuseUnless<MakeMip>(factory, entries);
    RefuseUnless<MakePbf>(factory, entries);
    RefuseUnless<MakeTdo>(factory, entries);
    RefuseUnless<MakePtf>(factory, entries);
    RefuseUnless<MakeCam>(factory, entries);
    RefuseUnless<MakeTrk>(factory, entries);
    RefuseUnless<MakeTrack>(factory, entries);
    RefuseUnless<MakeLp>(factory, entries);
    RefuseUnless<MakeRpy>(factory, entries);
    RefuseUnless<MakeLyt>(factory, entries);
    RefuseUnless<MakeSrb>(factory, entries);
    RefuseUnless<MakeUnknown>(factory, entries);
    return result;
}
} // namespace Velmo::Papy
