// The N2 file's palette colours and textures, through the palette server and MIP maker of the
// factory it was opened with: taken when the file is made, asked on every call.
#include "Papy/Bitmap/MipFile.h"
#include "Papy/Bitmap/Palette.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Factory/PaletteServer.h"
#include "Papy/N2/N2TdoFile.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
N2TdoFile::FactoryFacets N2TdoFile::TakeFacets(const FileFactory* factory)
{
    FactoryFacets facets;
    if (factory == nullptr)
        return facets;
    facets.opened = true;
    facets.hasPalettes = factory->HasFacet<PaletteServer>();
    if (facets.hasPalettes)
        facets.palettes = factory->GetFacet<PaletteServer>();
    facets.hasTextures = factory->HasFacet<MakeMip>();
    if (facets.hasTextures)
        facets.textures = factory->GetFacet<MakeMip>();
    return facets;
}

Colour N2TdoFile::GetColour(U32 index) const
{
    VELMO_ASSERT_TEXT(m_factory.opened, "factory != 0");
    if (!m_factory.hasPalettes)
        FileFactory::MissingFacet();
    const Util::CountedPointer<PaletteServer>& server = m_factory.palettes;
    if (server.Get() == nullptr)
        return Colour();
    Util::CountedPointer<Palette> palette = server->GetCurrentPalette();
    // No palette, or an index no palette entry has: transparent black, as entry 0 is.
    if (palette.Get() == nullptr)
        return Colour();
    return palette->GetColourOrDefault(index);
}

Util::CountedPointer<MipFile> N2TdoFile::GetTexture(const std::string& name) const
{
    VELMO_ASSERT_TEXT(m_factory.opened, "factory != 0");
    if (!m_factory.hasTextures)
        FileFactory::MissingFacet();
    const Util::CountedPointer<MakeMip>& maker = m_factory.textures;
    VELMO_ASSERT_TEXT(maker.Get() != nullptr, "maker != 0");
    Util::CountedPointer<MipFile> texture;
    maker->Make(texture, name, std::string(), false);
    return texture;
}

void N2TdoFile::GetTextureSize(const Util::CountedPointer<MipFile>& texture, U32& width, U32& height)
{
    width = texture.Get() != nullptr ? texture->GetWidth() : 0;
    height = texture.Get() != nullptr ? texture->GetHeight() : 0;
}
} // namespace Velmo::Papy
