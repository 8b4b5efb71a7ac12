#include "Papy/FacetSets/N4MakeTrack.h"

#include "Papy/Factory/FileFactory.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Track/PtfTrack.h"

namespace Velmo::Papy
{
N4MakeTrack::N4MakeTrack(const PapyDirectory& directory, FileFactoryRegistry& registry)
    : FolderMakeTrack(directory, "ptf", &registry)
{
}

Util::CountedPointer<Track> N4MakeTrack::Load(FileFactory& factory, const std::string& base, bool datOnly,
                                              const void*& source)
{
    Util::CountedPointer<TdoFile> file;
    factory.GetFacet<MakePtf>()->Make(file, base, "ptf", datOnly);
    source = file.Get();
    return Util::CountedPointer<Track>(new PtfTrack(file, GetDirectory().GetPath() + base + ".ptf"));
}
} // namespace Velmo::Papy
