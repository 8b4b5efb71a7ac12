#include "Papy/GPL/GPLTrackIndex.h"

#include "Papy/GPL/GPLListContents.h"
#include "Papy/GPL/GPLRecord.h"
#include "Util/Exception.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
GPLTrackIndex::GPLTrackIndex(GPLTdoFile& file, const ThreeDObjectNumberList& nl)
    : GPLNode(file, nl.GetId(), U32(nl.GetFileOffset()))
{
    std::vector<U32> numbers = GPLListContents::Numbers(nl);
    m_numbers.assign(numbers.begin(), numbers.end());
}

GPLTrackIndex::GPLTrackIndex(GPLTdoFile& file, int id, std::vector<int> numbers)
    : GPLNode(file, id, 0), m_numbers(std::move(numbers))
{
}

int GPLTrackIndex::GetIndex(int i) const
{
    Util::WalkMeter::Tick();
    VELMO_ASSERT(i >= 0 && i < GetIndexCount());
    return m_numbers[i];
}

void GPLTrackIndex::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer record(4 * (m_numbers.size() + 2));
    record.U32(16).U32(U32(m_numbers.size()));
    for (int number : m_numbers)
        record.U32(U32(number));
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
