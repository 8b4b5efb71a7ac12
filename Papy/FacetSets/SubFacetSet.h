#pragma once
// The facet set of a folder known only to its parent's DAT. It owns no files and no caches:
// MIP and PBF requests, for making and creating, go to the parent folder's facets with the
// folder name and a backslash in front of the name (the parent caches what they load). It has
// the folder's GetDirectory, the parent's container through SubGetDat, and no PurgeFactory.
// Every other Make kind a document opens by (3D objects, tracks, plain files, ...) refuses in
// plain words (SubRefusedMake), so that an entry of such a kind in the folder says why it
// cannot be opened. A folder inside such a folder is one too: its requests pass through its
// parent's facets with its own name in front.
#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/FileFactory.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class FileFactoryRegistry;

// The parent's factory comes from registry (writable passed on); a parent without a GetDat
// facet fails the assertion "HasFacet<FacetT>()".
Util::CountedPointer<FileFactory> BuildSubFacetSet(const PapyDirectory& directory, bool writable,
                                                   FileFactoryRegistry& registry);
} // namespace Velmo::Papy
