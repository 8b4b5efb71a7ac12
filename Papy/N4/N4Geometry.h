#pragma once
// A node with two children. Record: 1, 0, version 1, first child, second child.
#include "Papy/Model/ThreeDObjectGeometry.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4Geometry : public N4Node<ThreeDObjectGeometry>
{
public:
    static constexpr const char* DescriptorName = "GeometryDescriptor";

    N4Geometry(N4TdoFile& file, N4Archiver& archive, int id, U64 position);
    N4Geometry(N4TdoFile& file, int id, int first, int second);

    std::string GetType() const override { return "Geometry"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    Util::CountedPointer<ThreeDObject> GetVertices() const override { return Child(m_first); }
    Util::CountedPointer<ThreeDObject> GetPolygons() const override { return Child(m_second); }

    // The fixed fields that open the record (N4Archiver::ReadHead and WriteHead).
    template <class IO>
    void Head(IO& io)
    {
        io.Expect(1, "N4 3do Geometry reserved0 not 1");
        io.Expect(0, "N4 3do Geometry reserved1 not 0");
        io.Expect(1, "N4 3do Geometry unsupported version");
    }

private:
    int m_first;
    int m_second;
};

class N4ArchiverGeometry final : public N4ArchivedNode<N4Geometry>
{
};
extern const N4ArchiverGeometry g_N4ArchiverGeometry;
} // namespace Velmo::Papy
