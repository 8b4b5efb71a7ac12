#pragma once
// The archived type of a node class NodeT: its descriptor name is NodeT::DescriptorName and
// it creates nodes with NodeT's reading constructor (file, archive, id, position).
//
// A node class declares its archived type and the one global instance in its header:
//     class N4ArchiverGeometry final : public N4ArchivedNode<N4Geometry> {};
//     extern const N4ArchiverGeometry g_N4ArchiverGeometry;
// defines the instance in its source file, and is listed in N4ArchiverLists.cpp.
#include "Papy/N4/N4ArchivedType.h"
#include "Papy/N4/N4TdoFile.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
template <class NodeT>
class N4ArchivedNode : public N4ArchivedType<N4TdoFile>
{
public:
    constexpr N4ArchivedNode() = default;

    const char* GetDescriptorName() const override { return NodeT::DescriptorName; }

    void Create(N4Archiver& archive, int id, U64 position, N4TdoFile& file) const override
    {
        file.AddSubObject(Util::CountedPointer<ThreeDObject>(new NodeT(file, archive, id, position)));
    }
};
} // namespace Velmo::Papy
