#include "Papy/GPL/GPLTrackDrawingDistances.h"

#include "Papy/GPL/GPLListContents.h"
#include "Papy/GPL/GPLRecord.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
GPLTrackDrawingDistances::GPLTrackDrawingDistances(GPLTdoFile& file, const ThreeDObjectNumberList& nl)
    : GPLNode(file, nl.GetId(), U32(nl.GetFileOffset()))
{
    std::vector<U32> numbers = GPLListContents::Numbers(nl);
    m_records.reserve(numbers.size() / 4);
    std::size_t i = 0;
    for (; i + 4 <= numbers.size(); i += 4)
        m_records.push_back({int(numbers[i]), int(numbers[i + 1]), int(numbers[i + 2]), int(numbers[i + 3])});
    m_trailing.assign(numbers.begin() + std::ptrdiff_t(i), numbers.end());
}

GPLTrackDrawingDistances::GPLTrackDrawingDistances(GPLTdoFile& file, int id, std::vector<Record> records)
    : GPLNode(file, id, 0), m_records(std::move(records))
{
}

int GPLTrackDrawingDistances::Value(int i, int k) const
{
    VELMO_ASSERT(i >= 0 && i < GetRecordCount());
    return m_records[i][k];
}

void GPLTrackDrawingDistances::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer record(16 * (m_records.size() + 1) + 4 * m_trailing.size());
    record.U32(16).U32(U32(4 * m_records.size() + m_trailing.size()));
    for (const Record& r : m_records)
        for (int value : r)
            record.U32(U32(value));
    for (U32 value : m_trailing)
        record.U32(value);
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
