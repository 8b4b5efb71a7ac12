#pragma once
// Little-endian reading and writing of the words of GPL .3do records. Every record body is
// read through these helpers from a stream that ends where its section ends, so a record can
// never read past its section, and a count is checked against the bytes that are really
// there before anything is reserved for it.
#include <vector>

#include "Papy/Model/Colour.h"
#include "Util/BinaryStream.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLRecord
{
public:
    // Reads count words with one read; a short stream fails with its read error.
    static void ReadWords(Util::BinaryStream& stream, U32* words, unsigned count);
    // Reads count words in blocks of an even number of words and hands each block to
    // use(words, n), without allocating.
    template <class Use>
    static void ReadEach(Util::BinaryStream& stream, U32 count, Use use)
    {
        U32 words[64];
        while (count != 0)
        {
            unsigned n = count < 64 ? count : 64;
            ReadWords(stream, words, n);
            use(static_cast<const U32*>(words), n);
            count -= n;
        }
    }
    static U32 ReadU32(Util::BinaryStream& stream);
    static float ReadF32(Util::BinaryStream& stream);

    // Reads a u32 element count and checks that count elements of elementSize bytes fit in
    // what is left of the stream (in 64 bits); otherwise fails with the stream's read error,
    // which reading them would have given, before anything is allocated.
    static U32 ReadCount(Util::BinaryStream& stream, U32 elementSize);

    static float WordToFloat(U32 word);
    static U32 FloatToWord(float value);

    // The colour word of the records: bytes blue, green, red, alpha.
    static Colour WordToColour(U32 word) { return Colour::FromWord(word); }
    static U32 ColourToWord(const Colour& colour) { return colour.GetWord(); }

    // Collects the bytes of one record (or of a part of it) and writes them with one write.
    class Writer
    {
    public:
        explicit Writer(std::size_t reserve = 64) { m_bytes.reserve(reserve); }
        Writer& U32(Velmo::U32 value);
        Writer& F32(float value);
        Writer& U16(Velmo::U16 value);
        void WriteTo(Util::BinaryStream& stream) const;
        std::size_t Size() const { return m_bytes.size(); }

    private:
        std::vector<U8> m_bytes;
    };
};
} // namespace Velmo::Papy
