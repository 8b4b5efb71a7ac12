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
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "Papy/Bitmap/N2MipFile.h"
#include "Papy/Bitmap/N2SrbFile.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
[[noreturn]] void Finding(const char* what)
{
    std::fprintf(stderr, "N2BitmapFuzz: %s\n", what);
    std::abort();
}

struct Loaded
{
    std::vector<Util::CountedPointer<Bitmap>> levels;
    std::function<void(Util::BinaryStream&)> save;
};

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
    if (size == 0)
        return 0;
    unsigned kind = data[0] % 4;
    std::vector<U8> bytes(data + 1, data + size);
    Loaded loaded;
    try
    {
        loaded = Load(kind, bytes);
    }
    catch (const Util::Exception&)
    {
        return 0;
    }
    for (const auto& level : loaded.levels)
        for (U32 r = 0; r < level->GetHeight(); ++r)
            for (U32 c = 0; c < level->GetWidth(); ++c)
                level->GetPixel(r, c);
    Util::MemoryStream first("first");
    loaded.save(first);
    Loaded again;
    try
    {
        again = Load(kind, first.GetBytes());
    }
    catch (const Util::Exception& e)
    {
        std::fprintf(stderr, "%s\n", e.GetText().c_str());
        Finding("a saved file does not load back");
    }
    Util::MemoryStream second("second");
    again.save(second);
    if (second.GetBytes() != first.GetBytes())
        Finding("saving a saved file changes it");
    return 0;
}
