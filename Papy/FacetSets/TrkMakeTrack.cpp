#include "Papy/FacetSets/TrkMakeTrack.h"

#include "Papy/Factory/FileFactory.h"
#include "Papy/Track/TrkFile.h"
#include "Papy/Track/TrkTrack.h"

namespace Velmo::Papy
{
TrkMakeTrack::TrkMakeTrack(const PapyDirectory& directory, FileFactoryRegistry* registry)
    : FolderMakeTrack(directory, "trk", registry)
{
}

Util::CountedPointer<Track> TrkMakeTrack::Load(FileFactory& factory, const std::string& base, bool datOnly,
                                              const void*& source)
{
    Util::CountedPointer<TrkFile> file;
    factory.GetFacet<MakeTrk>()->Make(file, base, "trk", datOnly);
    source = file.Get();
    return Util::CountedPointer<Track>(new TrkTrack(file));
}
} // namespace Velmo::Papy
