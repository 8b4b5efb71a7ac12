#pragma once
// A splitter (type 17, sub-type 0) that picks among its children by the distance of the eye
// from a vertex. The word at offset 8 is the vertex id, the thresholds are f32 distances.
// The one splitter the editor can change.
#include <vector>

#include "Papy/GPL/GPLSplitterNode.h"
#include "Papy/Model/ThreeDObjectDistanceSplitter.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLDistanceSplitter : public GPLSplitterNode<ThreeDObjectDistanceSplitter, GPLDistanceSplitterKind>
{
public:
    // Reads the body behind the sub-type word.
    GPLDistanceSplitter(GPLTdoFile& file, int id, Util::RecordReader& reader);
    GPLDistanceSplitter(GPLTdoFile& file, int id, U32 vertexId, U32 comparisonOperator,
                        const std::vector<U32>& childIds, const std::vector<float>& distances);

    void DeleteChild(int i) override;
    double GetSplitDistance(int i) const override;
    // Stored as f32.
    void SetSplitDistance(int i, double distance) override;
    Vertex GetVertex() const override;
    int GetVertexId() const override;
    void SetVertexId(int id) override;
};
} // namespace Velmo::Papy
