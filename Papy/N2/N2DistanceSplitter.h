#pragma once
// Type 17, sub-kind 0: children chosen by the distance from a PREP vertex, thresholds in N2
// lengths.
#include "Papy/Model/ThreeDObjectDistanceSplitter.h"
#include "Papy/N2/N2SplitterNode.h"

namespace Velmo::Papy
{
class N2DistanceSplitter : public N2SplitterNode<ThreeDObjectDistanceSplitter, N2DistanceSplitterKind>
{
public:
    N2DistanceSplitter(N2TdoFile& file, Util::RecordReader& reader, int id) : N2SplitterNode(file, reader, id) {}

    // Removes threshold and child i; later entries move down.
    void DeleteChild(int i) override;
    double GetSplitDistance(int i) const override;
    // XUsage for a distance that has no N2 length.
    void SetSplitDistance(int i, double distance) override;
    Vertex GetVertex() const override;
    int GetVertexId() const override { return m_record.WordA; }
    void SetVertexId(int id) override { m_record.WordA = id; }
};
} // namespace Velmo::Papy
