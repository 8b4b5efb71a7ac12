// Our coder and decoder against independent implementations of the format from Debian's
// packages: StormLib (both directions, and through its exported format-library entry points
// also ASCII mode and every dictionary size) and dynamite (decoding only). Each check skips
// when its library is not installed.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "Util/Exception.h"
#include <string>
#include <vector>

#include "Util/PkCompression.h"

#ifdef VELMO_HAVE_STORMLIB
#include <StormLib.h>

// The format library's own entry points, exported by StormLib.
extern "C" unsigned int implode(unsigned int (*read)(char* buffer, unsigned int* size, void* param),
                                void (*write)(char* buffer, unsigned int* size, void* param), char* work,
                                void* param, unsigned int* type, unsigned int* dictionarySize);
extern "C" unsigned int explode(unsigned int (*read)(char* buffer, unsigned int* size, void* param),
                                void (*write)(char* buffer, unsigned int* size, void* param), char* work,
                                void* param);
#endif
#ifdef VELMO_HAVE_DYNAMITE
extern "C"
{
#include <libdynamite.h>
}
#endif

using namespace Velmo;
using namespace Velmo::Util;

namespace
{
typedef std::vector<U8> Bytes;

struct Sample
{
    std::string name;
    Bytes data;
};

// Text, structured binary, all-zero and random inputs over sizes around the transfer and
// dictionary boundaries (StormLib picks its dictionary by input size: below 1536 bytes 1024,
// below 3072 bytes 2048, else 4096).
[[maybe_unused]] std::vector<Sample> Samples()
{
    std::mt19937 random(2024);
    const char* const words[] = {"track ",    "segment ", "the ",   "wall ",    "of ",     "object ",
                                 "polygon\n", "42 ",      "camera ", "replay ", "texture ", "a "};
    std::vector<Sample> samples;
    for (U32 n : {1u, 2u, 3u, 5u, 31u, 100u, 1000u, 1535u, 1536u, 2048u, 3071u, 3072u, 4096u, 5000u, 20000u, 65536u,
                  150001u})
    {
        Bytes text, binary(n), zeros(n, 0), noise(n);
        while (text.size() < n)
        {
            const char* w = words[random() % 12];
            text.insert(text.end(), w, w + std::strlen(w));
        }
        text.resize(n);
        for (U32 i = 0; i < n; ++i)
        {
            // Records of 12 bytes: a counter, a slowly changing value, a small enumeration.
            U32 record = i / 12, field = i % 12;
            binary[i] = U8(field < 4 ? record >> (8 * field) : field < 8 ? (record * 37 / 100) >> (8 * (field - 4))
                                                                           : (record % 5) * (field - 7));
        }
        for (U8& b : noise)
            b = U8(random());
        std::string size = std::to_string(n);
        samples.push_back({"text " + size, text});
        samples.push_back({"binary " + size, binary});
        samples.push_back({"zeros " + size, zeros});
        samples.push_back({"random " + size, noise});
    }
    return samples;
}

[[maybe_unused]] Bytes OurCompress(const Bytes& input)
{
    Bytes out(PkCompression::MaxCompressedSize(U32(input.size())));
    out.resize(PkCompression::Compress(input.data(), U32(input.size()), out.data(), U32(out.size())));
    return out;
}

[[maybe_unused]] Bytes OurDecompress(const Bytes& packed, size_t expected)
{
    Bytes out(expected + 1);
    out.resize(PkCompression::Decompress(packed.data(), U32(packed.size()), out.data(), U32(out.size())));
    return out;
}

#ifdef VELMO_HAVE_STORMLIB
struct Transfer
{
    const Bytes* input;
    size_t taken = 0;
    Bytes output;
};

unsigned int ReadInput(char* buffer, unsigned int* size, void* param)
{
    Transfer& t = *static_cast<Transfer*>(param);
    size_t n = std::min<size_t>(*size, t.input->size() - t.taken);
    std::memcpy(buffer, t.input->data() + t.taken, n);
    t.taken += n;
    return unsigned(n);
}

void WriteOutput(char* buffer, unsigned int* size, void* param)
{
    Transfer& t = *static_cast<Transfer*>(param);
    t.output.insert(t.output.end(), buffer, buffer + *size);
}

// The format library's coder with a chosen literal mode and dictionary size.
Bytes TheirImplode(const Bytes& input, unsigned type, unsigned dictionarySize)
{
    std::vector<char> work(1 << 16);
    Transfer t{&input, 0, {}};
    unsigned result = implode(ReadInput, WriteOutput, work.data(), &t, &type, &dictionarySize);
    EXPECT_EQ(result, 0u);
    return t.output;
}

// The format library's decoder over a zeroed work area (so that a match reaching before the
// first byte copies zeros there too). Succeeds only when it also took every input byte.
bool TheirExplode(const Bytes& input, Bytes& output)
{
    std::vector<char> work(1 << 16, 0);
    Transfer t{&input, 0, {}};
    unsigned result = explode(ReadInput, WriteOutput, work.data(), &t);
    output = t.output;
    return result == 0 && t.taken == input.size();
}
#endif
} // namespace

TEST(PkCompressionCrossCheck, StormLibDecodesOurStreams)
{
#ifndef VELMO_HAVE_STORMLIB
    GTEST_SKIP() << "StormLib is not installed";
#else
    for (const Sample& s : Samples())
    {
        Bytes packed = OurCompress(s.data);
        // Its explode takes equal packed and unpacked sizes to mean stored data, and refuses
        // an output buffer smaller than the packed data.
        Bytes out(s.data.size() + packed.size() + 1);
        int size = int(out.size());
        ASSERT_TRUE(SCompExplode(out.data(), &size, packed.data(), int(packed.size()))) << s.name;
        out.resize(size_t(size));
        EXPECT_EQ(out, s.data) << s.name;
    }
#endif
}

