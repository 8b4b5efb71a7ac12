#pragma once
// The GetDat facet of a folder known only to its parent's DAT: the parent's container, asked
// at each call (a container installed in the parent later is seen). A Sub folder's container
// cannot be replaced: SetDat fails the assertion "false".
#include "Papy/Factory/GetDat.h"

namespace Velmo::Papy
{
class SubGetDat : public GetDat
{
public:
    explicit SubGetDat(const Util::CountedPointer<GetDat>& parent) : m_parent(parent) {}

    Util::CountedPointer<DatFile> GetDatFile() override;
    void SetDat(Util::CountedPointer<DatFile> dat) override;

private:
    Util::CountedPointer<GetDat> m_parent;
};
} // namespace Velmo::Papy
