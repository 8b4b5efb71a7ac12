#pragma once
// The CreateLp facets of the folders whose track is a track file (GPL, ICR2 lines): a new,
// zeroed line over the folder's own track (the folder name with "trk", from the MakeTrk facet),
// filed in the MakeLp facet's cache under the lower-cased name with the default "lp".
#include <string>

#include "Papy/Factory/CreateFacets.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Track/LpFile.h"
#include "Papy/Track/TrkFile.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
template <class Line>
class TrkCreateLp : public CreateLp
{
public:
    TrkCreateLp(const Util::CountedPointer<MakeLp>& makeLp, const Util::CountedPointer<MakeTrk>& makeTrk)
        : m_makeLp(makeLp), m_makeTrk(makeTrk)
    {
    }

    void Create(Util::CountedPointer<LpFile>& object, const std::string& name, double spacing) override
    {
        Util::CountedPointer<TrkFile> track;
        m_makeTrk->Make(track, "", "", false);
        Util::CountedPointer<LpFile> line(new Line(*track, spacing));
        m_makeLp->Adopt(line, Util::ToLower(name), "");
        object = line;
    }

private:
    Util::CountedPointer<MakeLp> m_makeLp;
    Util::CountedPointer<MakeTrk> m_makeTrk;
};
} // namespace Velmo::Papy
