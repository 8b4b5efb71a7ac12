#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "Util/Exception.h"
#include "Util/PkCompression.h"

using namespace Velmo;
using namespace Velmo::Util;

namespace
{
typedef std::vector<U8> Bytes;

const char* const failedCompress = "Assertion failure at .\\PkCompression.cpp: 79\n"
                                   "result == CMP_NO_ERROR && dp.InBytesRemaining == 0\n";
const char* const failedDecompress = "Assertion failure at .\\PkCompression.cpp: 99\n"
                                     "result == CMP_NO_ERROR && dp.InBytesRemaining == 0\n";

Bytes Pack(const Bytes& input)
{
    Bytes out(PkCompression::MaxCompressedSize(U32(input.size())));
    out.resize(PkCompression::Compress(input.data(), U32(input.size()), out.data(), U32(out.size())));
    return out;
}

Bytes Unpack(const Bytes& packed, size_t capacity)
{
    Bytes out(capacity);
    out.resize(PkCompression::Decompress(packed.data(), U32(packed.size()), out.data(), U32(out.size())));
    return out;
}

// The assertion text of a failed call, or "" when it succeeds.
template <class Call>
std::string FailureOf(Call call)
{
    try
    {
        call();
    }
    catch (const XAssertion& e)
    {
        return e.GetText();
    }
    return "";
}

std::string DecompressFailure(const Bytes& packed, size_t capacity = 1 << 16)
{
    return FailureOf([&] { Unpack(packed, capacity); });
}

// Writes a stream bit by bit, least significant bit first, for hand-made test streams.
class StreamBuilder
{
public:
    StreamBuilder(U8 mode, U8 dictionaryBits) : m_bytes{mode, dictionaryBits}, m_k(dictionaryBits) {}

