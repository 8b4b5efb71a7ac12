#pragma once
// The GetDat facet of a game folder: the folder's own DAT container, possibly none.
//
// The Make facets keep copies of the container they were built with: SetDat changes what
// GetDatFile returns (and releases the container held before) but not what those facets read.
#include "Papy/Factory/GetDat.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class GetDatLocal : public GetDat
{
public:
    explicit GetDatLocal(const Util::CountedPointer<DatFile>& dat);

    Util::CountedPointer<DatFile> GetDatFile() override;
    void SetDat(Util::CountedPointer<DatFile> dat) override;

private:
    Util::CountedPointer<DatFile> m_dat;
};
} // namespace Velmo::Papy
