#include "Papy/FacetSets/SubGetDat.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
Util::CountedPointer<DatFile> SubGetDat::GetDatFile()
{
    return m_parent->GetDatFile();
}

void SubGetDat::SetDat(Util::CountedPointer<DatFile>)
{
    VELMO_ASSERT_AT(false, "false", ".\\SubGetDat.cpp", 28);
}
} // namespace Velmo::Papy
