#include "Papy/FacetSets/N2PaletteServer.h"

#include <exception>

#include "Papy/Bitmap/PcxFile.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
// The folder's palette with entry 0 fully transparent, or nothing when "sunny" is missing or
// cannot be read.
Util::CountedPointer<Palette> ReadSunny(MakePcx& makePcx)
{
    try
    {
        Util::CountedPointer<PcxFile> pcx;
        makePcx.Make(pcx, "sunny", "", false);
        Util::CountedPointer<Palette> palette(new Palette(*pcx->GetPalette()));
        palette->SetColour(0, Colour(0, 0, 0, 0));
        return palette;
    }
    catch (const Util::Exception&)
    {
    }
    catch (const std::exception&)
    {
    }
    return Util::CountedPointer<Palette>();
}
} // namespace

N2PaletteServer::N2PaletteServer(const Util::CountedPointer<MakePcx>& makePcx)
{
    if (makePcx)
        m_base = ReadSunny(*makePcx);
    if (!m_base)
        m_base = MakeGreyRamp();
    m_stack.push_back(m_base);
}

Util::CountedPointer<Palette> N2PaletteServer::GetCurrentPalette()
{
    return m_stack.empty() ? m_base : m_stack.back();
}

Util::CountedPointer<Palette> N2PaletteServer::GetBasePalette()
{
    return m_base;
}

void N2PaletteServer::PushPalette(Util::CountedPointer<Palette> palette)
{
    m_stack.push_back(palette);
}

void N2PaletteServer::PopPalette()
{
    if (!m_stack.empty())
        m_stack.pop_back();
}

N2PaletteSource N2FolderPalette(const PapyDirectory& directory, FileFactoryRegistry* registry)
{
    return [directory, registry]() {
        FileFactoryRegistry* r = registry != nullptr ? registry : FileFactoryRegistry::Instance();
        Util::CountedPointer<FileFactory> factory = r->GetFactory(directory, false);
        if (!factory || !factory->HasFacet<PaletteServer>())
            return Util::CountedPointer<Palette>();
        Util::CountedPointer<PaletteServer> server = factory->GetFacet<PaletteServer>();
        return server ? server->GetBasePalette() : Util::CountedPointer<Palette>();
    };
}
} // namespace Velmo::Papy
