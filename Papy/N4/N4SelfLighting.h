#pragma once
// Self-lighting values over one child. Record: 1, 0, 1, 1, six doubles 0.0, 1, two flag
// bytes (the boolean list), the byte 1, nine doubles (the float list), child.
#include "Papy/Model/ThreeDObjectSelfLighting.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4SelfLighting : public N4Node<ThreeDObjectSelfLighting>
{
public:
    static constexpr const char* DescriptorName = "SelfLightingDescriptor";

    N4SelfLighting(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "SelfLighting"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;
    int GetBooleanCount() const override { return 2; }
    bool GetBoolean(int i) const override;
    int GetFloatCount() const override { return 9; }
    double GetFloat(int i) const override;

    Util::CountedPointer<ThreeDObject> GetChild() const override { return Child(m_child); }

    // The fixed fields that open the record (N4Archiver::ReadHead and WriteHead).
    template <class IO>
    void Head(IO& io)
    {
        io.Expect(1, "N4 3do SelfLighting reserved0 not 1");
        io.Expect(0, "N4 3do SelfLighting reserved1 not 0");
        io.Expect(1, "N4 3do SelfLighting reserved2 not 1");
        io.Expect(1, "N4 3do SelfLighting reserved3 not 1");
    }

private:
    F64 m_reserved[6] = {}; // zeros as read (a -0.0 is written back as such)
    U8 m_flags[2] = {};
    F64 m_values[9] = {};
    int m_child = 0;
};

class N4ArchiverSelfLighting final : public N4ArchivedNode<N4SelfLighting>
{
};
extern const N4ArchiverSelfLighting g_N4ArchiverSelfLighting;
} // namespace Velmo::Papy
