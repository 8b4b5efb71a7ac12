#include "Papy/GPL/GPLDistanceSplitter.h"

#include "Papy/GPL/GPLRecord.h"

namespace Velmo::Papy
{
namespace
{
std::vector<U32> DistanceWords(const std::vector<float>& distances)
{
    std::vector<U32> words;
    words.reserve(distances.size());
    for (float d : distances)
        words.push_back(GPLRecord::FloatToWord(d));
    return words;
}
} // namespace

GPLDistanceSplitter::GPLDistanceSplitter(GPLTdoFile& file, int id, Util::RecordReader& reader)
    : GPLSplitterNode(file, id, reader)
{
}

GPLDistanceSplitter::GPLDistanceSplitter(GPLTdoFile& file, int id, U32 vertexId, U32 comparisonOperator,
                                         const std::vector<U32>& childIds, const std::vector<float>& distances)
    : GPLSplitterNode(file, id, vertexId, comparisonOperator, DistanceWords(distances), childIds)
{
}

void GPLDistanceSplitter::DeleteChild(int i)
{
    const std::size_t entry = Entry(i);
    m_record.Thresholds.erase(m_record.Thresholds.begin() + std::ptrdiff_t(entry));
    m_record.ChildIds.erase(m_record.ChildIds.begin() + std::ptrdiff_t(entry));
}

double GPLDistanceSplitter::GetSplitDistance(int i) const
{
    return GPLRecord::WordToFloat(m_record.Thresholds[Entry(i)]);
}

void GPLDistanceSplitter::SetSplitDistance(int i, double distance)
{
    m_record.Thresholds[Entry(i)] = GPLRecord::FloatToWord(float(distance));
}

Vertex GPLDistanceSplitter::GetVertex() const
{
    return GetFile().GetVertex(m_record.Word);
}

int GPLDistanceSplitter::GetVertexId() const
{
    return int(m_record.Word);
}

void GPLDistanceSplitter::SetVertexId(int id)
{
    m_record.Word = U32(id);
}
} // namespace Velmo::Papy
