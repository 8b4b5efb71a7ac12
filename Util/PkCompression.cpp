#include "Util/PkCompression.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "Util/Exception.h"

namespace Velmo::Util
{
namespace
{
// Result codes of the coder and the decoder (the first four are the format library's own;
// the last is this coder's answer to an output buffer that is too small).
enum Result
{
    CMP_NO_ERROR = 0,
    ResultBadDictionary = 1, // dictionary size (coder) or dictionary bits (decoder) not allowed
    ResultBadMode = 2,       // literal mode neither binary nor ASCII
    ResultShortInput = 3,    // the first input transfer held 4 bytes or fewer
    ResultInputEnded = 4,    // the input ran out before the end code
    ResultOutputFull = 5,    // the coded data does not fit the output (coder)
};

// The memory-to-memory transfer record shared by the two calls: what is left of the input
// and of the output.
struct Transfer
{
    const U8* input;
    U32 InBytesRemaining;
    U8* output;
    U32 OutBytesRemaining;
};

// Input reaches the decoder in transfers of this size, fetched only when it needs more bits;
// the bytes of the last transfer it fetched count as taken even when the end code came
// before them. Callers rely on this: stored entries may carry a few padding bytes after the
// end code, while a stream followed by a whole further transfer of bytes is refused.
//
// The coder needs no such accounting: it reads its input from memory and the whole input is
// always taken. Its output goes straight into the caller's buffer, checked as it is written,
// and a buffer too small for it is a failure, never a silently shortened stream.
constexpr U32 inputTransferSize = 2048;

int Implode(Transfer& dp);
int Explode(Transfer& dp);
} // namespace

U64 PkCompression::MaxCompressedSize(U32 inputSize)
{
    // Header, 9 bits per literal, the 16-bit end code, the padding; at least 5 bytes, as the
    // empty input gets one zero byte after its end code (decoders refuse 4 bytes or fewer).
    U64 size = 2 + (9 * U64(inputSize) + 16 + 7) / 8;
    return std::max<U64>(size, 5);
}

U64 PkCompression::MaxDecompressedSize(U32 compressedSize)
{
    // The densest token is the longest match (518 bytes) in 22 bits: flag, a 7-bit length
    // code with 8 extra bits, the 2-bit distance code and 4 low bits (1024-byte dictionary).
    if (compressedSize <= 2)
        return 0;
    U64 bits = 8 * U64(compressedSize - 2);
    return (bits + 21) / 22 * 518;
}

// The coder works on the caller's buffers directly and checks the output capacity as the
// bits are written, so nothing is ever dropped: coded data that does not fit fails the
// assertion. It never allocates (the match index lives on the stack, about 106 KiB), always
// writes binary mode with a 4096-byte dictionary, and every stream it makes decodes back to
// the input, the empty one included.
//
// The transfer record keeps the field names of the classic memory-to-memory interface, so
// the assertion reads as users of the library have always quoted it.
U32 PkCompression::Compress(const void* input, U32 inputSize, void* output, U32 outputCapacity)
{
    Transfer dp{static_cast<const U8*>(input), inputSize, static_cast<U8*>(output), outputCapacity};
    int result = Implode(dp);
    VELMO_ASSERT_AT(result == CMP_NO_ERROR && dp.InBytesRemaining == 0,
                    "result == CMP_NO_ERROR && dp.InBytesRemaining == 0", ".\\PkCompression.cpp", 79);
    return outputCapacity - dp.OutBytesRemaining;
}

// The decoder reads the literal mode and the dictionary size from the stream's header. The
// bytes it produces beyond the capacity are dropped and not counted; callers compare the
// result with the size they expect. A match that reaches back before the first byte (no
// coder makes one, a damaged stream may) copies zeros, never memory outside the output.
//
// The decoder takes its input in transfers of 2048 bytes: bytes after the end code inside
// the last transfer it needed are ignored, bytes in a later transfer fail the assertion.
//
// Results other than success (a literal mode or dictionary size the format does not have, a
// stream of 4 bytes or fewer, input that ends before the end code) are not returned: they
// all fail the assertion, and no partly decoded result ever reaches the caller. The output
// buffer may then hold some decoded bytes; callers discard it.
U32 PkCompression::Decompress(const void* input, U32 inputSize, void* output, U32 outputCapacity)
{
    Transfer dp{static_cast<const U8*>(input), inputSize, static_cast<U8*>(output), outputCapacity};
    int result = Explode(dp);
    VELMO_ASSERT_AT(result == CMP_NO_ERROR && dp.InBytesRemaining == 0,
                    "result == CMP_NO_ERROR && dp.InBytesRemaining == 0", ".\\PkCompression.cpp", 99);
    return outputCapacity - dp.OutBytesRemaining;
}

namespace
{
// ---------------------------------------------------------------------------------------------
// Decoding tables, built at compile time from the code tables.

struct LengthEntry
{
    U8 codeBits;  // bits of the length code
    U8 extraBits; // plain bits that follow it
    U16 base;     // first length index of the group
};

// Indexed by the next 8 bits of the stream (every length code is at most 7 bits).
constexpr std::array<LengthEntry, 256> MakeLengthTable()
{
    std::array<LengthEntry, 256> table{};
    for (int group = 0; group < 16; ++group)
    {
        int bits = PkCompression::lengthBits[group];
        for (int high = 0; high < (1 << (8 - bits)); ++high)
            table[PkCompression::lengthCodes[group] | (high << bits)] =
                LengthEntry{U8(bits), PkCompression::lengthExtraBits[group], PkCompression::lengthBase[group]};
    }
    return table;
}

struct DistanceEntry
{
    U8 codeBits;
    U8 high; // the high part of distance - 1
};

// Indexed by the next 8 bits (every distance code is at most 8 bits).
constexpr std::array<DistanceEntry, 256> MakeDistanceTable()
{
    std::array<DistanceEntry, 256> table{};
    for (int high = 0; high < 64; ++high)
    {
        int bits = PkCompression::distanceBits[high];
        for (int rest = 0; rest < (1 << (8 - bits)); ++rest)
            table[PkCompression::distanceCodes[high] | (rest << bits)] = DistanceEntry{U8(bits), U8(high)};
    }
    return table;
}

// Indexed by the next 13 bits (the longest literal code): the byte in the low 8 bits, the
// code length above them.
constexpr std::array<U16, 8192> MakeLiteralTable()
{
    std::array<U16, 8192> table{};
    for (int value = 0; value < 256; ++value)
    {
        int bits = PkCompression::literalBits[value];
        for (int high = 0; high < (1 << (13 - bits)); ++high)
            table[PkCompression::literalCodes[value] | (high << bits)] = U16(value | (bits << 8));
    }
    return table;
}

constexpr std::array<LengthEntry, 256> lengthTable = MakeLengthTable();
constexpr std::array<DistanceEntry, 256> distanceTable = MakeDistanceTable();
constexpr std::array<U16, 8192> literalTable = MakeLiteralTable();

inline U64 LoadLE64(const U8* p)
{
    U64 value;
    std::memcpy(&value, p, 8);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    value = __builtin_bswap64(value);
#endif
    return value;
}

inline void StoreLE32(U8* p, U32 value)
{
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    value = __builtin_bswap32(value);
#endif
    std::memcpy(p, &value, 4);
}

// ---------------------------------------------------------------------------------------------
// Decoder.
//
// The stream is read through a 64-bit bit buffer. Bytes past the end of the input read as
// zeros, and after every token the bits used are compared with what the input holds: the
// format's decoder keeps one byte of look-ahead beyond the bits it has used, so a token is
// complete only when the byte after its last bit exists. The end code alone may lack that
// byte (and so may its 8 extra bits be the last bits of the input).
class BitReader
{
public:
    BitReader(const U8* data, U32 size) : m_data(data), m_size(size) {}

