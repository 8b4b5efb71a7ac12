#include "Util/PkCompression.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

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
    ResultPrefixDone = 6,    // the output is full and the decoder was asked to stop there
};

// The memory-to-memory transfer record shared by the two calls: what is left of the input
// and of the output.
struct Transfer
{
    const U8* input;
    U32 InBytesRemaining;
    U8* output;
    U32 OutBytesRemaining;
    // The decoder stops once it has produced this many bytes (DecompressPrefix, Measure).
    U64 StopAt = ~U64(0);
    // The bytes it produced, kept or dropped, when it ended or stopped.
    U64 Produced = 0;
};

// Every byte the decoder has produced, kept or not.
U64 decodedBytes = 0;

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

void PkCompression::CheckUnpackedSize(const std::string& file, const std::string& name, U64 size)
{
    if (size > MaxUnpackedSize)
        throw XFileFormat(file, name + " would unpack to " + std::to_string(size) + " bytes, more than the " +
                                    std::to_string(MaxUnpackedSize) + " bytes allowed for one file");
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
    decodedBytes += dp.Produced;
    VELMO_ASSERT_AT(result == CMP_NO_ERROR && dp.InBytesRemaining == 0,
                    "result == CMP_NO_ERROR && dp.InBytesRemaining == 0", ".\\PkCompression.cpp", 99);
    return outputCapacity - dp.OutBytesRemaining;
}

U64 PkCompression::Measure(const void* input, U32 inputSize, U64 limit)
{
    Transfer dp{static_cast<const U8*>(input), inputSize, nullptr, 0, limit + 1};
    int result = Explode(dp);
    if (result == ResultPrefixDone)
        return limit + 1;
    VELMO_ASSERT_AT(result == CMP_NO_ERROR && dp.InBytesRemaining == 0,
                    "result == CMP_NO_ERROR && dp.InBytesRemaining == 0", ".\\PkCompression.cpp", 99);
    return dp.Produced;
}

U64 PkCompression::GetDecodedBytes()
{
    return decodedBytes;
}

U32 PkCompression::DecompressPrefix(const void* input, U32 inputSize, void* output, U32 outputCapacity)
{
    Transfer dp{static_cast<const U8*>(input), inputSize, static_cast<U8*>(output), outputCapacity, outputCapacity};
    int result = Explode(dp);
    decodedBytes += dp.Produced;
    if (result == ResultPrefixDone)
        return outputCapacity;
    VELMO_ASSERT_AT(result == CMP_NO_ERROR && dp.InBytesRemaining == 0,
                    "result == CMP_NO_ERROR && dp.InBytesRemaining == 0", ".\\PkCompression.cpp", 99);
    return outputCapacity - dp.OutBytesRemaining;
}

