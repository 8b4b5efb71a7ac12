// libFuzzer harness of the GPL bitmap readers. The first byte chooses the reader (.mip, .mip
// with a version-1 header, .pbf, .srb, .srb with the strict checks on, a BMAP chunk that may
// be imploded), the rest is the file. A file that loads has every pixel of every level read,
// is saved, loaded back and saved again: the two saves must be the same bytes. Our own
// exceptions are the answers a bad file may give; anything else is a finding.
//
// Seed corpus: the checker's samples, each behind its reader's byte:
//   python3 tests/Papy/Bitmap/bitmap.py samples s && mkdir corpus-bitmap &&
//   for f in s/*.mip; do (printf '\0'; cat $f) > corpus-bitmap/$(basename $f); done  (and so on)
#include <cstdint>
#include <vector>

#include "Papy/Bitmap/GPLBMAPSection.h"
#include "Papy/Bitmap/GPLMipFile.h"
#include "Papy/Bitmap/GPLPbfFile.h"
#include "Papy/Bitmap/GPLSrbFile.h"
#include "Papy/Model/Options.h"
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
    Options::Instance()->Strict = kind == 4;
    switch (kind)
    {
    case 0:
    case 1:
    {
        Util::CountedPointer<GPLMipFile> file(new GPLMipFile(stream, kind));
        for (U32 i = 0; i < file->GetBitmapCount(); ++i)
            loaded.levels.push_back(file->GetBitmap(i));
        loaded.save = [file](Util::BinaryStream& out) { file->Save(out); };
        break;
    }
    case 2:
    {
        Util::CountedPointer<GPLPbfFile> file(new GPLPbfFile(stream));
        loaded.levels.push_back(file->GetBitmap());
        loaded.save = [file](Util::BinaryStream& out) { file->Save(out); };
        break;
    }
    case 3:
    case 4:
    {
        Util::CountedPointer<GPLSrbFile> file(new GPLSrbFile(stream));
        for (U32 i = 0; i < file->GetBitmapCount(); ++i)
            loaded.levels.push_back(file->GetBitmap(i));
        loaded.save = [file](Util::BinaryStream& out) { file->Save(out); };
        break;
    }
    default:
    {
        Util::CountedPointer<GPLBMAPSection> section(new GPLBMAPSection(stream, nullptr, 1));
        loaded.levels.push_back(section);
        loaded.save = [section](Util::BinaryStream& out) { section->Write(out); };
        break;
    }
    }
    return loaded;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return BitmapFuzz::Run("GPLBitmapFuzz", data, size, 6, Load);
}
