#pragma once
// Triangle vertex indices, three per triangle. Record: 1, 0, 1, 0, 1, index count n (a
// multiple of 3), byte count n x 4, n unsigned 32-bit indices.
#include <vector>

#include "Papy/Model/ThreeDObjectTriangles.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4TriList : public N4Node<ThreeDObjectTriangles>
{
public:
    static constexpr const char* DescriptorName = "TriListDescriptor";

    N4TriList(N4TdoFile& file, N4Archiver& archive, int id, U64 position);
    N4TriList(N4TdoFile& file, int id, const std::vector<U32>& indices);

    std::string GetType() const override { return "TriList"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    int GetIndexCount() const override { return int(m_indices.size()); }
    U32 GetIndex(int i) const override;
    void SetIndex(int i, U32 index) override;

private:
    std::vector<S32> m_indices;
};

class N4ArchiverTriList final : public N4ArchivedNode<N4TriList>
{
};
extern const N4ArchiverTriList g_N4ArchiverTriList;
} // namespace Velmo::Papy
