// Opens container entries over a memory stream from untrusted directory values: the first
// 11 bytes give the entry's offset (U16), packed size (U32) and unpacked size (U32) and a
// mode byte; the rest is the container. Both entry kinds are opened and read as a reader
// would: sizes, chunked reads to the end, seeks, and (stored entries) writes back.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "Papy/Container/CompressedSubFile.h"
#include "Papy/Container/UncompressedSubFile.h"
#include "Util/CharBuffer.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"

using namespace Velmo;
using namespace Velmo::Util;

namespace
{
void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// Reads the whole stream in chunks of the given size, then seeks to a few places and reads
// again; every step either works or throws one of the library's errors.
void Walk(BinaryStream& stream, U32 chunk)
{
    U64 size = stream.Size();
    std::vector<U8> buffer(std::max<U32>(chunk, 1));
    stream.Seek(0);
    while (!stream.AtEnd())
    {
        U32 n = U32(std::min<U64>(chunk ? chunk : 1, Remaining(stream)));
        U64 before = stream.Tell();
        stream.Read(n, buffer.data());
        if (stream.Tell() != before + n)
            Fail("read did not advance by its count");
    }
    if (stream.Tell() != size)
        Fail("walk ended away from the size");
    for (U64 at : {U64(0), size / 2, size})
    {
        stream.Seek(at);
        try
        {
            stream.Read(U32(std::min<U64>(size - at + 1, 0xFFFFFFFFu)), nullptr);
            Fail("a read beyond the end succeeded");
        }
        catch (const XFileRead&)
        {
        }
        if (stream.Tell() != at)
            Fail("a refused read moved the position");
    }
    try
    {
        stream.Seek(size + 1);
        Fail("a seek beyond the end succeeded");
    }
    catch (const XFileSeek&)
    {
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 11)
        return 0;
    U64 offset = DecodeLE<U16>(data);
    U32 packedSize = DecodeLE<U32>(data + 2);
    U32 unpackedSize = DecodeLE<U32>(data + 6);
    U8 mode = data[10];
    std::vector<U8> container(data + 11, data + size);
    CountedPointer<BinaryStream> parent(
        new CharBuffer("container", U32(container.size()), container.empty() ? nullptr : container.data()));

    try
    {
        Papy::CompressedSubFile entry(parent, "packed", offset, packedSize, unpackedSize);
        if (entry.Size() != unpackedSize || entry.Tell() != 0)
            Fail("compressed entry of the wrong size");
        Walk(entry, 1 + mode % 64);
        try
        {
            entry.Seek(0);
            U8 byte = 0;
            entry.Write(unpackedSize ? 1 : 0, &byte);
            if (unpackedSize)
                Fail("a compressed entry took a write");
        }
        catch (const XFileWrite&)
        {
        }
    }
    catch (const XAssertion&)
    {
    }
    catch (const XFileRead&)
    {
    }
    catch (const XFileSeek&) // an offset beyond a memory parent's end
    {
    }

    try
    {
        Papy::UncompressedSubFile entry(parent, "stored", offset, packedSize);
        Walk(entry, 1 + mode % 64);
        // Write the entry's first bytes back unchanged.
        U32 n = U32(std::min<U64>(entry.Size(), mode));
        std::vector<U8> bytes(n);
        entry.Seek(0);
        entry.Read(n, bytes.data());
        entry.Seek(0);
        entry.Write(n, bytes.data());
        if (entry.Tell() != n)
            Fail("a write did not advance by its count");
    }
    catch (const XFileRead&)
    {
    }
    catch (const XFileSeek&)
    {
    }
    if (!std::equal(container.begin(), container.end(), data + 11))
        Fail("the container changed");
    return 0;
}
