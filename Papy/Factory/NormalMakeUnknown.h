#pragma once
// The Make facet of files of any kind (the hex view's): a name is found as every standard
// source finds it, with no default extension, and the object is the file's stream itself.
#include "Papy/Factory/MakeFacet.h"
#include "Papy/Factory/StandardMakeSource.h"

namespace Velmo::Papy
{
Util::CountedPointer<Util::BinaryStream> StreamItself(const Util::CountedPointer<Util::BinaryStream>& stream);

class NormalMakeUnknown
    : public MakeFacet<MakeUnknown, StandardMakeSource<Util::BinaryStream>, &StreamItself>
{
public:
    NormalMakeUnknown(const PapyDirectory& directory, const Util::CountedPointer<DatFile>& dat);
};
} // namespace Velmo::Papy
