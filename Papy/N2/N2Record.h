#pragma once
// Little-endian reading and writing of the words of N2 .3do instruction records. Every record
// body is read from a stream that ends where the PRIM data ends, so a record can never read
// past it, and a count is checked against the bytes that are really there before anything
// is reserved for it.
#include <vector>

#include "Util/BinaryStream.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class N2Record
{
public:
    // The record header: type byte and a reserved word that is 0.
    static constexpr U32 HeaderSize = 5;

    // Reads count words with one read; a short stream fails with its read error.
    static void ReadWords(Util::BinaryStream& stream, S32* words, unsigned count);
    static S32 ReadWord(Util::BinaryStream& stream);

    // Checks that count elements of elementSize bytes fit in what is left of the stream (in
    // 64 bits); otherwise fails with the stream's read error, which reading them would have
    // given, before anything is allocated.
    static void CheckCount(Util::BinaryStream& stream, S64 count, U32 elementSize);

    // Collects the bytes of one record and writes them with one write.
    class Writer
    {
    public:
        // Starts the record with its header.
        explicit Writer(U8 type, std::size_t reserve = 64);
        Writer& Word(S32 value);
        Writer& Word(U32 value) { return Word(S32(value)); }
        Writer& Byte(U8 value);
        Writer& Half(U16 value);
        void WriteTo(Util::BinaryStream& stream) const;

    private:
        std::vector<U8> m_bytes;
    };
};
} // namespace Velmo::Papy
