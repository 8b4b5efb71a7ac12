#include "Papy/N2/N2ScaledBitmap.h"

#include "Papy/Model/N2Length.h"
#include "Papy/N2/N2Record.h"

namespace Velmo::Papy
{
N2ScaledBitmap::N2ScaledBitmap(N2TdoFile& file, Util::RecordReader& reader, int id) : N2Node(file, id, U32(id))
{
    S32 words[3];
    reader.ReadArray(words, 3);
    m_vertexId = words[0];
    m_nameOffset = words[1];
    m_kindAndHeight = U32(words[2]);
    const U32 kind = m_kindAndHeight >> 24;
    if (kind != 0x00 && kind != 0xC0 && kind != 0xFF)
        throw Util::XFileFormat(reader.GetName(), "N2 Scaled Bitmap scale/height type unrecognized");
}

void N2ScaledBitmap::SetSrbName(const std::string&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

double N2ScaledBitmap::GetHeight() const
{
    return N2LengthToMetres(S32(m_kindAndHeight & 0xFFFFFF));
}

void N2ScaledBitmap::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    N2Record::Writer record(Type, 20);
    record.Word(m_vertexId).Word(m_nameOffset).Word(m_kindAndHeight);
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
