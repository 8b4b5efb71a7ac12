#pragma once
// Makes a new N4 racing line over the folder's own track (the folder name's track object,
// through the MakeTrack facet) and files it in the MakeLp facet's cache under the lower-cased
// name with the default "lp".
#include <string>

#include "Papy/Factory/CreateFacets.h"
#include "Papy/Factory/MakeFacets.h"

namespace Velmo::Papy
{
class N4CreateLp : public CreateLp
{
public:
    N4CreateLp(const Util::CountedPointer<MakeLp>& makeLp, const Util::CountedPointer<MakeTrack>& makeTrack)
        : m_makeLp(makeLp), m_makeTrack(makeTrack)
    {
    }

    void Create(Util::CountedPointer<LpFile>& object, const std::string& name, double spacing) override;

private:
    Util::CountedPointer<MakeLp> m_makeLp;
    Util::CountedPointer<MakeTrack> m_makeTrack;
};
} // namespace Velmo::Papy
