#pragma once
// The facet through which the registry's purge reaches a factory's Make caches: Purge drops
// from them the file objects that only the caches still hold.
#include "Papy/Factory/FileFactory.h"

namespace Velmo::Papy
{
class PurgeFactory : public FileFactory::Facet
{
public:
    // owner is the factory that carries this facet; it is not owned and no reference is added
    // (the factory outlives its facets).
    explicit PurgeFactory(FileFactory* owner);

    // Runs the purge of every Make kind the owner carries, in a fixed order.
    void Purge();

private:
    FileFactory* m_owner;
};
} // namespace Velmo::Papy
