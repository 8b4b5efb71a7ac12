#pragma once
// A named portal: triangles (three indices each) over a vertex list node.
//
// Record: 1, name (string), 1, 1, the vertex list (object reference), index count n (a
// multiple of 3), byte count n x 4, n int32 indices.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectPortal.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4Portal : public N4Node<ThreeDObjectPortal>
{
public:
    static constexpr const char* DescriptorName = "PortalDescriptor";

    N4Portal(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "Portal"; }
    std::string GetName() const override { return m_name; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    Util::CountedPointer<ThreeDObject> GetVertices() const override { return Child(m_vertices); }
    int GetIndexCount() const override { return int(m_indices.size()); }
    int GetIndex(int i) const override;

    // The fixed fields that open the record (N4Archiver::ReadHead and WriteHead).
    template <class IO>
    void Head(IO& io)
    {
        io.Expect(1, "N4 3do Portal reserved0 not 1");
        io.Text(m_name);
        io.Expect(1, "N4 3do Portal reserved1 not 1");
        io.Expect(1, "N4 3do Portal reserved2 not 1");
    }

private:
    std::string m_name;
    int m_vertices = 0;
    std::vector<S32> m_indices;
};

class N4ArchiverPortal final : public N4ArchivedNode<N4Portal>
{
};
extern const N4ArchiverPortal g_N4ArchiverPortal;
} // namespace Velmo::Papy