    StreamBuilder& Bits(U32 value, unsigned count)
    {
        for (unsigned i = 0; i < count; ++i, ++m_bit)
        {
            if (m_bit % 8 == 0)
                m_bytes.push_back(0);
            m_bytes.back() |= U8(((value >> i) & 1) << (m_bit % 8));
        }
        return *this;
    }
    StreamBuilder& Literal(U8 byte) { return Bits(0, 1).Bits(byte, 8); }
    StreamBuilder& AsciiLiteral(U8 byte)
    {
        return Bits(0, 1).Bits(PkCompression::literalCodes[byte], PkCompression::literalBits[byte]);
    }
    StreamBuilder& LengthIndex(U32 index)
    {
        int group = 15;
        while (PkCompression::lengthBase[group] > index)
            --group;
        Bits(1, 1).Bits(PkCompression::lengthCodes[group], PkCompression::lengthBits[group]);
        return Bits(index - PkCompression::lengthBase[group], PkCompression::lengthExtraBits[group]);
    }
    StreamBuilder& Match(U32 length, U32 distance)
    {
        LengthIndex(length - 2);
        unsigned low = length == 2 ? 2 : m_k;
        U32 d = distance - 1;
        Bits(PkCompression::distanceCodes[d >> low], PkCompression::distanceBits[d >> low]);
        return Bits(d & ((1u << low) - 1), low);
    }
    Bytes End() { return LengthIndex(PkCompression::endCodeIndex).m_bytes; }
    Bytes Unfinished() const { return m_bytes; }

private:
    Bytes m_bytes;
    unsigned m_k;
    unsigned m_bit = 0;
};

// The tokens of a binary-mode stream, read with plain prefix matching over the code tables:
// "a" for a literal byte, "M<length>/<distance>" for a match.
std::vector<std::string> Tokens(const Bytes& stream)
{
    size_t bit = 16;
    auto take = [&](unsigned count) {
        U32 value = 0;
        for (unsigned i = 0; i < count; ++i, ++bit)
            value |= U32((stream.at(bit / 8) >> (bit % 8)) & 1) << i;
        return value;
    };
    auto code = [&](const U8* bits, auto codes, int n) {
        size_t start = bit;
        for (int i = 0; i < n; ++i)
        {
            bit = start;
            if (take(bits[i]) == codes[i])
                return i;
        }
        ADD_FAILURE() << "no code at bit " << start;
        return 0;
    };
    unsigned k = stream.at(1);
    std::vector<std::string> tokens;
    for (;;)
    {
        if (take(1) == 0)
        {
            U8 byte = U8(take(8));
            char text[8];
            std::snprintf(text, sizeof text, byte >= 32 && byte < 127 ? "%c" : "#%u", unsigned(byte));
            tokens.push_back(text);
            continue;
        }
        int group = code(PkCompression::lengthBits, PkCompression::lengthCodes, 16);
        U32 index = PkCompression::lengthBase[group] + take(PkCompression::lengthExtraBits[group]);
        if (index == PkCompression::endCodeIndex)
            return tokens;
        U32 length = index + 2;
        int high = code(PkCompression::distanceBits, PkCompression::distanceCodes, 64);
        unsigned low = length == 2 ? 2 : k;
        U32 distance = (U32(high) << low | take(low)) + 1;
        char text[32];
        std::snprintf(text, sizeof text, "M%u/%u", unsigned(length), unsigned(distance));
        tokens.push_back(text);
    }
}

Bytes Text(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

// n bytes from 0x80 up in which no byte pair occurs twice, so the coder finds no match in it.
std::string Fill(size_t n)
{
    std::vector<bool> used(1 << 16);
    std::string fill(1, char(0x80));
    while (fill.size() < n)
    {
        U8 last = U8(fill.back());
        int next = 0x80;
        while (used[last << 8 | next])
            ++next;
        used[last << 8 | next] = true;
        fill += char(next);
    }
    return fill;
}

std::string Last(const std::vector<std::string>& tokens, size_t n)
{
    std::string all;
    for (size_t i = tokens.size() - n; i < tokens.size(); ++i)
        all += (all.empty() ? "" : " ") + tokens[i];
    return all;
}

std::string Joined(const std::vector<std::string>& tokens)
{
    std::string all;
    for (const std::string& t : tokens)
        all += (all.empty() ? "" : " ") + t;
    return all;
}
} // namespace

// Each table is a complete prefix code: no code is the start of another, and the codes fill
// the whole code space (Kraft sum exactly 1), so every bit pattern decodes.
TEST(PkCompression, EveryCodeTableIsACompletePrefixCode)
{
    struct Table
    {
        const char* name;
        int count;
        const U8* bits;
        std::vector<U32> codes;
    };
    const std::vector<Table> tables = {
        {"length", 16, PkCompression::lengthBits,
         std::vector<U32>(std::begin(PkCompression::lengthCodes), std::end(PkCompression::lengthCodes))},
        {"distance", 64, PkCompression::distanceBits,
         std::vector<U32>(std::begin(PkCompression::distanceCodes), std::end(PkCompression::distanceCodes))},
        {"literal", 256, PkCompression::literalBits,
         std::vector<U32>(std::begin(PkCompression::literalCodes), std::end(PkCompression::literalCodes))},
    };
    for (const Table& table : tables)
    {
        SCOPED_TRACE(table.name);
        U64 kraft = 0; // in units of 2^-16
        for (int i = 0; i < table.count; ++i)
        {
            ASSERT_GE(table.bits[i], 1);
            ASSERT_LE(table.bits[i], 13);
            EXPECT_EQ(table.codes[i] >> table.bits[i], 0u) << "code " << i << " wider than its length";
            kraft += U64(1) << (16 - table.bits[i]);
            for (int j = 0; j < table.count; ++j)
            {
                if (i == j || table.bits[j] < table.bits[i])
                    continue;
                U32 mask = (1u << table.bits[i]) - 1;
                EXPECT_NE(table.codes[j] & mask, table.codes[i]) << "code " << i << " starts code " << j;
            }
        }
        EXPECT_EQ(kraft, U64(1) << 16);
    }
}

TEST(PkCompression, LengthGroupsCoverEveryIndexUpToTheEndCode)
{
    U32 next = 0;
    for (int group = 0; group < 16; ++group)
    {
        EXPECT_EQ(PkCompression::lengthBase[group], next) << group;
        next += 1u << PkCompression::lengthExtraBits[group];
    }
    EXPECT_EQ(next - 1, PkCompression::endCodeIndex);
}

TEST(PkCompression, EmptyInputMakesAStreamThatDecodes)
{
    Bytes packed = Pack({});
    EXPECT_EQ(packed, (Bytes{0x00, 0x06, 0x01, 0xFF, 0x00}));
    EXPECT_EQ(Unpack(packed, 16).size(), 0u);
    // The bare 4-byte stream is refused (nothing of 4 bytes or fewer is ever decoded).
    EXPECT_EQ(DecompressFailure({0x00, 0x06, 0x01, 0xFF}), failedDecompress);
    EXPECT_EQ(DecompressFailure({}), failedDecompress);
}

TEST(PkCompression, RunOfOneByteIsALiteralAndAnOverlappingMatch)
{
    Bytes packed = Pack(Bytes(10, 'a'));
    EXPECT_EQ(packed, (Bytes{0x00, 0x06, 0xC2, 0xD2, 0x81, 0x80, 0x7F}));
    EXPECT_EQ(Unpack(packed, 10), Bytes(10, 'a'));
    // Longest match 516; the last match is cut at the input's end.
    EXPECT_EQ(Joined(Tokens(Pack(Bytes(1000, 'a')))), "a M516/1 M483/1");
}

TEST(PkCompression, PlainLiteralsCostNineBitsEach)
{
    // Every byte pair differs, so nothing repeats.
    Bytes input(256);
    for (int i = 0; i < 256; ++i)
        input[i] = U8(i);
    for (U32 n : {1u, 2u, 7u, 100u, 256u})
    {
        Bytes part(input.begin(), input.begin() + n);
        Bytes packed = Pack(part);
        EXPECT_EQ(packed.size(), 2 + (9 * n + 16 + 7) / 8) << n;
        EXPECT_EQ(packed.size(), PkCompression::MaxCompressedSize(n)) << n;
        EXPECT_EQ(Unpack(packed, n), part);
    }
}

TEST(PkCompression, CoderMatchRules)
{
    struct Case
    {
        const char* rule;
        std::string input;
        std::string lastTokens;
    };
    const std::vector<Case> cases = {
        {"ties go to the nearest", "abcXabcYabc", "a b c X M3/4 Y M3/4"},
        {"a longer match one byte later wins", "abc1bcdef2abcdef", "a b c 1 M2/3 d e f 2 a M5/7"},
        {"one longer and near: the match here is kept", "abc1bcde2abcde", "a b c 1 M2/3 d e 2 M3/9 M2/6"},
        {"one longer and far: a literal first", "abc1bcde" + Fill(130) + "abcde", "a M4/135"},
        {"no look-ahead from 8 bytes on", "abcdefgh1bcdefghij2abcdefghij",
         "a b c d e f g h 1 M7/8 i j 2 M8/19 M2/11"},
        {"two-byte match 256 back", "xy" + Fill(254) + "xy", "M2/256"},
        {"two-byte match 257 back", "xy" + Fill(254) + "!xy", "! x y"},
        {"dictionary of 4096 bytes", "ABCDEFGHIJ" + std::string(4086, '\0') + "ABCDEFGHIJ", "M10/4096"},
        {"nothing beyond 4096 bytes", "ABCDEFGHIJ" + std::string(4087, '\0') + "ABCDEFGHIJ", "H I J"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.rule);
        Bytes input = Text(c.input);
        Bytes packed = Pack(input);
        EXPECT_EQ(Unpack(packed, input.size()), input);
        std::vector<std::string> tokens = Tokens(packed);
        size_t n = std::count(c.lastTokens.begin(), c.lastTokens.end(), ' ') + 1;
        ASSERT_GE(tokens.size(), n);
        EXPECT_EQ(Last(tokens, n), c.lastTokens);
    }
}

TEST(PkCompression, CompressIntoTooSmallBufferFails)
{
    std::mt19937 random(7);
    for (U32 n : {0u, 1u, 100u, 5000u, 70000u})
    {
        SCOPED_TRACE(n);
        Bytes input(n);
        for (U8& b : input)
            b = U8(random() % 4 == 0 ? random() : 'e');
        Bytes packed = Pack(input);
        for (size_t capacity : {size_t(0), size_t(2), packed.size() - 1})
        {
            Bytes out(capacity + 1, 0xAA);
            EXPECT_EQ(FailureOf([&] { PkCompression::Compress(input.data(), n, out.data(), U32(capacity)); }),
                      failedCompress)
                << capacity;
            EXPECT_EQ(out[capacity], 0xAA) << "wrote past the capacity";
        }
        Bytes exact(packed.size());
        EXPECT_EQ(PkCompression::Compress(input.data(), n, exact.data(), U32(exact.size())), packed.size());
        EXPECT_EQ(exact, packed);
    }
}

TEST(PkCompression, RoundTripOfManySizesAndKinds)
{
    std::mt19937 random(11);
    const std::string words[] = {"the ", "track ", "object ", "car ", "wall ", "of ", "a ", "\n", "segment ", "42 "};
    for (U32 n : {1u, 2u, 3u, 4u, 5u, 15u, 255u, 256u, 517u, 518u, 2047u, 2048u, 4095u, 4096u, 4097u, 4612u,
                  8191u, 8192u, 8193u, 65536u, 200001u})
    {
        Bytes random_(n), zeros(n, 0), text, binary(n);
        for (U8& b : random_)
            b = U8(random());
        while (text.size() < n)
        {
            const std::string& w = words[random() % 10];
            text.insert(text.end(), w.begin(), w.end());
        }
        text.resize(n);
        for (U32 i = 0; i < n; ++i) // little-endian records with slowly changing fields
            binary[i] = U8(i % 16 < 4 ? i / 16 : i % 16 < 8 ? (i / 256) * 3 : i % 7);
        for (const Bytes* input : {&random_, &zeros, &text, &binary})
        {
            Bytes packed = Pack(*input);
            ASSERT_LE(packed.size(), PkCompression::MaxCompressedSize(n));
            ASSERT_EQ(Unpack(packed, n), *input) << n;
        }
    }
}

TEST(PkCompression, DecodesHandMadeStreams)
{
    struct Case
    {
        const char* what;
        Bytes stream;
        Bytes expected;
    };
    Bytes allBytes(256);
    StreamBuilder ascii(1, 6);
    for (int i = 0; i < 256; ++i)
        ascii.AsciiLiteral(U8(i)), allBytes[i] = U8(i);

    // A period of 256 bytes, then a match whose distance needs all 5 low bits.
    StreamBuilder far2048(0, 5);
    Bytes periodic;
    for (int i = 0; i < 256; ++i)
        far2048.Literal(U8(i));
    for (int i = 0; i < 4; ++i)
        far2048.Match(516, 256);
    for (int i = 0; i < 256 + 4 * 516; ++i)
        periodic.push_back(U8(i));
    far2048.Match(3, 2047);
    periodic.insert(periodic.end(), {17, 18, 19});

    Bytes zeros1024(301, 'q');
    zeros1024.push_back('r');
    zeros1024.insert(zeros1024.end(), 5, 0);

    const std::vector<Case> cases = {
        {"overlapping copy repeats the pattern", StreamBuilder(0, 6).Literal('a').Literal('b').Match(7, 2).End(),
         Text("ababababa")},
        {"every ASCII literal code", ascii.End(), allBytes},
        {"ASCII matches", StreamBuilder(1, 4).AsciiLiteral('x').AsciiLiteral('y').Match(4, 2).AsciiLiteral('z').End(),
         Text("xyxyxyz")},
        {"2048-byte dictionary", far2048.End(), periodic},
        {"1024-byte dictionary, before the first byte",
         StreamBuilder(0, 4).Literal('q').Match(300, 1).Literal('r').Match(5, 1024).End(), zeros1024},
        {"before the first byte reads zeros", StreamBuilder(0, 6).Match(3, 5).Literal('x').Match(2, 2).End(),
         Bytes{0, 0, 0, 'x', 0, 'x'}},
        {"end code without its look-ahead byte", StreamBuilder(0, 6).Literal('a').Literal('a').Literal('a').End(),
         Text("aaa")},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Unpack(c.stream, 4096), c.expected);
    }
}

