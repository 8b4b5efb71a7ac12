// libFuzzer harness of the N2 bitmap readers. The first byte chooses the reader (even: .mip,
// odd: .srb) and whether the folder has a palette with a transparent entry 0 (bit 1) or the
// grey ramp; the rest is the file. A file that loads has every pixel of every level read and
// its header colour and corners asked, is saved, loaded back and saved again: the two saves
// must be the same bytes. Our own exceptions are the answers a bad file may give; anything
// else is a finding.
//
// Seed corpus: the checker's samples behind a reader byte:
//   python3 tests/Papy/Bitmap/bitmap.py samples s && mkdir corpus-n2 &&
//   for f in s/n2-*.mip; do (printf '\0'; cat $f) > corpus-n2/$(basename $f); done &&
//   for f in s/n2-*.srb; do (printf '\1'; cat $f) > corpus-n2/$(basename $f); done
#include <cstdint>
#include <vector>

#include "Papy/Bitmap/N2MipFile.h"
#include "Papy/Bitmap/N2SrbFile.h"
#include "BitmapFuzzSupport.h"
#include "Util/MemoryStream.h"

using namespace Velmo;
using namespace Velmo::Papy;
using BitmapFuzz::Loaded;

namespace
{
N2PaletteSource Source(unsigned kind)
{
    if ((kind & 2) == 0)
        return N2PaletteSource();
    Util::CountedPointer<Palette> palette = MakeGreyRamp();
    palette->SetColour(0, Colour(0, 0, 0, 0));
    return FixedN2Palette(palette);
}

Loaded Load(unsigned kind, std::vector<U8> bytes)
{
    Util::MemoryStream stream(std::move(bytes), "fuzz");
    Loaded loaded;
    if ((kind & 1) == 0)
    {
        Util::CountedPointer<N2MipFile> file(new N2MipFile(stream, Source(kind)));
        file->GetHeaderColour();
        for (U32 i = 0; i < file->GetBitmapCount(); ++i)
            loaded.levels.push_back(file->GetBitmap(i));
        loaded.save = [file](Util::BinaryStream& out) { file->Save(out); };
    }
    else
    {
        Util::CountedPointer<N2SrbFile> file(new N2SrbFile(stream, Source(kind)));
        file->GetHeaderColour();
        for (U32 i = 0; i < 4; ++i)
        {
            file->GetCorner(i);
            file->GetTextureCoord(i);
        }
        for (U32 i = 0; i < file->GetBitmapCount(); ++i)
            loaded.levels.push_back(file->GetBitmap(i));
        loaded.save = [file](Util::BinaryStream& out) { file->Save(out); };
    }
    return loaded;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return BitmapFuzz::Run("N2BitmapFuzz", data, size, 4, Load);
}
