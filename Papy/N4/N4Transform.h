#pragma once
// A named translation and rotation over one child. Record: 1, name, 1, 1, box, 1,
// translation x, y, z, rotation x, y, z (doubles), child.
#include "Papy/Model/ThreeDObjectTransform.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4Transform : public N4Node<ThreeDObjectTransform>
{
public:
    static constexpr const char* DescriptorName = "TransformDescriptor";

    N4Transform(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "Transform"; }
    std::string GetName() const override { return m_name; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    Util::CountedPointer<ThreeDObject> GetChild() const override { return Child(m_child); }
    double GetXTranslation() const override { return m_values[0]; }
    void SetXTranslation(double value) override { m_values[0] = value; }
    double GetYTranslation() const override { return m_values[1]; }
    void SetYTranslation(double value) override { m_values[1] = value; }
    double GetZTranslation() const override { return m_values[2]; }
    void SetZTranslation(double value) override { m_values[2] = value; }
    double GetXRotation() const override { return m_values[3]; }
    void SetXRotation(double value) override { m_values[3] = value; }
    double GetYRotation() const override { return m_values[4]; }
    void SetYRotation(double value) override { m_values[4] = value; }
    double GetZRotation() const override { return m_values[5]; }
    void SetZRotation(double value) override { m_values[5] = value; }
    BoundingBox GetBoundingBox() const override { return m_box.Get(); }

    // The fixed fields that open the record (N4Archiver::ReadHead and WriteHead).
    template <class IO>
    void Head(IO& io)
    {
        io.Expect(1, "N4 3do Transform reserved0 not 1");
        io.Text(m_name);
        io.Expect(1, "N4 3do Transform reserved1 not 1");
        io.Expect(1, "N4 3do Transform reserved2 not 1");
        io(m_box);
        io.Expect(1, "N4 3do Transform reserved4 not 1");
        io(m_values);
    }

private:
    std::string m_name;
    Box m_box;
    F64 m_values[6] = {}; // translation x, y, z, rotation x, y, z
    int m_child = 0;
};

class N4ArchiverTransform final : public N4ArchivedNode<N4Transform>
{
};
extern const N4ArchiverTransform g_N4ArchiverTransform;
} // namespace Velmo::Papy
