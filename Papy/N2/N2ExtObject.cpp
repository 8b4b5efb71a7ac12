#include "Papy/N2/N2ExtObject.h"

#include "Papy/N2/N2Record.h"

namespace Velmo::Papy
{
N2ExtObject::N2ExtObject(N2TdoFile& file, Util::RecordReader& reader, int id) : N2Node(file, id, U32(id))
{
    S32 words[2];
    reader.ReadArray(words, 2);
    m_nameOffset = words[0];
    if (words[1] != 0)
        throw Util::XFileFormat(reader.GetName(), "N2 3DO type 14 second word not zero");
}

void N2ExtObject::SetObjectName(const std::string&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

void N2ExtObject::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    N2Record::Writer record(Type, 16);
    record.Word(m_nameOffset).Word(S32(0));
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
