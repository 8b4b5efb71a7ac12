#include "Papy/Factory/NormalMakeUnknown.h"

namespace Velmo::Papy
{
Util::CountedPointer<Util::BinaryStream> StreamItself(const Util::CountedPointer<Util::BinaryStream>& stream)
{
    return stream;
}

NormalMakeUnknown::NormalMakeUnknown(const PapyDirectory& directory, const Util::CountedPointer<DatFile>& dat)
    : MakeFacet(StandardMakeSource<Util::BinaryStream>(directory, dat, ""))
{
}
} // namespace Velmo::Papy
