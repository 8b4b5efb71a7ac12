// The N2 file's palette colours and textures, through the factory it was opened with: asked
// on every call, never kept.
#include "Papy/Bitmap/MipFile.h"
#include "Papy/Bitmap/Palette.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Factory/PaletteServer.h"
#include "Papy/N2/N2TdoFile.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
Colour N2TdoFile::GetColour(U32 index) const
{
    VELMO_ASSERT_TEXT(m_factory != nullptr, "factory != 0");
    Util::CountedPointer<PaletteServer> server = m_factory->GetFacet<PaletteServer>();
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
    VELMO_ASSERT_TEXT(m_factory != nullptr, "factory != 0");
    Util::CountedPointer<MakeMip> maker = m_factory->GetFacet<MakeMip>();
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
