#pragma once
// The CreateDat facets: a new, empty container named after the folder, inside it, made in its
// new-archive form (which fails when the file exists) and given to the factory's GetDat facet.
// A failure leaves the factory's container as it was. The container lives in memory until its
// first successful Save writes its file: without one, the folder is as it was.
#include "Papy/Container/ICR2DatFile.h"
#include "Papy/Container/N4DatFile.h"
#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/CreateFacets.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/GetDat.h"

namespace Velmo::Papy
{
template <class Dat>
class NewDatCreateDat : public CreateDat
{
public:
    // registry gives the folder's factory (the one that carries this facet).
    NewDatCreateDat(const PapyDirectory& directory, FileFactoryRegistry* registry)
        : m_directory(directory), m_registry(registry)
    {
    }

    void Create(Util::CountedPointer<DatFile>& object) override
    {
        Util::CountedPointer<FileFactory> factory = m_registry->GetFactory(m_directory, false);
        VELMO_ASSERT(factory);
        Util::CountedPointer<DatFile> dat(new Dat(m_directory.GetPath() + m_directory.GetName() + ".dat"));
        factory->GetFacet<GetDat>()->SetDat(dat);
        object = dat;
    }

private:
    PapyDirectory m_directory;
    FileFactoryRegistry* m_registry;
};

typedef NewDatCreateDat<ICR2DatFile> ICR2CreateDat;
typedef NewDatCreateDat<N4DatFile> N4CreateDat;
} // namespace Velmo::Papy
