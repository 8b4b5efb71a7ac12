#pragma once
// The facet kind that holds the DAT container of the factory's folder.
#include "Papy/Factory/FileFactory.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class DatFile;

class GetDat : public FileFactory::Facet
{
public:
    // The folder's container; empty when the folder has none.
    virtual Util::CountedPointer<DatFile> GetDatFile() = 0;
    // Replaces the container (after a new one was made), releasing the one held before.
    virtual void SetDat(Util::CountedPointer<DatFile> dat) = 0;
};
} // namespace Velmo::Papy
