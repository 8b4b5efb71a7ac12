#pragma once
// The palette server of the N2 folders. Its base palette comes from the folder's palette file
// "sunny" (through the folder's MakePcx facet) with entry 0 made fully transparent; a folder
// whose palette file is missing or cannot be read gets 256 opaque greys instead, so the server
// always has a palette. The current palette is the top of a stack that holds the base palette
// at first.
#include <deque>

#include "Papy/Bitmap/N2PaletteSource.h"
#include "Papy/Bitmap/Palette.h"
#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Factory/PaletteServer.h"

namespace Velmo::Papy
{
class FileFactoryRegistry;

class N2PaletteServer : public PaletteServer
{
public:
    // Builds the base palette once, from "sunny" as makePcx finds it (may be empty: greys).
    explicit N2PaletteServer(const Util::CountedPointer<MakePcx>& makePcx);

    // The top of the stack; the base palette when everything was popped.
    Util::CountedPointer<Palette> GetCurrentPalette() override;
    Util::CountedPointer<Palette> GetBasePalette() override;
    void PushPalette(Util::CountedPointer<Palette> palette) override;
    // Removes the top entry; nothing happens when the stack is empty.
    void PopPalette() override;

private:
    Util::CountedPointer<Palette> m_base;
    std::deque<Util::CountedPointer<Palette>> m_stack;
};

// The palette source of the N2 bitmap files of a folder: the base palette of the PaletteServer
// facet of the folder's factory, found through the registry (the process's registry unless one
// is given) when a file is read. A folder without a factory or a palette server gives no
// palette, which the readers take as the grey ramp.
N2PaletteSource N2FolderPalette(const PapyDirectory& directory, FileFactoryRegistry* registry = nullptr);
} // namespace Velmo::Papy
