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
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "Papy/Bitmap/N4MipFile.h"
#include "Papy/Bitmap/N4StpFile.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
[[noreturn]] void Finding(const char* what)
{
    std::fprintf(stderr, "N4BitmapFuzz: %s\n", what);
    std::abort();
}

struct Loaded
{
    std::vector<Util::CountedPointer<Bitmap>> levels;
    std::function<void(Util::BinaryStream&)> save;
};

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
    if (size == 0)
        return 0;
    unsigned kind = data[0] % 2;
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
    // Pixels whose bytes are broken (a stored size that is not the pixel size, a damaged
    // implode stream) fail their first read with an assertion; such a file is still saved.
    for (const auto& level : loaded.levels)
    {
        if (level->GetWidth() == 0)
            continue;
        try
        {
            for (U32 r = 0; r < level->GetHeight(); ++r)
                for (U32 c = 0; c < level->GetWidth(); ++c)
                    level->GetPixel(r, c);
        }
        catch (const Util::XAssertion&)
        {
        }
    }
    Util::MemoryStream first("first");
    loaded.save(first);
    if (kind == 0 && first.GetBytes() != bytes)
        Finding("an unedited MIP saves as other bytes");
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
