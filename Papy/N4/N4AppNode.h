#pragma once
// An application node: fifteen integers (the integer list) and a text over one child.
// Record: 1, 0, version 1, fifteen int32, text, child.
#include "Papy/Model/ThreeDObjectAppNode.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4AppNode : public N4Node<ThreeDObjectAppNode>
{
public:
    static constexpr const char* DescriptorName = "AppNodeDescriptor";

    N4AppNode(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "AppNode"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;
    int GetIntegerCount() const override { return 15; }
    int GetInteger(int i) const override;

    Util::CountedPointer<ThreeDObject> GetChild() const override { return Child(m_child); }
    std::string GetText() const override { return m_text; }

    // The fixed fields that open the record (N4Archiver::ReadHead and WriteHead).
    template <class IO>
    void Head(IO& io)
    {
        io.Expect(1, "N4 3do AppNode reserved0 not 1");
        io.Expect(0, "N4 3do AppNode reserved1 not 0");
        io.Expect(1, "N4 3do AppNode unsupported version");
        io(m_integers);
        io.Text(m_text);
    }

private:
    S32 m_integers[15] = {};
    std::string m_text;
    int m_child = 0;
};

class N4ArchiverAppNode final : public N4ArchivedNode<N4AppNode>
{
};
extern const N4ArchiverAppNode g_N4ArchiverAppNode;
} // namespace Velmo::Papy
