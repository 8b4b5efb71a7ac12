#include "Papy/FacetSets/N4MakeFacets.h"

#include "Papy/Bitmap/N4MipFile.h"
#include "Papy/Bitmap/N4StpFile.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
FileFactory* FolderFactory(const PapyDirectory& directory, FileFactoryRegistry& registry)
{
    Util::CountedPointer<FileFactory> factory = registry.GetFactory(directory, false);
    VELMO_ASSERT(factory);
    return factory.Get();
}
} // namespace

Util::CountedPointer<TdoFile> LoadN4Ptf(const Util::CountedPointer<Util::BinaryStream>& stream, const std::string&,
                                        const PapyDirectory& directory, FileFactoryRegistry& registry)
{
    return Util::CountedPointer<TdoFile>(
        new N4TdoFile(stream, GetN4PtfArchivers(), FolderFactory(directory, registry)));
}

Util::CountedPointer<TdoFile> LoadN4Tdo(const Util::CountedPointer<Util::BinaryStream>& stream, const std::string&,
                                        const PapyDirectory& directory, FileFactoryRegistry& registry)
{
    return Util::CountedPointer<TdoFile>(
        new N4TdoFile(stream, GetN4TdoArchivers(), FolderFactory(directory, registry)));
}

Util::CountedPointer<MipFile> LoadN4Mip(const Util::CountedPointer<Util::BinaryStream>& stream, const std::string&,
                                        const PapyDirectory&, FileFactoryRegistry&)
{
    return MakeFromStream<MipFile, N4MipFile>(stream);
}

Util::CountedPointer<PbfFile> LoadN4Stp(const Util::CountedPointer<Util::BinaryStream>& stream)
{
    return MakeFromStream<PbfFile, N4StpFile>(stream);
}

Util::CountedPointer<LpFile> LoadN4Lp(const Util::CountedPointer<Util::BinaryStream>& stream, const PapyDirectory&)
{
    return MakeFromStream<LpFile, N4LpFile>(stream);
}
} // namespace Velmo::Papy
