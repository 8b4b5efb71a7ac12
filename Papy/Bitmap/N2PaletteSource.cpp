#include "Papy/Bitmap/N2PaletteSource.h"

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
    return Palette::MakeGreys(256);
}
} // namespace Velmo::Papy
