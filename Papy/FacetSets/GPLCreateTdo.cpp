#include "Papy/FacetSets/GPLCreateTdo.h"

#include "Papy/Factory/MakeFacets.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
void GPLCreateTdo::Create(Util::CountedPointer<TdoFile>& object, const std::string& name)
{
    Util::CountedPointer<TdoFile> tdo(new GPLTdoFile());
    m_owner->GetFacet<MakeTdo>()->Adopt(tdo, Util::ToLower(name), "3do");
    object = tdo;
}
} // namespace Velmo::Papy
