#pragma once
// A list of vertex ids (type word 23): type, count n, n vertex ids. A file that holds one is
// a car object.
#include <string>
#include <vector>

#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/ThreeDObjectVertexFixer.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLVertexFixer : public GPLNode<ThreeDObjectVertexFixer>
{
public:
    static constexpr U32 TypeWord = 23;

    GPLVertexFixer(GPLTdoFile& file, int id, Util::RecordReader& reader);

    int GetVertexCount() const override { return int(m_vertexIds.size()); }
    Vertex GetVertex(int i) const override;
    int GetVertexId(int i) const override;
    void SetVertexId(int i, int id) override;

    std::string GetType() const override { return "23"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    std::vector<U32> m_vertexIds;
};
} // namespace Velmo::Papy
