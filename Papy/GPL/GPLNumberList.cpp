#include "Papy/GPL/GPLNumberList.h"

#include "Papy/GPL/GPLRecord.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
GPLNumberList::GPLNumberList(GPLTdoFile& file, int id, Util::RecordReader& reader) : GPLNode(file, id, U32(id))
{
    U32 count = reader.ReadCount(4);
    m_numbers.resize(count);
    reader.ReadArray(m_numbers.data(), count);
}

GPLNumberList::GPLNumberList(GPLTdoFile& file, int id, std::vector<U32> numbers)
    : GPLNode(file, id, 0), m_numbers(std::move(numbers))
{
}

void GPLNumberList::SetNumberCount(int count)
{
    VELMO_ASSERT(count >= 0);
    m_numbers.resize(std::size_t(count), 0);
}

U32 GPLNumberList::GetNumber(int i) const
{
    VELMO_ASSERT(i >= 0 && i < GetNumberCount());
    return m_numbers[i];
}

void GPLNumberList::SetNumber(int i, U32 value)
{
    VELMO_ASSERT(i >= 0 && i < GetNumberCount());
    m_numbers[i] = value;
}

void GPLNumberList::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer().U32(TypeWord).U32(U32(m_numbers.size())).WriteTo(stream);
    for (U32 number : m_numbers)
        GPLRecord::Writer(4).U32(number).WriteTo(stream);
}
} // namespace Velmo::Papy