    // Makes at least 56 bits available.
    void Refill()
    {
        if (m_next + 8 <= m_size)
        {
            m_bits |= LoadLE64(m_data + m_next) << m_count;
            m_next += (63 - m_count) >> 3;
            m_count |= 56;
            return;
        }
        while (m_count <= 56)
        {
            U64 byte = m_next < m_size ? m_data[m_next] : 0;
            m_bits |= byte << m_count;
            ++m_next;
            m_count += 8;
        }
    }

    U32 Peek(unsigned count) const { return U32(m_bits & ((U64(1) << count) - 1)); }
    U64 Bits() const { return m_bits; }
    void Drop(unsigned count)
    {
        m_bits >>= count;
        m_count -= count;
    }

    // The bits used since the first bit of the token stream (byte 2).
    U64 Used() const { return (m_next - 2) * 8 - m_count; }

private:
    const U8* m_data;
    U64 m_size;
    U64 m_bits = 0;
    unsigned m_count = 0;
    U64 m_next = 2; // the next byte to load
};

// Copies a match into the output. Bytes before the first output byte read as zero; bytes at
// or beyond the capacity are dropped (they can only be sources of dropped bytes).
inline void CopyMatch(U8* out, U64 capacity, U64 produced, U32 distance, U32 length)
{
    if (distance <= produced && produced + length + 8 <= capacity)
    {
        U8* to = out + produced;
        const U8* from = to - distance;
        U8* end = to + length;
        if (distance >= 8)
        {
            // Whole words; each reads only bytes already written. May write up to 7 bytes
            // past the match, inside the capacity, which later tokens overwrite.
            do
            {
                std::memcpy(to, from, 8);
                to += 8;
                from += 8;
            } while (to < end);
        }
        else if (distance == 1)
            std::memset(to, *from, length);
        else
        {
            do
                *to++ = *from++;
            while (to < end);
        }
        return;
    }
    for (U32 i = 0; i < length; ++i)
    {
        U64 at = produced + i;
        if (at >= capacity)
            break;
        out[at] = distance > at ? 0 : out[at - distance];
    }
}

template <bool ascii>
int ExplodeTokens(Transfer& dp, BitReader& in, unsigned dictionaryBits, U32 inputSize)
{
    U8* out = dp.output;
    const U64 capacity = dp.OutBytesRemaining;
    // A token is complete when the byte after its last used bit exists.
    const U64 usable = (U64(inputSize) - 3) * 8;
    const U32 lowMask = (1u << dictionaryBits) - 1;
    U64 produced = 0;

    for (;;)
    {
        in.Refill();
        if ((in.Bits() & 1) == 0)
        {
            U32 byte;
            if constexpr (ascii)
            {
                U32 entry = literalTable[U32(in.Bits() >> 1) & 0x1FFF];
                byte = entry & 0xFF;
                in.Drop(1 + (entry >> 8));
            }
            else
            {
                byte = U32(in.Bits() >> 1) & 0xFF;
                in.Drop(9);
            }
            if (in.Used() > usable)
                return ResultInputEnded;
            if (produced < capacity)
                out[produced] = U8(byte);
            ++produced;
            continue;
        }

        in.Drop(1);
        const LengthEntry& length = lengthTable[in.Peek(8)];
        in.Drop(length.codeBits);
        U32 index = length.base + in.Peek(length.extraBits);
        if (index == PkCompression::endCodeIndex)
        {
            // The end code's extra bits are taken without the look-ahead byte.
            if (in.Used() > usable)
                return ResultInputEnded;
            in.Drop(length.extraBits);
            U64 used = in.Used();
            U64 lastLoaded = used > usable ? inputSize - 1 : 2 + (used + 7) / 8;
            bool lastTransfer = lastLoaded / inputTransferSize == (U64(inputSize) - 1) / inputTransferSize;
            U64 kept = std::min(produced, capacity);
            dp.output += kept;
            dp.OutBytesRemaining -= U32(kept);
            dp.input += inputSize;
            dp.InBytesRemaining = lastTransfer ? 0 : U32(inputSize - (lastLoaded / inputTransferSize + 1) * inputTransferSize);
            return CMP_NO_ERROR;
        }
        in.Drop(length.extraBits);
        U32 matchLength = index + 2;

        const DistanceEntry& high = distanceTable[in.Peek(8)];
        in.Drop(high.codeBits);
        U32 distance;
        if (matchLength == 2)
        {
            distance = (U32(high.high) << 2 | in.Peek(2)) + 1;
            in.Drop(2);
        }
        else
        {
            distance = (U32(high.high) << dictionaryBits | (U32(in.Bits()) & lowMask)) + 1;
            in.Drop(dictionaryBits);
        }
        if (in.Used() > usable)
            return ResultInputEnded;
        if (produced < capacity)
            CopyMatch(out, capacity, produced, distance, matchLength);
        produced += matchLength;
    }
}

int Explode(Transfer& dp)
{
    // The first transfer: up to 2048 bytes.
    U32 size = dp.InBytesRemaining;
    if (std::min(size, inputTransferSize) <= 4)
        return ResultShortInput;
    const U8* data = dp.input;
    U32 mode = data[0];
    U32 dictionaryBits = data[1];
    if (dictionaryBits < 4 || dictionaryBits > 6)
        return ResultBadDictionary;
    if (mode > 1)
        return ResultBadMode;
    BitReader in(data, size);
    return mode == 1 ? ExplodeTokens<true>(dp, in, dictionaryBits, size)
                     : ExplodeTokens<false>(dp, in, dictionaryBits, size);
}

// ---------------------------------------------------------------------------------------------
// Coder: binary literals, 4096-byte dictionary.

constexpr U32 dictionarySize = 4096;
constexpr U32 dictionaryBitCount = 6;
constexpr U32 longestMatch = 516;
constexpr U32 pairHashCount = 2304; // 4 * 255 + 5 * 255 + 1
constexpr U32 chainSize = 8192; // a power of two above the dictionary size
constexpr U32 noPosition = 0xFFFFFFFFu;

// The bits of a match's length (flag, length code, extra bits) by length index, in sending
// order, and their count.
struct LengthSymbol
{
    U16 bits;
    U8 count;
};

constexpr std::array<LengthSymbol, 517> MakeLengthSymbols()
{
    std::array<LengthSymbol, 517> symbols{};
    for (U32 group = 0; group < 16; ++group)
    {
        U32 codeBits = PkCompression::lengthBits[group];
        U32 extraBits = PkCompression::lengthExtraBits[group];
        for (U32 extra = 0; extra < (1u << extraBits); ++extra)
        {
            U32 index = PkCompression::lengthBase[group] + extra;
            if (index >= 517)
                break;
            U32 bits = 1 | U32(PkCompression::lengthCodes[group]) << 1 | extra << (1 + codeBits);
            symbols[index] = LengthSymbol{U16(bits), U8(1 + codeBits + extraBits)};
        }
    }
    return symbols;
}

constexpr std::array<LengthSymbol, 517> lengthSymbols = MakeLengthSymbols();

class BitWriter
{
public:
    BitWriter(U8* out, U32 capacity) : m_out(out), m_start(out), m_end(out + capacity) {}

