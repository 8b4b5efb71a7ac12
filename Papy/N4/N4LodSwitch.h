#pragma once
// A level-of-detail switch: one child per split distance. Record: 1, 0, 1, 1, box, 2, child
// count n, three doubles (the float list), a byte (ignores preferences), byte size n x 8, n
// split distances, byte size n x 4, n child references.
#include <vector>

#include "Papy/Model/ThreeDObjectLodSwitch.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4LodSwitch : public N4Node<ThreeDObjectLodSwitch>
{
public:
    static constexpr const char* DescriptorName = "LodSwitchDescriptor";

    N4LodSwitch(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "LodSwitch"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;
    int GetFloatCount() const override { return 3; }
    double GetFloat(int i) const override;

    int GetChildCount() const override { return int(m_children.size()); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override;
    double GetSplitDistance(int i) const override;
    bool IgnoresPreferences() const override { return m_ignoresPreferences != 0; }
    BoundingBox GetBoundingBox() const override { return m_box.Get(); }

    // The fixed fields that open the record (N4Archiver::ReadHead and WriteHead).
    template <class IO>
    void Head(IO& io)
    {
        io.Expect(1, "N4 3do LodSwitch reserved0 not 1");
        io.Expect(0, "N4 3do LodSwitch reserved1 not 0");
        io.Expect(1, "N4 3do LodSwitch reserved2 not 1");
        io.Expect(1, "N4 3do LodSwitch reserved3 not 1");
        io(m_box);
        io.Expect(2, "N4 3do LodSwitch reserved4 not 2");
    }

private:
    Box m_box;
    F64 m_values[3] = {};
    U8 m_ignoresPreferences = 0; // as read, written back unchanged
    std::vector<double> m_distances;
    std::vector<int> m_children;
};

class N4ArchiverLodSwitch final : public N4ArchivedNode<N4LodSwitch>
{
};
extern const N4ArchiverLodSwitch g_N4ArchiverLodSwitch;
} // namespace Velmo::Papy
