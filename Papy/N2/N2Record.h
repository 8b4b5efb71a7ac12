#pragma once
// The framing of N2 .3do instruction records: the record header, the count check of the
// counted lists (int32 counts) and the writing of a record. Record bodies are read through a
// RecordReader that ends where the PRIM data ends, so a record can never read past it.
#include <vector>

#include "Util/BinaryStream.h"
#include "Util/ByteWriter.h"
#include "Util/RecordReader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class N2Record
{
public:
    // The record header: type byte and a reserved word that is 0.
    static constexpr U32 HeaderSize = 5;

    // Checks that count elements of elementSize bytes fit in what is left of the reader (a
    // negative count never does); otherwise fails with the reader's short read, which reading
    // them would have given, before anything is allocated.
    static void CheckCount(const Util::RecordReader& reader, S64 count, U32 elementSize);

    // Reads count 32-bit words into list, the count checked first as above.
    template <class T>
    static void ReadWords(Util::RecordReader& reader, S64 count, std::vector<T>& list)
    {
        static_assert(sizeof(T) == 4);
        CheckCount(reader, count, 4);
        list.resize(std::size_t(count));
        reader.ReadArray(list.data(), U64(count));
    }

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
        void WriteTo(Util::BinaryStream& stream) const { m_bytes.WriteTo(stream); }

    private:
        Util::ByteWriter m_bytes;
    };
};
} // namespace Velmo::Papy