TEST(PkCompression, DecompressKeepsOnlyTheCapacity)
{
    Bytes input = Text("a short text, a short text, and a longer text with the same short words in it");
    Bytes packed = Pack(input);
    for (size_t capacity : {size_t(0), size_t(1), size_t(13), input.size() - 1, input.size(), input.size() + 50})
    {
        Bytes out = Unpack(packed, capacity);
        size_t kept = std::min(capacity, input.size());
        EXPECT_EQ(out, Bytes(input.begin(), input.begin() + kept));
    }
}

TEST(PkCompression, DecompressRefusesBadStreams)
{
    Bytes good = Pack(Text("some words, some words, some more words"));
    struct Case
    {
        const char* what;
        Bytes stream;
    };
    auto with = [&](size_t at, U8 value) {
        Bytes b = good;
        b[at] = value;
        return b;
    };
    const std::vector<Case> cases = {
        {"literal mode 2", with(0, 2)},
        {"dictionary bits 3", with(1, 3)},
        {"dictionary bits 7", with(1, 7)},
        {"four bytes", Bytes(good.begin(), good.begin() + 4)},
        {"no end code", StreamBuilder(0, 6).Literal('a').Literal('b').Literal('c').Bits(0, 20).Unfinished()},
        {"end code without its extra bits", StreamBuilder(0, 6).Literal('a').Literal('b').Bits(1, 1).Bits(0, 7).Unfinished()},
        {"match without its distance", StreamBuilder(0, 6).Literal('a').Literal('b').LengthIndex(4).Unfinished()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecompressFailure(c.stream), failedDecompress) << c.what;

    // Every shorter prefix lacks bits of the end code.
    for (size_t n = 0; n < good.size(); ++n)
        EXPECT_EQ(DecompressFailure(Bytes(good.begin(), good.begin() + n)), failedDecompress) << n;
}

TEST(PkCompression, BytesAfterTheEndCode)
{
    Bytes packed = Pack(Text("abcabcabcabc"));
    // Left-over bytes in the transfer that held the end code are ignored...
    Bytes padded = packed;
    padded.resize(2048, 0x55);
    EXPECT_EQ(Unpack(padded, 100), Text("abcabcabcabc"));
    // ...a further transfer of input is not.
    padded.push_back(0x55);
    EXPECT_EQ(DecompressFailure(padded), failedDecompress);
}

TEST(PkCompression, LargestExpansionBoundsEveryStream)
{
    // The densest stream there is: the longest matches with the cheapest distance, 1024-byte
    // dictionary.
    for (int matches : {0, 1, 2, 10, 100})
    {
        StreamBuilder builder(0, 4);
        builder.Literal('z');
        for (int i = 0; i < matches; ++i)
            builder.Match(518, 1);
        Bytes stream = builder.End();
        Bytes out = Unpack(stream, 100000);
        EXPECT_EQ(out.size(), 1 + 518u * matches);
        EXPECT_LE(out.size(), PkCompression::MaxDecompressedSize(U32(stream.size())));
    }
    EXPECT_EQ(PkCompression::MaxDecompressedSize(0), 0u);
    EXPECT_EQ(PkCompression::MaxCompressedSize(0), 5u);
    EXPECT_EQ(PkCompression::MaxCompressedSize(0xFFFFFFFFu), 2 + (9 * 0xFFFFFFFFull + 23) / 8);
}

namespace
{
// A stream and the bytes it decodes to, built token by token: the expected bytes come from
// the plain rule (a match copies byte by byte from distance back; before the first byte,
// zeros), not from a decoder.
class ModelStream
{
public:
    ModelStream(U8 mode, U8 dictionaryBits) : m_builder(mode, dictionaryBits), m_ascii(mode == 1) {}

    void Literal(U8 byte)
    {
        if (m_ascii)
            m_builder.AsciiLiteral(byte);
        else
            m_builder.Literal(byte);
        m_bytes.push_back(byte);
    }
    void Match(U32 length, U32 distance)
    {
        m_builder.Match(length, distance);
        for (U32 i = 0; i < length; ++i)
            m_bytes.push_back(distance > m_bytes.size() ? 0 : m_bytes[m_bytes.size() - distance]);
    }
    Bytes End() { return m_builder.End(); }
    const Bytes& Expected() const { return m_bytes; }

private:
    StreamBuilder m_builder;
    bool m_ascii;
    Bytes m_bytes;
};

// Decodes the stream with several capacities: ample (the unchecked part of the decoder takes
// nearly all of it), exact, and cut at places near the end, where the checked part takes over;
// nothing is written beyond the capacity.
void ExpectDecodes(const Bytes& stream, const Bytes& expected, const std::string& what)
{
    const size_t n = expected.size();
    std::vector<size_t> capacities = {n + 1000, n, n / 2};
    for (size_t cut : {1, 2, 17, 533, 534, 535, 600})
        if (cut <= n)
            capacities.push_back(n - cut);
    for (size_t capacity : capacities)
    {
        // Bytes beyond the capacity must stay as they were.
        const size_t guard = 1024;
        Bytes out(capacity + guard, 0xA5);
        const size_t kept = PkCompression::Decompress(stream.data(), U32(stream.size()), out.data(), U32(capacity));
        ASSERT_EQ(kept, std::min(capacity, n)) << what << ", capacity " << capacity;
        EXPECT_TRUE(std::equal(out.begin(), out.begin() + kept, expected.begin())) << what << ", capacity " << capacity;
        EXPECT_EQ(Bytes(out.begin() + capacity, out.end()), Bytes(guard, 0xA5)) << what << ", capacity " << capacity;
    }
}
} // namespace

// Every length with every distance code, in each literal mode and dictionary size: the short
// matches whose codes one look-up reads and the longer ones read in steps, near and far
// copies, overlapping copies of every short distance, and copies from before the first byte.
TEST(PkCompression, EveryMatchCodeDecodes)
{
    std::mt19937 random(7);
    for (U8 mode : {0, 1})
        for (U8 k : {4, 5, 6})
        {
            const U32 dictionary = 64u << k;
            ModelStream s(mode, k);
            // Before the first byte, then a prefix for every distance.
            s.Match(3, 5);
            s.Match(40, 100);
            for (U32 i = 0; i < dictionary; ++i)
                s.Literal(U8(random()));
            // Lengths up to 23 take one look-up when their codes fit in 12 bits: every distance
            // code with each of them, low bits varied.
            for (U32 length = 2; length <= 25; ++length)
                for (U32 high = 0; high < 64; ++high)
                {
                    const U32 low = length == 2 ? 2 : k;
                    s.Match(length, (high << low | (high * 7 % (1u << low))) + 1);
                    s.Literal(U8(high));
                }
            // Every length, distance codes in turn.
            for (U32 length = 2; length <= 518; ++length)
            {
                const U32 low = length == 2 ? 2 : k;
                const U32 high = length % 64;
                s.Match(length, (high << low | (length % (1u << low))) + 1);
            }
            // Overlapping copies, each of a pattern of distinct bytes.
            for (U32 distance = 1; distance < 20; ++distance)
                for (U32 length : {2u, 3u, 7u, 8u, 9u, 15u, 16u, 17u, 33u, 100u})
                {
                    for (U32 i = 0; i < distance; ++i)
                        s.Literal(U8(length + i));
                    s.Match(length, distance);
                }
            const Bytes stream = s.End();
            ExpectDecodes(stream, s.Expected(), "mode " + std::to_string(mode) + ", k " + std::to_string(k));
        }
}

// The decoder reads the input without checks while 8 bytes lie ahead and checks every token
// after that: streams whose last tokens fall on every bit position across that point.
TEST(PkCompression, TokensAcrossTheCheckedEndDecode)
{
    for (U8 mode : {0, 1})
        for (U32 lead = 0; lead < 24; ++lead)
        {
            ModelStream s(mode, 6);
            for (U32 i = 0; i < lead; ++i)
                s.Literal(U8('a' + i));
            s.Literal('x');
            s.Match(2, 1);
            s.Match(5, 3);
            s.Literal(0xE9);
            s.Match(24, 7);
            s.Match(300, 20);
            s.Literal('y');
            s.Match(3, lead + 30);
            s.Match(518, 1);
            s.Literal('z');
            const Bytes stream = s.End();
            ExpectDecodes(stream, s.Expected(), "mode " + std::to_string(mode) + ", lead " + std::to_string(lead));
            // Without its last byte the stream lacks bits of the end code.
            EXPECT_EQ(DecompressFailure(Bytes(stream.begin(), stream.end() - 1)), failedDecompress) << lead;
        }
}

// Long matches end at every place relative to the capacity: the output is the start of the
// stream's bytes, and nothing beyond the capacity is written.
TEST(PkCompression, NothingIsWrittenBeyondTheCapacity)
{
    for (U32 distance : {1u, 3u, 9u, 20u})
    {
        ModelStream s(0, 6);
        for (U32 i = 0; i < 40; ++i)
            s.Literal(U8(i * 5));
        s.Match(518, distance);
        s.Match(517, 40);
        s.Literal('x');
        s.Match(300, distance);
        const Bytes stream = s.End();
        const Bytes& expected = s.Expected();
        for (size_t capacity = 0; capacity <= expected.size() + 40; ++capacity)
        {
            Bytes out(capacity + 64, 0xA5);
            const size_t kept = PkCompression::Decompress(stream.data(), U32(stream.size()), out.data(), U32(capacity));
            ASSERT_EQ(kept, std::min(capacity, expected.size())) << distance << ", capacity " << capacity;
            ASSERT_TRUE(std::equal(out.begin(), out.begin() + kept, expected.begin())) << distance << ", " << capacity;
            ASSERT_EQ(Bytes(out.begin() + capacity, out.end()), Bytes(64, 0xA5)) << distance << ", capacity " << capacity;
        }
    }
}