    // count <= 32; at most 31 bits are pending before the call.
    void Put(U32 bits, unsigned count)
    {
        m_bits |= U64(bits) << m_count;
        m_count += count;
        if (m_count >= 32)
        {
            if (m_end - m_out < 4)
            {
                m_full = true;
                m_out = m_end;
                m_count = 0;
                return;
            }
            StoreLE32(m_out, U32(m_bits));
            m_out += 4;
            m_bits >>= 32;
            m_count -= 32;
        }
    }

    // Writes the pending bits, the last byte padded with zero bits.
    void Finish()
    {
        while (m_count > 0 && !m_full)
        {
            if (m_out == m_end)
            {
                m_full = true;
                break;
            }
            *m_out++ = U8(m_bits);
            m_bits >>= 8;
            m_count = m_count > 8 ? m_count - 8 : 0;
        }
    }

    void PutByte(U8 byte)
    {
        if (m_full || m_out == m_end)
            m_full = true;
        else
            *m_out++ = byte;
    }

    bool Full() const { return m_full; }
    U32 Written() const { return U32(m_out - m_start); }

private:
    U8* m_out;
    U8* m_start;
    U8* m_end;
    U64 m_bits = 0;
    unsigned m_count = 0;
    bool m_full = false;
};

struct Match
{
    U32 length = 0;   // 0: none
    U32 distance = 0; // 1 is the byte just before
};

// The match search. Every match of 3 bytes or more starts with the same 3 bytes as the data
// at the position, so those are searched in chains of positions keyed by a hash of their
// first 3 bytes, nearest first; a candidate becomes the best only when strictly longer, so
// ties go to the nearest, except among full-length (516-byte) matches, where the farthest
// wins. When no such match exists the best is a 2-byte one, worth sending
// only within 256 bytes: the nearest is found in chains keyed by the byte pair's hash
// 4 * a + 5 * b, walked no further than that.
class MatchFinder
{
public:
    MatchFinder(const U8* data, U32 size) : m_data(data), m_size(size)
    {
        std::fill(std::begin(m_pairHead), std::end(m_pairHead), noPosition);
        std::fill(std::begin(m_tripleHead), std::end(m_tripleHead), noPosition);
    }

