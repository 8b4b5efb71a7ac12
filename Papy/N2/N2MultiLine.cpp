#include "Papy/N2/N2MultiLine.h"

#include "Papy/N2/N2MultiLineSegment.h"
#include "Papy/N2/N2Record.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
N2MultiLine::N2MultiLine(N2TdoFile& file, int id, S32 value, S32 colourIndex, S32 count,
                         Util::RecordReader& reader)
    : N2Node(file, id, U32(id)), m_colourIndex(colourIndex), m_value(value)
{
    N2Record::ReadWords(reader, count, m_points);
    if (count > 1)
        m_segments.reserve(std::size_t(count) - 1);
    for (std::size_t k = 1; k < m_points.size(); ++k)
    {
        const int segmentId = file.NewId();
        file.AddSubObject(Util::CountedPointer<ThreeDObject>(
            new N2MultiLineSegment(file, segmentId, m_colourIndex, m_points[k - 1], m_points[k])));
        m_segments.push_back(segmentId);
    }
}

void N2MultiLine::InsertChild(const Util::CountedPointer<ThreeDObject>&, int)
{
    throw Util::XUsage("N2MultiLine adding line segments not supported");
}

void N2MultiLine::RemoveChild(int)
{
    throw Util::XUsage("N2MultiLine deleting line segments not supported");
}

void N2MultiLine::AppendChildIds(std::vector<U32>& ids) const
{
    for (int id : m_segments)
        ids.push_back(U32(id));
}

void N2MultiLine::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    N2Record::Writer record(Type, 20 + 4 * m_points.size());
    record.Word(m_value).Word(m_colourIndex).Word(S32(m_points.size()));
    for (S32 point : m_points)
        record.Word(point);
    record.WriteTo(stream);
}
} // namespace Velmo::Papy
