#include "Papy/FacetSets/N2MakeFacets.h"

#include "Papy/Bitmap/GPLMipFile.h"
#include "Papy/Bitmap/N2MipFile.h"
#include "Papy/Bitmap/N2SrbFile.h"
#include "Papy/FacetSets/N2PaletteServer.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/N2/N2TdoFile.h"
#include "Papy/Race/N2CamFile.h"
#include "Papy/Race/N3RplFile.h"
#include "Papy/Track/ICR2TrkFile.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"
#include "Util/PathName.h"

namespace Velmo::Papy
{
Util::CountedPointer<CamFile> LoadN2Cam(const Util::CountedPointer<Util::BinaryStream>& stream)
{
    return MakeFromStream<CamFile, N2CamFile>(stream);
}

Util::CountedPointer<TrkFile> LoadICR2Trk(const Util::CountedPointer<Util::BinaryStream>& stream)
{
    return MakeFromStream<TrkFile, ICR2TrkFile>(stream);
}

Util::CountedPointer<LpFile> LoadICR2Lp(const Util::CountedPointer<Util::BinaryStream>& stream, const PapyDirectory&)
{
    return MakeFromStream<LpFile, ICR2LpFile>(stream);
}

Util::CountedPointer<RpyFile> LoadN3Rpl(const Util::CountedPointer<Util::BinaryStream>& stream, const PapyDirectory&)
{
    return MakeFromStream<RpyFile, N3RplFile>(stream);
}

Util::CountedPointer<MipFile> LoadN2Mip(const Util::CountedPointer<Util::BinaryStream>& stream,
                                        const std::string& file, const PapyDirectory& directory,
                                        FileFactoryRegistry& registry)
{
    // The resolved extension, compared lower-cased as every name of the factory is.
    const std::string::size_type dot = file.rfind('.');
    const std::string extension = dot == std::string::npos ? std::string() : file.substr(dot + 1);
    if (Util::ToLower(extension) == "m16")
        return Util::CountedPointer<MipFile>(new GPLMipFile(*stream, 0));
    return Util::CountedPointer<MipFile>(new N2MipFile(*stream, N2FolderPalette(directory, &registry)));
}

Util::CountedPointer<SrbFile> LoadN2Srb(const Util::CountedPointer<Util::BinaryStream>& stream, const std::string&,
                                        const PapyDirectory& directory, FileFactoryRegistry& registry)
{
    return Util::CountedPointer<SrbFile>(new N2SrbFile(*stream, N2FolderPalette(directory, &registry)));
}

Util::CountedPointer<TdoFile> LoadN2Tdo(const Util::CountedPointer<Util::BinaryStream>& stream, const std::string&,
                                        const PapyDirectory& directory, FileFactoryRegistry& registry)
{
    Util::CountedPointer<FileFactory> factory = registry.GetFactory(directory, false);
    VELMO_ASSERT(factory);
    return Util::CountedPointer<TdoFile>(new N2TdoFile(stream, factory.Get()));
}
} // namespace Velmo::Papy