    // The longest match for the bytes at position (within the dictionary, at most 516 bytes
    // and not past the input's end); of equal lengths the nearest, but of full-length ones the
    // farthest. A 2-byte match is only reported within 256 bytes, as no farther one is sent.
    Match Find(U32 position)
    {
        Match best;
        if (U64(position) + 1 >= m_size)
            return best;
        IndexUpTo(position);
        const U8* here = m_data + position;
        U32 limit = std::min<U32>(longestMatch, m_size - position);
        if (limit >= 3)
        {
            U32 bestLength = 2;
            U32 candidate = m_tripleHead[TripleHash(here)];
            while (candidate != noPosition)
            {
                U32 distance = position - candidate;
                if (distance > dictionarySize)
                    break;
                const U8* there = m_data + candidate;
                if (there[bestLength] == here[bestLength] && there[0] == here[0] && there[1] == here[1] &&
                    there[2] == here[2])
                {
                    U32 length = MatchLength(there, here, limit);
                    if (length > bestLength)
                    {
                        bestLength = length;
                        best.length = length;
                        best.distance = distance;
                        if (length == longestMatch)
                        {
                            best.distance = FarthestFullMatch(m_tripleChain[candidate & (chainSize - 1)], position,
                                                              distance);
                            break;
                        }
                        if (length >= limit)
                            break;
                    }
                }
                candidate = m_tripleChain[candidate & (chainSize - 1)];
            }
            if (best.length != 0)
                return best;
        }
        U32 candidate = m_pairHead[PairHash(here)];
        while (candidate != noPosition && position - candidate <= 256)
        {
            if (m_data[candidate] == here[0] && m_data[candidate + 1] == here[1])
            {
                best.length = 2;
                best.distance = position - candidate;
                break;
            }
            candidate = m_pairChain[candidate & (chainSize - 1)];
        }
        return best;
    }

private:
    // The coder's search looks at older positions first and stops at the first match of the
    // longest length, so among full-length matches the farthest wins (of shorter equal
    // lengths, the nearest). Given the rest of the chain beyond a full-length match at
    // distance found, returns the distance of the farthest full-length match in the
    // dictionary. The candidates are gathered first and tested from the far end, so a long
    // run costs one test at the far end, not one per candidate.
    U32 FarthestFullMatch(U32 candidate, U32 position, U32 found)
    {
        U32 farther[dictionarySize];
        U32 count = 0;
        for (; candidate != noPosition && position - candidate <= dictionarySize;
             candidate = m_tripleChain[candidate & (chainSize - 1)])
            farther[count++] = candidate;
        const U8* here = m_data + position;
        while (count != 0)
        {
            const U8* there = m_data + farther[--count];
            if (there[longestMatch - 1] == here[longestMatch - 1] &&
                MatchLength(there, here, longestMatch) == longestMatch)
                return position - farther[count];
        }
        return found;
    }

