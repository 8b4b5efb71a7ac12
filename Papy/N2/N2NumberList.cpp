#include "Papy/N2/N2NumberList.h"

#include "Papy/N2/N2Record.h"

namespace Velmo::Papy
{
N2NumberList::N2NumberList(N2TdoFile& file, Util::RecordReader& reader, int id) : N2Node(file, id, U32(id))
{
    N2Record::ReadWords(reader, reader.ReadS32(), m_numbers);
}

void N2NumberList::SetNumberCount(int)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

void N2NumberList::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    WriteList(m_numbers, stream);
}

void N2NumberList::WriteList(const std::vector<S32>& numbers, Util::BinaryStream& stream)
{
    N2Record::Writer record(Type, 12 + 4 * numbers.size());
    record.Word(S32(numbers.size()));
    for (S32 number : numbers)
        record.Word(number);
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
