#pragma once
// What the facet-set builders share: adding a facet and keeping a counted pointer to it, so
// that each Make kind is made once and the Create facets get the instance the factory hands
// out (an object a Create facet files is then what the factory's own Make returns).
#include "Papy/Factory/FileFactory.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
template <class Kind>
Util::CountedPointer<Kind> AddAndKeep(FileFactory& factory, std::type_identity_t<Kind>* facet)
{
    factory.AddFacet<Kind>(facet);
    return factory.GetFacet<Kind>();
}
} // namespace Velmo::Papy
