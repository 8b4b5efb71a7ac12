#pragma once
// What the bitmap fuzz harnesses share: a loaded file seen as its levels and its save, and
// the round that every input goes through. A file that loads has every pixel of every level
// read, is saved, loaded back and saved again: the two saves must be the same bytes. Our own
// exceptions are the answers a bad file may give; anything else is a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "Papy/Bitmap/Bitmap.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"

namespace BitmapFuzz
{
using Velmo::U8;
using Velmo::U32;

struct Loaded
{
    std::vector<Velmo::Util::CountedPointer<Velmo::Papy::Bitmap>> levels;
    std::function<void(Velmo::Util::BinaryStream&)> save;
};

// Loads the file bytes with the reader the harness's kind names.
typedef std::function<Loaded(unsigned kind, std::vector<U8> bytes)> Loader;

[[noreturn]] inline void Finding(const char* harness, const char* what)
{
    std::fprintf(stderr, "%s: %s\n", harness, what);
    std::abort();
}

// Pixels whose bytes are broken (a stored size that is not the pixel size, a damaged
// implode stream) fail their first read with an assertion; such a file is still saved.
inline void ReadEveryPixel(const Loaded& loaded)
{
    for (const auto& level : loaded.levels)
    {
        // A level 0 pixels wide may claim any height: it has no pixel to read.
        if (level->GetWidth() == 0)
            continue;
        try
        {
            for (U32 r = 0; r < level->GetHeight(); ++r)
                for (U32 c = 0; c < level->GetWidth(); ++c)
                    level->GetPixel(r, c);
        }
        catch (const Velmo::Util::XAssertion&)
        {
        }
    }
}

// One fuzz input: the first byte modulo kinds picks the reader, the rest is the file.
// sameBytes(kind) says whether an unedited file of that kind must save as the bytes it was
// read from.
inline int Run(const char* harness, const std::uint8_t* data, std::size_t size, unsigned kinds, const Loader& load,
               const std::function<bool(unsigned kind)>& sameBytes = nullptr)
{
    if (size == 0)
        return 0;
    unsigned kind = data[0] % kinds;
    std::vector<U8> bytes(data + 1, data + size);
    Loaded loaded;
    try
    {
        loaded = load(kind, bytes);
    }
    catch (const Velmo::Util::Exception&)
    {
        return 0;
    }
    ReadEveryPixel(loaded);
    Velmo::Util::MemoryStream first("first");
    loaded.save(first);
    if (sameBytes && sameBytes(kind) && first.GetBytes() != bytes)
        Finding(harness, "an unedited file saves as other bytes");
    Loaded again;
    try
    {
        again = load(kind, first.GetBytes());
    }
    catch (const Velmo::Util::Exception& e)
    {
        std::fprintf(stderr, "%s\n", e.GetText().c_str());
        Finding(harness, "a saved file does not load back");
    }
    Velmo::Util::MemoryStream second("second");
    again.save(second);
    if (second.GetBytes() != first.GetBytes())
        Finding(harness, "saving a saved file changes it");
    return 0;
}
} // namespace BitmapFuzz
