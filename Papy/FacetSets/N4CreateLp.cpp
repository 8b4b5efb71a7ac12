#include "Papy/FacetSets/N4CreateLp.h"

#include "Papy/Track/N4LpFile.h"
#include "Papy/Track/Track.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
void N4CreateLp::Create(Util::CountedPointer<LpFile>& object, const std::string& name, double spacing)
{
    Util::CountedPointer<Track> track;
    m_makeTrack->Make(track, "", "", false);
    Util::CountedPointer<LpFile> line(new N4LpFile(track->GetLength2D(), spacing));
    m_makeLp->Adopt(line, Util::ToLower(name), "");
    object = line;
}
} // namespace Velmo::Papy
