#pragma once
// Eight corner vertices around one child (type word 25, 40 bytes): type, eight vertex ids,
// child reference.
#include <array>
#include <string>

#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/ThreeDObjectBoundingBox.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLBoundingBox : public GPLNode<ThreeDObjectBoundingBox>
{
public:
    static constexpr U32 TypeWord = 25;

    GPLBoundingBox(GPLTdoFile& file, int id, Util::RecordReader& reader);
    GPLBoundingBox(GPLTdoFile& file, int id, const std::array<U32, 8>& vertexIds, U32 childId);

    Util::CountedPointer<ThreeDObject> GetChild() const override { return Child(m_childId); }
    Vertex GetVertex(int i) const override;
    int GetVertexId(int i) const override;
    void SetVertexId(int i, int id) override;

    std::string GetType() const override { return "25"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    U32 m_childId;
    std::array<U32, 8> m_vertexIds;
};
} // namespace Velmo::Papy
