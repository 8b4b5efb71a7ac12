#pragma once
// The root of an N4 file: a node above the archive's root object, its one child. It has no
// record of its own; writing it writes its child, and with it the whole archive.
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4Root : public N4Node<ThreeDObjectRoot>
{
public:
    N4Root(N4TdoFile& file, int id, int child) : N4Node(file, id, 0), m_child(child) {}

    // The root has no record, so no offset.
    U64 GetFileOffset() const override;
    std::string GetType() const override { return ""; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    int GetChildCount() const override { return 1; }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override;

private:
    int m_child;
};
} // namespace Velmo::Papy
