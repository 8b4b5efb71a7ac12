#pragma once
// Where the N2 bitmap files take their colours. The files store palette indices only; the
// colours are the base palette of their folder's palette server, which the facet sets reach
// through the factory registry and hand in through this seam (the bitmap family knows no
// factories).
#include <functional>

#include "Papy/Bitmap/Palette.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
// Gives the palette to read an N2 bitmap with; asked once per file read or built.
typedef std::function<Util::CountedPointer<Palette>()> N2PaletteSource;

// A source that always gives this palette.
N2PaletteSource FixedN2Palette(const Util::CountedPointer<Palette>& palette);

// The palette the source gives; the grey ramp when there is no source or it gives none, so
// that a reader always has 256 entries to look indices up in.
Util::CountedPointer<Palette> GetN2Palette(const N2PaletteSource& source);

// 256 opaque greys: entry i is (i / 255, i / 255, i / 255, 1). The palette of a folder that
// has no readable palette file.
Util::CountedPointer<Palette> MakeGreyRamp();
} // namespace Velmo::Papy
