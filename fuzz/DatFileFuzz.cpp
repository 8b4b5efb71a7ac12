// Loads untrusted DAT containers in both layouts: the input, as a stream in memory, is loaded as
// an ICR2 and as an N4 archive (strict checks on when the first byte is odd), every entry is
// listed and read to its end, by index and by name. Each step either works or throws one of
// the library's errors; a damaged entry does not stop the others. (The archives read from
// files are the same readers over a file stream.)
//
// Seeded with the test archives: `cmake --build build-fuzz --target DatSamples DatFileFuzz &&
// mkdir -p corpus-dat && cp build-fuzz/tests/datsamples/*.dat corpus-dat &&
// build-fuzz/fuzz/DatFileFuzz -max_total_time=600 -rss_limit_mb=2048 -timeout=10 -max_len=4000 corpus-dat`.
#include <cstdlib>
#include <string>
#include <vector>

#include "Papy/Container/DatFile.h"
#include "Papy/Container/ICR2DatFile.h"
#include "Papy/Container/N4DatFile.h"
#include "Papy/Model/Options.h"
#include "Util/CountedPointer.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
void ReadEntry(Util::BinaryStream& stream)
{
    if (stream.Tell() != 0)
        std::abort();
    std::vector<U8> buffer(4096);
    while (!stream.AtEnd())
    {
        U64 left = stream.Size() - stream.Tell();
        U32 n = U32(left < buffer.size() ? left : buffer.size());
        stream.Read(n, buffer.data());
    }
}

void Walk(DatFile& dat)
{
    for (int i = 0; i < dat.GetEntryCount(); ++i)
    {
        std::string folder = dat.GetEntryFolder(i);
        std::string extension = dat.GetEntryExtension(i);
        std::string name = (folder.empty() ? "" : folder + "\\") + dat.GetEntryName(i) +
                           (extension.empty() ? "" : "." + extension);
        dat.GetEntrySize(i);
        dat.GetEntryCompressedSize(i);
        try
        {
            Util::CountedPointer<Util::BinaryStream> entry = dat.OpenEntry(i);
            if (entry->Size() != dat.GetEntrySize(i))
                std::abort();
            ReadEntry(*entry);
            if (Util::CountedPointer<Util::BinaryStream> byName = dat.OpenEntry(name))
                ReadEntry(*byName);
        }
        catch (const Util::Exception&)
        {
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const U8* data, std::size_t size)
{
    if (size > 0xFFFFFFFFu)
        return 0;
    auto* buffer = new Util::CharBuffer("fuzz.dat");
    buffer->Attach(U32(size), data);
    const Util::CountedPointer<Util::BinaryStream> stream(buffer);
    Options::Instance()->Strict = size > 0 && (data[0] & 1) != 0;
    try
    {
        ICR2DatFile dat(stream);
        Walk(dat);
    }
    catch (const Util::Exception&)
    {
    }
    try
    {
        N4DatFile dat(stream);
        Walk(dat);
    }
    catch (const Util::Exception&)
    {
    }
    return 0;
}
