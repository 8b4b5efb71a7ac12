#include "Papy/FacetSets/GPLCreateTrk.h"

#include "Papy/Track/GPLTrkFile.h"

namespace Velmo::Papy
{
void GPLCreateTrk::Create(Util::CountedPointer<TrkFile>& object, const Util::CountedPointer<TrkFile>& source)
{
    VELMO_ASSERT(source);
    object = Util::CountedPointer<TrkFile>(new GPLTrkFile(static_cast<const TrkFile&>(*source)));
}
} // namespace Velmo::Papy
