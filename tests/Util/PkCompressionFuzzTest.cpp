// Robustness of the decoder: random and damaged streams, in buffers of exactly their size (so
// the sanitizer build sees any read or write outside them), each end in a result within the
// capacity or in the decoder's assertion.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "Util/Exception.h"
#include "Util/PkCompression.h"

using namespace Velmo;
using namespace Velmo::Util;

namespace
{
typedef std::vector<U8> Bytes;

Bytes Pack(const Bytes& input)
{
    Bytes out(PkCompression::MaxCompressedSize(U32(input.size())));
    out.resize(PkCompression::Compress(input.data(), U32(input.size()), out.data(), U32(out.size())));
    return out;
}

// Decodes into a buffer of exactly the capacity; true when the stream was accepted.
bool Decode(const Bytes& stream, U32 capacity)
{
    std::vector<U8> input(stream); // exactly sized copy
    std::vector<U8> output(capacity);
    try
    {
        U32 kept = PkCompression::Decompress(input.empty() ? nullptr : input.data(), U32(input.size()),
                                             output.empty() ? nullptr : output.data(), capacity);
        EXPECT_LE(kept, capacity);
        return true;
    }
    catch (const XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "result == CMP_NO_ERROR && dp.InBytesRemaining == 0");
        return false;
    }
}
} // namespace

TEST(PkCompressionFuzz, RandomStreamsEndInAResultOrTheAssertion)
{
    std::mt19937 random(12345);
    int accepted = 0;
    for (int round = 0; round < 10000; ++round)
    {
        Bytes stream(random() % 600);
        for (U8& b : stream)
            b = U8(random());
        // Mostly valid headers, so that the token decoder is reached.
        if (stream.size() >= 2 && round % 8 != 0)
        {
            stream[0] = U8(random() % 2);
            stream[1] = U8(4 + random() % 3);
        }
        // Runs of one bit value make long matches and long literal runs.
        if (round % 3 == 0)
            for (size_t i = 2; i < stream.size(); ++i)
                stream[i] = random() % 4 == 0 ? U8(random()) : U8(round % 2 ? 0xFF : 0x00);
        accepted += Decode(stream, U32(random() % 3 == 0 ? random() % 64 : random() % 70000));
    }
    EXPECT_GT(accepted, 0);
}

TEST(PkCompressionFuzz, DamagedStreamsEndInAResultOrTheAssertion)
{
    std::mt19937 random(54321);
    std::vector<Bytes> valid;
    for (U32 n : {0u, 1u, 40u, 700u, 3000u, 9000u})
    {
        Bytes text(n), noise(n), runs(n);
        for (U32 i = 0; i < n; ++i)
        {
            text[i] = U8("the wall of the track "[random() % 22]);
            noise[i] = U8(random());
            runs[i] = U8(i / 97 % 3);
        }
        valid.push_back(Pack(text));
        valid.push_back(Pack(noise));
        valid.push_back(Pack(runs));
    }
    int accepted = 0, refused = 0;
    for (int round = 0; round < 10000; ++round)
    {
        const Bytes& source = valid[random() % valid.size()];
        Bytes stream = source;
        switch (round % 5)
        {
        case 0: // every kind of cut
            stream.resize(random() % (stream.size() + 1));
            break;
        case 1: // flipped bits
            for (int i = 0, n = 1 + random() % 4; i < n; ++i)
                stream[random() % stream.size()] ^= U8(1u << (random() % 8));
            break;
        case 2: // random bytes over a stretch
        {
            size_t at = random() % stream.size();
            for (size_t i = at; i < std::min(stream.size(), at + 1 + random() % 16); ++i)
                stream[i] = U8(random());
            break;
        }
        case 3: // bytes inserted or removed
        {
            size_t at = 2 + random() % (stream.size() - 1);
            if (random() % 2 && at < stream.size())
                stream.erase(stream.begin() + at);
            else
                stream.insert(stream.begin() + std::min(at, stream.size()), U8(random()));
            break;
        }
        default: // another header
            stream[0] = U8(random() % 3);
            stream[1] = U8(3 + random() % 5);
        }
        // A capacity near the true size, far below it, or zero.
        U32 capacity = random() % 4 == 0 ? 0 : U32(random() % (3 * (source.size() + 10)));
        (Decode(stream, capacity) ? accepted : refused)++;
    }
    EXPECT_GT(accepted, 100);
    EXPECT_GT(refused, 100);
}
