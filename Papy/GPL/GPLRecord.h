#pragma once
// The words of GPL .3do records: floats and colours as stored, and the writer of a record.
// Records are read with a Util::RecordReader over their section, so a record can never read
// past its section, and a count is checked against the bytes that are really there before
// anything is reserved for it.
#include <vector>

#include "Papy/Model/Colour.h"
#include "Util/BinaryStream.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLRecord
{
public:
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
