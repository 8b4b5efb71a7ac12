#pragma once
// The facet kind that gives the palette of an N2 folder to the readers that need it.
#include "Papy/Factory/FileFactory.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class Palette;

class PaletteServer : public FileFactory::Facet
{
public:
    virtual Util::CountedPointer<Palette> GetCurrentPalette() = 0;
    virtual Util::CountedPointer<Palette> GetBasePalette() = 0;
    virtual void PushPalette(Util::CountedPointer<Palette> palette) = 0;
    virtual void PopPalette() = 0;
};
} // namespace Velmo::Papy
