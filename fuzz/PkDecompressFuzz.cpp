// Decodes any bytes as an imploded stream. An accepted stream must decode to the same bytes
// under a smaller output capacity (as a prefix), must agree with the independent decoder of
// the system's StormLib when that library can be loaded, and its output must pack and unpack
// back to itself. A refused stream must be refused with the decoder's assertion.
#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "Util/Exception.h"
#include "Util/PkCompression.h"

using namespace Velmo;
using namespace Velmo::Util;

namespace
{
typedef std::vector<U8> Bytes;

typedef unsigned int (*ReadFunction)(char* buffer, unsigned int* size, void* param);
typedef void (*WriteFunction)(char* buffer, unsigned int* size, void* param);
typedef unsigned int (*ExplodeFunction)(ReadFunction read, WriteFunction write, char* work, void* param);

struct Transfer
{
    const U8* input;
    size_t size;
    size_t taken;
    Bytes output;
};

unsigned int ReadInput(char* buffer, unsigned int* size, void* param)
{
    Transfer& t = *static_cast<Transfer*>(param);
    size_t n = std::min<size_t>(*size, t.size - t.taken);
    if (n != 0)
        std::memcpy(buffer, t.input + t.taken, n);
    t.taken += n;
    return unsigned(n);
}

void WriteOutput(char* buffer, unsigned int* size, void* param)
{
    Transfer& t = *static_cast<Transfer*>(param);
    t.output.insert(t.output.end(), buffer, buffer + *size);
}

// The system's StormLib decoder, loaded at run time so that the harness builds without it.
ExplodeFunction TheirExplode()
{
    static ExplodeFunction function = [] {
        void* library = dlopen("libstorm.so.9", RTLD_NOW);
        if (library == nullptr)
            library = dlopen("libstorm.so", RTLD_NOW);
        ExplodeFunction found = library ? reinterpret_cast<ExplodeFunction>(dlsym(library, "explode")) : nullptr;
        if (found == nullptr)
            std::fprintf(stderr, "StormLib not found: no comparison with its decoder\n");
        return found;
    }();
    return function;
}

void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// Decodes into a buffer of exactly capacity bytes; false when refused.
bool Decode(const U8* data, size_t size, U32 capacity, Bytes& result)
{
    result.assign(capacity, 0);
    try
    {
        U32 kept = PkCompression::Decompress(data, U32(size), capacity ? result.data() : nullptr, capacity);
        if (kept > capacity)
            Fail("more bytes kept than the capacity");
        result.resize(kept);
        return true;
    }
    catch (const XAssertion& e)
    {
        if (std::strcmp(e.GetExpression(), "result == CMP_NO_ERROR && dp.InBytesRemaining == 0") != 0)
            Fail("refused with another assertion");
        return false;
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exactly sized copy, so that a read past the input is seen.
    Bytes input(data, data + size);
    const U8* in = input.empty() ? nullptr : input.data();
    U64 most = PkCompression::MaxDecompressedSize(U32(size));

    Bytes full;
    bool accepted = Decode(in, size, U32(most + 1), full);
    if (accepted && full.size() > most)
        Fail("decoded beyond the largest expansion");

    if (ExplodeFunction explode = TheirExplode())
    {
        std::vector<char> work(1 << 16, 0);
        Transfer t{in, size, 0, {}};
        bool theyAccept = size > 0 && explode(ReadInput, WriteOutput, work.data(), &t) == 0 && t.taken == size;
        if (theyAccept != accepted)
            Fail(accepted ? "accepted a stream the independent decoder refuses"
                          : "refused a stream the independent decoder accepts");
        if (accepted && t.output != full)
            Fail("decoded bytes differ from the independent decoder's");
    }

    if (!accepted)
        return 0;

    // A smaller capacity keeps a prefix and never writes beyond it.
    Bytes part;
    U32 capacity = U32(full.size() / 2 + (size & 7));
    if (capacity < full.size())
    {
        if (!Decode(in, size, capacity, part) || part.size() != capacity ||
            !std::equal(part.begin(), part.end(), full.begin()))
            Fail("a smaller capacity changed the result");
    }

    // The decoded bytes pack and unpack back to themselves.
    Bytes packed(PkCompression::MaxCompressedSize(U32(full.size())));
    packed.resize(PkCompression::Compress(full.data(), U32(full.size()), packed.data(), U32(packed.size())));
    Bytes again;
    if (!Decode(packed.data(), packed.size(), U32(full.size() + 1), again) || again != full)
        Fail("repacked bytes do not unpack to themselves");
    return 0;
}
