#include "Papy/FacetSets/PcxMake.h"

namespace Velmo::Papy
{
Util::CountedPointer<PcxFile> LoadPcxFile(const Util::CountedPointer<Util::BinaryStream>& stream)
{
    return MakeFromStream<PcxFile, PcxFile>(stream);
}
} // namespace Velmo::Papy
