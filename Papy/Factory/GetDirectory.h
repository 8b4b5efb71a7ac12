#pragma once
// The facet that gives the factory's folder (the folder of the entries a DAT document opens).
#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/FileFactory.h"

namespace Velmo::Papy
{
class GetDirectory : public FileFactory::Facet
{
public:
    explicit GetDirectory(const PapyDirectory& directory);

    PapyDirectory Directory;
};
} // namespace Velmo::Papy
