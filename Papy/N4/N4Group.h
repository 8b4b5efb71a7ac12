#pragma once
// A named list of children with a bounding box. Record: 1, name, 1, 1, box, 1, child count n,
// byte size n x 4, n child references.
#include <vector>

#include "Papy/Model/ThreeDObjectGroup.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4Group : public N4Node<ThreeDObjectGroup>
{
public:
    static constexpr const char* DescriptorName = "GroupDescriptor";

    N4Group(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "Group"; }
    std::string GetName() const override { return m_name; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    int GetChildCount() const override { return int(m_children.size()); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override;
    // Refuses (XUsage) a child that is the group or holds it.
    void InsertChild(const Util::CountedPointer<ThreeDObject>& child, int i) override;
    void RemoveChild(int i) override;
    BoundingBox GetBoundingBox() const override { return m_box.Get(); }

    // The fixed fields that open the record (N4Archiver::ReadHead and WriteHead).
    template <class IO>
    void Head(IO& io)
    {
        io.Expect(1, "N4 3do Group reserved0 not 1");
        io.Text(m_name);
        io.Expect(1, "N4 3do Group reserved1 not 1");
        io.Expect(1, "N4 3do Group reserved2 not 1");
        io(m_box);
        io.Expect(1, "N4 3do Group reserved3 not 1");
    }

private:
    std::string m_name;
    Box m_box;
    std::vector<int> m_children;
};

class N4ArchiverGroup final : public N4ArchivedNode<N4Group>
{
};
extern const N4ArchiverGroup g_N4ArchiverGroup;
} // namespace Velmo::Papy