    static U32 PairHash(const U8* p) { return 4u * p[0] + 5u * p[1]; }
    static U32 TripleHash(const U8* p)
    {
        return ((U32(p[0]) << 16 | U32(p[1]) << 8 | p[2]) * 2654435761u) >> (32 - tripleHashBits);
    }

    // Enters every position before the given one (a position is in the triple chains only
    // when 3 bytes start there).
    void IndexUpTo(U32 position)
    {
        for (; m_indexed < position; ++m_indexed)
        {
            const U8* p = m_data + m_indexed;
            U32 slot = m_indexed & (chainSize - 1);
            U32 pair = PairHash(p);
            m_pairChain[slot] = m_pairHead[pair];
            m_pairHead[pair] = m_indexed;
            if (m_indexed + 2 < m_size)
            {
                U32 triple = TripleHash(p);
                m_tripleChain[slot] = m_tripleHead[triple];
                m_tripleHead[triple] = m_indexed;
            }
        }
    }

    // The length of the common run of there and here, at most limit; here + limit is inside
    // the input and there lies before here.
    static U32 MatchLength(const U8* there, const U8* here, U32 limit)
    {
        U32 length = 0;
        while (length + 8 <= limit)
        {
            U64 difference = LoadLE64(there + length) ^ LoadLE64(here + length);
            if (difference != 0)
                return length + (__builtin_ctzll(difference) >> 3);
            length += 8;
        }
        while (length < limit && there[length] == here[length])
            ++length;
        return length;
    }