namespace
{
// ---------------------------------------------------------------------------------------------
// Decoding tables, built at compile time from the code tables.

// A match's length, from the 8 bits after its flag (every length code is at most 7 bits).
// Where the code and its extra bits fit in those 8 bits, one look-up gives the length index
// itself (every length up to 23, the common ones); otherwise it gives the code's bits and the
// group's first index, and the extra bits follow.
struct LengthEntry
{
    U8 bits;    // the bits the look-up takes: the code, with its extra bits when they fit
    U8 extra;   // the extra bits still to read after those
    U16 index;  // the length index, or the group's first index when extra bits remain
};

constexpr std::array<LengthEntry, 256> MakeLengthTable()
{
    std::array<LengthEntry, 256> table{};
    for (int group = 0; group < 16; ++group)
    {
        const int code = PkCompression::lengthBits[group];
        const int extra = PkCompression::lengthExtraBits[group];
        const int base = PkCompression::lengthBase[group];
        for (int high = 0; high < (1 << (8 - code)); ++high)
        {
            LengthEntry entry{U8(code), U8(extra), U16(base)};
            if (code + extra <= 8)
                entry = LengthEntry{U8(code + extra), 0, U16(base + (high & ((1 << extra) - 1)))};
            table[PkCompression::lengthCodes[group] | (high << code)] = entry;
        }
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

// A match from the 12 bits after its flag, when its length code (with its extra bits, which
// must fit in 8 bits: lengths up to 23, see LengthEntry) and its distance code fit in them,
// as most matches' do: one look-up gives the bits the match takes (flag and low distance bits
// included), its length, the high part of its distance and where the distance's low bits
// start. Any other match (and the end code) has used 0. One table per dictionary size, each
// 16 KiB.
struct MatchEntry
{
    U8 used;
    U8 length;
    U8 high;
    U8 lowAt;
};

template <unsigned dictionaryBits>
constexpr std::array<MatchEntry, 4096> MakeMatchTable()
{
    std::array<MatchEntry, 4096> table{};
    const auto lengths = MakeLengthTable();
    const auto distances = MakeDistanceTable();
    for (U32 v = 0; v < 4096; ++v)
    {
        const auto length = lengths[v & 0xFF];
        if (length.extra != 0)
            continue;
        const auto distance = distances[(v >> length.bits) & 0xFF];
        const unsigned codes = 1 + length.bits + distance.codeBits;
        if (codes > 13)
            continue;
        const unsigned low = length.index == 0 ? 2 : dictionaryBits;
        table[v] = MatchEntry{U8(codes + low), U8(length.index + 2), distance.high, U8(codes)};
    }
    return table;
}

template <unsigned dictionaryBits>
constexpr std::array<MatchEntry, 4096> matchTable = MakeMatchTable<dictionaryBits>();

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
    // From a reader's state: the next byte to load, and the bits loaded but not used.
    BitReader(const U8* data, U32 size, U64 next, U64 bits, unsigned count)
        : m_data(data), m_size(size), m_bits(bits), m_count(count), m_next(next)
    {
    }

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
    U64 m_bits;
    unsigned m_count;
    U64 m_next; // the next byte to load
};

// The most a match copy writes past its last byte, plus one (it copies whole words).
constexpr U64 copyOverrun = 16;

// Copies a match into the output. Bytes before the first output byte read as zero; bytes at
// or beyond the capacity are dropped (they can only be sources of dropped bytes).
inline void CopyMatch(U8* out, U64 capacity, U64 produced, U32 distance, U32 length)
{
    if (distance <= produced && produced + length + copyOverrun <= capacity)
    {
        U8* to = out + produced;
        const U8* from = to - distance;
        U8* end = to + length;
        // Whole words; each reads only bytes already written. May write up to copyOverrun - 1
        // bytes past the match, inside the capacity, which later tokens overwrite.
        if (distance >= 16)
        {
            do
            {
                std::memcpy(to, from, 16);
                to += 16;
                from += 16;
            } while (to < end);
        }
        else if (distance >= 8)
        {
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

// The end code, its code bits taken: takes its extra bits and settles the transfer record.
int Finish(Transfer& dp, BitReader& in, unsigned extraBits, U64 usable, U32 inputSize, U64 produced, U64 capacity)
{
    // The end code's extra bits are taken without the look-ahead byte.
    if (in.Used() > usable)
        return ResultInputEnded;
    in.Drop(extraBits);
    U64 used = in.Used();
    U64 lastLoaded = used > usable ? inputSize - 1 : 2 + (used + 7) / 8;
    bool lastTransfer = lastLoaded / inputTransferSize == (U64(inputSize) - 1) / inputTransferSize;
    U64 kept = std::min(produced, capacity);
    dp.Produced = produced;
    dp.output += kept;
    dp.OutBytesRemaining -= U32(kept);
    dp.input += inputSize;
    dp.InBytesRemaining = lastTransfer ? 0 : U32(inputSize - (lastLoaded / inputTransferSize + 1) * inputTransferSize);
    return CMP_NO_ERROR;
}

// The distance of a match of matchLength bytes (its length taken).
inline U32 TakeDistance(BitReader& in, U32 matchLength, unsigned dictionaryBits)
{
    const DistanceEntry& high = distanceTable[in.Peek(8)];
    in.Drop(high.codeBits);
    const unsigned low = matchLength == 2 ? 2 : dictionaryBits;
    U32 distance = (U32(high.high) << low | in.Peek(low)) + 1;
    in.Drop(low);
    return distance;
}

// Copies a match whose source lies inside the output, with room for the copy's overrun.
inline void QuickCopy(U8* to, U32 distance, U32 length)
{
    const U8* from = to - distance;
    U8* const end = to + length;
    if (distance >= 16)
    {
        std::memcpy(to, from, 16);
        while (length > 16)
        {
            to += 16;
            from += 16;
            std::memcpy(to, from, 16);
            length -= 16;
        }
    }
    else if (distance >= 8)
    {
        do
        {
            std::memcpy(to, from, 8);
            to += 8;
            from += 8;
        } while (to < end);
    }
    else
    {
        // The pattern of distance bytes, repeated over 8 bytes, stored every whole number of
        // patterns that fits in 8 bytes.
        static constexpr U8 steps[8] = {0, 8, 8, 6, 8, 5, 6, 7};
        U8 pattern[8];
        for (U32 i = 0; i < 8; ++i)
            pattern[i] = from[i % distance];
        const U32 step = steps[distance];
        do
        {
            std::memcpy(to, pattern, 8);
            to += step;
        } while (to < end);
    }
}

// The output the quick part needs free before a token: the longest match and its copy's
// overrun.
constexpr U64 quickRoom = 518 + copyOverrun;

inline U64 LowBits(U64 bits, unsigned count)
{
    return bits & ((U64(1) << count) - 1);
}

// Decodes the tokens.
//
// The quick part runs while at least 8 input bytes lie ahead and the output has room for a
// whole match: then no token can run past either end (a refill leaves at least one loaded byte
// after every bit a token can use, so every token there is complete), and nothing is checked.
// It keeps the bit buffer in locals (stores of bytes cannot touch them), takes runs of literals
// without refilling and reads most matches with one look-up (MatchEntry). The careful part
// takes the rest, checking every token.
template <bool ascii, unsigned dictionaryBits>
int ExplodeTokens(Transfer& dp, U32 inputSize)
{
    const U8* const data = dp.input;
    U8* const out = dp.output;
    const U64 capacity = dp.OutBytesRemaining;
    // A token is complete when the byte after its last used bit exists.
    const U64 usable = (U64(inputSize) - 3) * 8;

    const U8* at = data + 2;
    U64 bits = 0;
    unsigned count = 0;
    U8* to = out;
    if (inputSize >= 10 && capacity >= quickRoom)
    {
        const U8* const atLast = data + inputSize - 8;
        U8* const toLast = out + capacity - quickRoom;
        while (at <= atLast && to <= toLast)
        {
            // At least 56 bits; a token takes at most 30, a literal at most 14.
            bits |= LoadLE64(at) << count;
            at += (63 - count) >> 3;
            count |= 56;
            if ((bits & 1) == 0)
            {
                // A run of literals, as many as the bits surely hold (at most 7: inside the
                // room).
                if constexpr (ascii)
                {
                    do
                    {
                        const U32 entry = literalTable[U32(bits >> 1) & 0x1FFF];
                        *to++ = U8(entry);
                        const unsigned used = 1 + (entry >> 8);
                        bits >>= used;
                        count -= used;
                    } while ((bits & 1) == 0 && count >= 14);
                }
                else
                {
                    do
                    {
                        *to++ = U8(bits >> 1);
                        bits >>= 9;
                        count -= 9;
                    } while ((bits & 1) == 0 && count >= 9);
                }
                continue;
            }

            U32 matchLength;
            U32 distance;
            const MatchEntry match = matchTable<dictionaryBits>[(bits >> 1) & 0xFFF];
            if (match.used != 0)
            {
                const unsigned low = match.used - match.lowAt;
                distance = (U32(match.high) << low | U32(LowBits(bits >> match.lowAt, low))) + 1;
                matchLength = match.length;
                bits >>= match.used;
                count -= match.used;
            }
            else
            {
                // A long length or long codes: the length, then the distance.
                const LengthEntry length = lengthTable[(bits >> 1) & 0xFF];
                unsigned used = 1 + length.bits;
                const U32 index = length.index + U32(LowBits(bits >> used, length.extra));
                if (index == PkCompression::endCodeIndex)
                {
                    BitReader in(data, inputSize, U64(at - data), bits >> used, count - used);
                    return Finish(dp, in, length.extra, usable, inputSize, U64(to - out), capacity);
                }
                used += length.extra;
                matchLength = index + 2;
                const DistanceEntry high = distanceTable[(bits >> used) & 0xFF];
                used += high.codeBits;
                const unsigned low = index == 0 ? 2 : dictionaryBits;
                distance = (U32(high.high) << low | U32(LowBits(bits >> used, low))) + 1;
                used += low;
                bits >>= used;
                count -= used;
            }
            const U64 produced = U64(to - out);
            if (distance <= produced)
                QuickCopy(to, distance, matchLength);
            else
                CopyMatch(out, capacity, produced, distance, matchLength);
            to += matchLength;
        }
    }

    U64 produced = U64(to - out);
    BitReader in(data, inputSize, U64(at - data), bits, count);
    for (;;)
    {
        if (produced >= dp.StopAt)
        {
            dp.Produced = produced;
            return ResultPrefixDone;
        }
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
        const LengthEntry length = lengthTable[in.Peek(8)];
        in.Drop(length.bits);
        const U32 index = length.index + in.Peek(length.extra);
        if (index == PkCompression::endCodeIndex)
            return Finish(dp, in, length.extra, usable, inputSize, produced, capacity);
        in.Drop(length.extra);
        const U32 matchLength = index + 2;
        const U32 distance = TakeDistance(in, matchLength, dictionaryBits);
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
    switch (dictionaryBits * 2 + mode)
    {
    case 8:
        return ExplodeTokens<false, 4>(dp, size);
    case 9:
        return ExplodeTokens<true, 4>(dp, size);
    case 10:
        return ExplodeTokens<false, 5>(dp, size);
    case 11:
        return ExplodeTokens<true, 5>(dp, size);
    case 12:
        return ExplodeTokens<false, 6>(dp, size);
    default:
        return ExplodeTokens<true, 6>(dp, size);
    }
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
