#pragma once
// Converts a track file of any game (an ICR2 one, say) into a new GPL track file. Not filed in
// a cache; the MakeTrk facet is kept but not used.
#include "Papy/Factory/CreateFacets.h"
#include "Papy/Factory/MakeFacets.h"

namespace Velmo::Papy
{
class GPLCreateTrk : public CreateTrk
{
public:
    explicit GPLCreateTrk(const Util::CountedPointer<MakeTrk>& makeTrk) : m_makeTrk(makeTrk) {}

    void Create(Util::CountedPointer<TrkFile>& object, const Util::CountedPointer<TrkFile>& source) override;

private:
    Util::CountedPointer<MakeTrk> m_makeTrk;
};
} // namespace Velmo::Papy
