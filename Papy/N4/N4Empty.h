#pragma once
// A node without content. Record: 1, 0.
#include "Papy/Model/ThreeDObjectEmpty.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4Empty : public N4Node<ThreeDObjectEmpty>
{
public:
    static constexpr const char* DescriptorName = "EmptyDescriptor";

    N4Empty(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "Empty"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;
};

class N4ArchiverEmpty final : public N4ArchivedNode<N4Empty>
{
};
extern const N4ArchiverEmpty g_N4ArchiverEmpty;
} // namespace Velmo::Papy
