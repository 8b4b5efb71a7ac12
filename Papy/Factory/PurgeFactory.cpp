#include "Papy/Factory/PurgeFactory.h"

namespace Velmo::Papy
{
PurgeFactory::PurgeFactory(FileFactory* owner) : m_owner(owner)
{
}

void PurgeFactory::Purge()
{
    // The Make facets' caches are purged here once the Make sources exist; until then no
    // factory holds a cache.
    static_cast<void>(m_owner);
}
} // namespace Velmo::Papy
