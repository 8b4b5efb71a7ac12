#pragma once
// Chooses a child by the value of a named state variable. Record: 1, name, 1, 1, box, flag
// count f (at least 1; the integer list), variable name, f - 1 flag bytes (the boolean list),
// child count c, 0, 0, byte size c x 8 + 8, c + 1 state values, byte size c x 4, c child
// references.
#include <vector>

#include "Papy/Model/ThreeDObjectStateSwitch.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4StateSwitch : public N4Node<ThreeDObjectStateSwitch>
{
public:
    static constexpr const char* DescriptorName = "StateSwitchDescriptor";

    N4StateSwitch(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "StateSwitch"; }
    std::string GetName() const override { return m_name; }
    void Write(Util::BinaryStream& stream, U32 offset) override;
    // The flag count f.
    int GetIntegerCount() const override { return 1; }
    int GetInteger(int i) const override;
    int GetBooleanCount() const override { return int(m_flags.size()); }
    bool GetBoolean(int i) const override;

    std::string GetVariable() const override { return m_variable; }
    int GetChildCount() const override { return int(m_children.size()); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override;
    double GetStateValue(int i) const override;
    void SetStateValue(int i, double value) override;
    void RemoveChild(int i) override;
    BoundingBox GetBoundingBox() const override { return m_box.Get(); }

    // The fixed fields that open the record (N4Archiver::ReadHead and WriteHead).
    template <class IO>
    void Head(IO& io)
    {
        io.Expect(1, "N4 3do StateSwitch reserved0 not 1");
        io.Text(m_name);
        io.Expect(1, "N4 3do StateSwitch reserved1 not 1");
        io.Expect(1, "N4 3do StateSwitch reserved2 not 1");
        io(m_box);
    }

private:
    std::string m_name;
    Box m_box;
    std::string m_variable;
    std::vector<U8> m_flags; // as read, written back unchanged
    std::vector<double> m_states;
    std::vector<int> m_children;
};

class N4ArchiverStateSwitch final : public N4ArchivedNode<N4StateSwitch>
{
};
extern const N4ArchiverStateSwitch g_N4ArchiverStateSwitch;
} // namespace Velmo::Papy