    static constexpr unsigned tripleHashBits = 13;

    const U8* m_data;
    U32 m_size;
    U32 m_indexed = 0;
    U32 m_pairHead[pairHashCount];
    U32 m_pairChain[chainSize];
    U32 m_tripleHead[1u << tripleHashBits];
    U32 m_tripleChain[chainSize];
};

void PutLiteral(BitWriter& out, U8 byte)
{
    out.Put(U32(byte) << 1, 9);
}

void PutMatch(BitWriter& out, const Match& match)
{
    const LengthSymbol& symbol = lengthSymbols[match.length - 2];
    out.Put(symbol.bits, symbol.count);
    U32 d = match.distance - 1;
    U32 lowBits = match.length == 2 ? 2 : dictionaryBitCount;
    U32 high = d >> lowBits;
    U32 codeBits = PkCompression::distanceBits[high];
    out.Put(PkCompression::distanceCodes[high] | (d & ((1u << lowBits) - 1)) << codeBits, codeBits + lowBits);
}

// A match worth sending: two-byte matches only within 256 bytes.
bool Usable(const Match& match)
{
    return match.length > 2 || (match.length == 2 && match.distance - 1 < 256);
}

int Implode(Transfer& dp)
{
    const U8* data = dp.input;
    const U32 size = dp.InBytesRemaining;
    BitWriter out(dp.output, dp.OutBytesRemaining);
    out.PutByte(0); // binary literals
    out.PutByte(dictionaryBitCount);

    MatchFinder finder(data, size);
    U32 position = 0;
    while (position < size && !out.Full())
    {
        Match match = finder.Find(position);
        for (;;)
        {
            if (!Usable(match))
            {
                PutLiteral(out, data[position]);
                ++position;
                break;
            }
            if (match.length < 8 && position + 1 < size)
            {
                // One byte later may start a longer match: then this byte goes as a literal.
                Match next = finder.Find(position + 1);
                if (!(next.length <= match.length ||
                      (next.length == match.length + 1 && match.distance - 1 <= 128)))
                {
                    PutLiteral(out, data[position]);
                    ++position;
                    match = next;
                    continue;
                }
            }
            PutMatch(out, match);
            position += match.length;
            break;
        }
    }

    // The end code: length index 517, with no distance.
    const U32 endBits = 1 | 0xFFu << 8;
    out.Put(endBits, 16);
    out.Finish();
    if (size == 0)
        out.PutByte(0); // keeps the stream above the 4 bytes every decoder refuses
    if (out.Full())
        return ResultOutputFull;
    dp.input += size;
    dp.InBytesRemaining = 0;
    dp.output += out.Written();
    dp.OutBytesRemaining -= out.Written();
    return CMP_NO_ERROR;
}
} // namespace
} // namespace Velmo::Util
