#include "Papy/Bitmap/N2PaletteSource.h"

#include "Papy/Bitmap/Quantise.h"

namespace Velmo::Papy
{
N2PaletteSource FixedN2Palette(const Util::CountedPointer<Palette>& palette)
{
    return [palette] { return palette; };
}

Util::CountedPointer<Palette> GetN2Palette(const N2PaletteSource& source)
{
    Util::CountedPointer<Palette> palette;
    if (source)
        palette = source();
    return palette ? palette : MakeGreyRamp();
}

Util::CountedPointer<Palette> MakeGreyRamp()
{
    Util::CountedPointer<Palette> palette(new Palette(256));
    for (U32 i = 0; i < 256; ++i)
    {
        float grey = ChannelValue(i, 255);
        palette->SetColour(i, Colour(grey, grey, grey, 1.0f));
    }
    return palette;
}
} // namespace Velmo::Papy
