#pragma once
// A named node with two children. Record: 1, name, 1, 1, first child, second child.
#include <vector>

#include "Papy/Model/ThreeDObjectShape.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4Shape : public N4Node<ThreeDObjectShape>
{
public:
    static constexpr const char* DescriptorName = "ShapeDescriptor";

    N4Shape(N4TdoFile& file, N4Archiver& archive, int id, U64 position);
    N4Shape(N4TdoFile& file, int id, const std::string& name, int first, int second);

    std::string GetType() const override { return "Shape"; }
    std::string GetName() const override { return m_name; }
    void SetName(const std::string& name) override { m_name = name; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    Util::CountedPointer<ThreeDObject> GetAppearance() const override { return Child(m_first); }
    Util::CountedPointer<ThreeDObject> GetGeometry() const override { return Child(m_second); }

    // The fixed fields that open the record (N4Archiver::ReadHead and WriteHead).
    template <class IO>
    void Head(IO& io)
    {
        io.Expect(1, "N4 3do Shape reserved0 not 1");
        io.Text(m_name);
        io.Expect(1, "N4 3do Shape reserved1 not 1");
        io.Expect(1, "N4 3do Shape reserved2 not 1");
    }

private:
    std::string m_name;
    int m_first;
    int m_second;
};

class N4ArchiverShape final : public N4ArchivedNode<N4Shape>
{
};
extern const N4ArchiverShape g_N4ArchiverShape;
} // namespace Velmo::Papy
