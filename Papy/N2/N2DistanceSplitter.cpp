#include "Papy/N2/N2DistanceSplitter.h"

#include "Papy/Model/N2Length.h"
#include "Papy/N2/N2TransformationFamily.h"

namespace Velmo::Papy
{
void N2DistanceSplitter::DeleteChild(int i)
{
    const std::size_t at = At(m_record.ChildIds, i);
    m_record.ChildIds.erase(m_record.ChildIds.begin() + at);
    m_record.Thresholds.erase(m_record.Thresholds.begin() + at);
}

double N2DistanceSplitter::GetSplitDistance(int i) const
{
    return N2LengthToMetres(m_record.Thresholds[At(m_record.Thresholds, i)]);
}

void N2DistanceSplitter::SetSplitDistance(int i, double distance)
{
    const std::size_t at = At(m_record.Thresholds, i);
    m_record.Thresholds[at] = N2LengthWord(distance);
}

Vertex N2DistanceSplitter::GetVertex() const
{
    return GetFile().GetVertex(U32(m_record.WordA));
}
} // namespace Velmo::Papy