TEST(PkCompressionCrossCheck, WeDecodeStormLibStreams)
{
#ifndef VELMO_HAVE_STORMLIB
    GTEST_SKIP() << "StormLib is not installed";
#else
    for (const Sample& s : Samples())
    {
        Bytes packed(2 * s.data.size() + 64);
        int size = int(packed.size());
        ASSERT_TRUE(SCompImplode(packed.data(), &size, const_cast<U8*>(s.data.data()), int(s.data.size())))
            << s.name;
        packed.resize(size_t(size));
        EXPECT_EQ(OurDecompress(packed, s.data.size()), s.data) << s.name;
    }
#endif
}

TEST(PkCompressionCrossCheck, WeDecodeEveryModeAndDictionaryOfTheFormatLibrary)
{
#ifndef VELMO_HAVE_STORMLIB
    GTEST_SKIP() << "StormLib is not installed";
#else
    for (unsigned type : {0u, 1u}) // binary, ASCII
        for (unsigned dictionary : {1024u, 2048u, 4096u})
            for (const Sample& s : Samples())
            {
                if (s.data.size() > 20000)
                    continue;
                Bytes packed = TheirImplode(s.data, type, dictionary);
                ASSERT_GE(packed.size(), 2u);
                EXPECT_EQ(packed[0], type);
                EXPECT_EQ(OurDecompress(packed, s.data.size()), s.data)
                    << s.name << " mode " << type << " dictionary " << dictionary;
            }
#endif
}

// Damaged and truncated streams: the format library's decoder and ours accept the same
// streams (including the look-ahead byte and the 2048-byte transfers) and give the same bytes.
TEST(PkCompressionCrossCheck, DecoderAgreesWithTheFormatLibraryOnDamagedStreams)
{
#ifndef VELMO_HAVE_STORMLIB
    GTEST_SKIP() << "StormLib is not installed";
#else
    std::mt19937 random(99);
    std::vector<Bytes> valid;
    for (const Sample& s : Samples())
        if (s.data.size() <= 5000)
        {
            valid.push_back(OurCompress(s.data));
            valid.push_back(TheirImplode(s.data, 1, 1024u << (random() % 3)));
        }
    int accepted = 0, refused = 0;
    for (int round = 0; round < 4000; ++round)
    {
        Bytes stream = valid[random() % valid.size()];
        switch (round % 4)
        {
        case 0: // cut
            stream.resize(random() % (stream.size() + 1));
            break;
        case 1: // flipped bits
            for (int i = 0, n = 1 + random() % 3; i < n; ++i)
                stream[random() % stream.size()] ^= U8(1u << (random() % 8));
            break;
        case 2: // bytes appended, sometimes beyond the next transfer
            stream.resize(stream.size() + random() % 2200, U8(random()));
            break;
        default: // a damaged tail
            for (size_t i = stream.size() - std::min<size_t>(stream.size(), 3); i < stream.size(); ++i)
                stream[i] = U8(random());
        }
        Bytes theirs;
        bool theyAccept = TheirExplode(stream, theirs);
        Bytes ours(theirs.size() + 1);
        bool weAccept = true;
        try
        {
            ours.resize(PkCompression::Decompress(stream.data(), U32(stream.size()), ours.data(), U32(ours.size())));
        }
        catch (const Velmo::Util::Exception&)
        {
            weAccept = false;
        }
        ASSERT_EQ(weAccept, theyAccept) << "round " << round << ", " << stream.size() << " bytes";
        if (weAccept)
        {
            ASSERT_EQ(ours, theirs) << "round " << round;
        }
        (weAccept ? accepted : refused)++;
    }
    // Both outcomes were exercised.
    EXPECT_GT(accepted, 500);
    EXPECT_GT(refused, 500);
#endif
}

#ifdef VELMO_HAVE_DYNAMITE
namespace
{
struct DynamiteTransfer
{
    const Bytes* input;
    size_t taken = 0;
    Bytes output;
};

size_t DynamiteRead(void* buffer, size_t size, void* cookie)
{
    DynamiteTransfer& t = *static_cast<DynamiteTransfer*>(cookie);
    size_t n = std::min(size, t.input->size() - t.taken);
    std::memcpy(buffer, t.input->data() + t.taken, n);
    t.taken += n;
    return n;
}

size_t DynamiteWrite(void* buffer, size_t size, void* cookie)
{
    DynamiteTransfer& t = *static_cast<DynamiteTransfer*>(cookie);
    const U8* bytes = static_cast<const U8*>(buffer);
    t.output.insert(t.output.end(), bytes, bytes + size);
    return size;
}
} // namespace
#endif

TEST(PkCompressionCrossCheck, DynamiteDecodesOurStreams)
{
#ifndef VELMO_HAVE_DYNAMITE
    GTEST_SKIP() << "dynamite is not installed";
#else
    for (const Sample& s : Samples())
    {
        Bytes packed = OurCompress(s.data);
        DynamiteTransfer t{&packed, 0, {}};
        ASSERT_EQ(dynamite_explode(DynamiteRead, DynamiteWrite, &t), DYNAMITE_SUCCESS) << s.name;
        EXPECT_EQ(t.output, s.data) << s.name;
    }
    // The empty input's stream too.
    Bytes empty = OurCompress({});
    DynamiteTransfer t{&empty, 0, {}};
    EXPECT_EQ(dynamite_explode(DynamiteRead, DynamiteWrite, &t), DYNAMITE_SUCCESS);
    EXPECT_TRUE(t.output.empty());
#endif
}
