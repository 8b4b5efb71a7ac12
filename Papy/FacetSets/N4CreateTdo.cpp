#include "Papy/FacetSets/N4CreateTdo.h"

#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
void N4CreateTdo::Create(Util::CountedPointer<TdoFile>& object, const std::string& name)
{
    Util::CountedPointer<TdoFile> tdo(new N4TdoFile(GetN4TdoArchivers(), m_owner));
    m_makeTdo->Adopt(tdo, Util::ToLower(name), "3do");
    object = tdo;
}
} // namespace Velmo::Papy
