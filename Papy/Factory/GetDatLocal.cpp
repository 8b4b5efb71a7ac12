#include "Papy/Factory/GetDatLocal.h"

#include "Papy/Container/DatFile.h"

namespace Velmo::Papy
{
GetDatLocal::GetDatLocal(const Util::CountedPointer<DatFile>& dat) : m_dat(dat)
{
}

Util::CountedPointer<DatFile> GetDatLocal::GetDatFile()
{
    return m_dat;
}

void GetDatLocal::SetDat(Util::CountedPointer<DatFile> dat)
{
    m_dat = nullptr;
    m_dat = std::move(dat);
}
} // namespace Velmo::Papy
