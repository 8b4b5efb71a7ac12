// libFuzzer harness of the N4 bitmap readers. The first byte chooses the reader (even: .mip,
// odd: .stp); the rest is the file. A MIP that opens has its levels read (the first level
// query reads them all) and every pixel of every level decoded; an STP has every pixel
// decoded. What loads is saved, loaded back and saved again: the two saves must be the same
// bytes, and an unedited MIP saves as the bytes it was read from. Our own exceptions are the
// answers a bad file may give; anything else is a finding.
//
// Seed corpus: the checker's samples behind a reader byte:
//   python3 tests/Papy/Bitmap/bitmap.py samples s && mkdir corpus-n4 &&
//   for f in s/n4-*.mip; do (printf '\0'; cat $f) > corpus-n4/$(basename $f); done &&
//   for f in s/*.stp; do (printf '\1'; cat $f) > corpus-n4/$(basename $f); done
#include <cstdint>
#include <vector>

#include "Papy/Bitmap/N4MipFile.h"
#include "Papy/Bitmap/N4StpFile.h"
#include "BitmapFuzzSupport.h"
#include "Util/MemoryStream.h"

using namespace Velmo;
using namespace Velmo::Papy;
using BitmapFuzz::Loaded;

namespace
{
Loaded Load(unsigned kind, std::vector<U8> bytes)
{
    Util::MemoryStream stream(std::move(bytes), "fuzz");
    Loaded loaded;
    if (kind == 0)
    {
        Util::CountedPointer<N4MipFile> file(new N4MipFile(stream));
        for (U32 i = 0; i < file->GetBitmapCount(); ++i)
            loaded.levels.push_back(file->GetBitmap(i));
        loaded.save = [file](Util::BinaryStream& out) { file->Save(out); };
    }
    else
    {
        Util::CountedPointer<N4StpFile> file(new N4StpFile(stream));
        loaded.levels.push_back(file->GetBitmap());
        loaded.save = [file](Util::BinaryStream& out) { file->Save(out); };
    }
    return loaded;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return BitmapFuzz::Run("N4BitmapFuzz", data, size, 2, Load, [](unsigned kind) { return kind == 0; });
}
