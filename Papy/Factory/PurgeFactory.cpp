#include "Papy/Factory/PurgeFactory.h"

#include "Papy/Factory/MakeFacets.h"

namespace Velmo::Papy
{
namespace
{
template <class Kind>
void PurgeKind(FileFactory& factory)
{
    if (factory.HasFacet<Kind>())
        if (auto facet = factory.GetFacet<Kind>())
            facet->PurgeCache();
}
} // namespace

PurgeFactory::PurgeFactory(FileFactory* owner) : m_owner(owner)
{
}

void PurgeFactory::Purge()
{
    // The Make kinds in this fixed order; the caches of MakePtf, MakeLyt and MakeUnknown stay.
    PurgeKind<MakeCam>(*m_owner);
    PurgeKind<MakeLp>(*m_owner);
    PurgeKind<MakeMip>(*m_owner);
    PurgeKind<MakePbf>(*m_owner);
    PurgeKind<MakePcx>(*m_owner);
    PurgeKind<MakeRpy>(*m_owner);
    PurgeKind<MakeSrb>(*m_owner);
    PurgeKind<MakeTdo>(*m_owner);
    PurgeKind<MakeTrack>(*m_owner);
    PurgeKind<MakeTrk>(*m_owner);
}
} // namespace Velmo::Papy
