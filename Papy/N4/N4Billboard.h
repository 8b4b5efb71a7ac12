#pragma once
// A translation and a rotation axis over one child. Record: 1, 0, 1, 1, box, 1, translation
// x, y, z, rotation axis x, y, z (doubles), child.
#include "Papy/Model/ThreeDObjectBillboard.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4Billboard : public N4Node<ThreeDObjectBillboard>
{
public:
    static constexpr const char* DescriptorName = "BillboardDescriptor";

    N4Billboard(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "Billboard"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    Util::CountedPointer<ThreeDObject> GetChild() const override { return Child(m_child); }
    double GetXTranslation() const override { return m_values[0]; }
    void SetXTranslation(double value) override { m_values[0] = value; }
    double GetYTranslation() const override { return m_values[1]; }
    void SetYTranslation(double value) override { m_values[1] = value; }
    double GetZTranslation() const override { return m_values[2]; }
    void SetZTranslation(double value) override { m_values[2] = value; }
    double GetRotationAxisX() const override { return m_values[3]; }
    void SetRotationAxisX(double value) override { m_values[3] = value; }
    double GetRotationAxisY() const override { return m_values[4]; }
    void SetRotationAxisY(double value) override { m_values[4] = value; }
    double GetRotationAxisZ() const override { return m_values[5]; }
    void SetRotationAxisZ(double value) override { m_values[5] = value; }
    BoundingBox GetBoundingBox() const override { return m_box.Get(); }

    // The fixed fields that open the record (N4Archiver::ReadHead and WriteHead).
    template <class IO>
    void Head(IO& io)
    {
        io.Expect(1, "N4 3do Billboard reserved0 not 1");
        io.Expect(0, "N4 3do Billboard reserved1 not 0");
        io.Expect(1, "N4 3do Billboard reserved2 not 1");
        io.Expect(1, "N4 3do Billboard reserved3 not 1");
        io(m_box);
        io.Expect(1, "N4 3do Billboard reserved5 not 1");
        io(m_values);
    }

private:
    Box m_box;
    F64 m_values[6] = {}; // translation x, y, z, rotation axis x, y, z
    int m_child = 0;
};

class N4ArchiverBillboard final : public N4ArchivedNode<N4Billboard>
{
};
extern const N4ArchiverBillboard g_N4ArchiverBillboard;
} // namespace Velmo::Papy
