#pragma once
// A triangle fan over a vertex list node.
#include "Papy/Model/ThreeDObjectTriangleFan.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4IndexedPrimitive.h"

namespace Velmo::Papy
{
struct N4TriFanTraits
{
    static constexpr const char* Type = "TriFan";
    static constexpr const char* Reserved0 = "N4 3do TriFan reserved0 not 1";
    static constexpr const char* Reserved1 = "N4 3do TriFan reserved1 not 0";
    static constexpr const char* Reserved2 = "N4 3do TriFan reserved2 not 1";
    static constexpr const char* Reserved3 = "N4 3do TriFan reserved3 not 1";
    static constexpr const char* SizeAssertion = "array_size == vertex_count * sizeof(U32)";
    static constexpr const char* SizeUnit = ".\\N4TriFan.cpp";
};

class N4TriFan : public N4IndexedPrimitive<ThreeDObjectTriangleFan, N4TriFanTraits>
{
public:
    static constexpr const char* DescriptorName = "TriFanDescriptor";

    N4TriFan(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    Util::CountedPointer<ThreeDObject> GetVertices() const override { return Child(m_child); }
    void Write(Util::BinaryStream& stream, U32 offset) override;
};

class N4ArchiverTriFan final : public N4ArchivedNode<N4TriFan>
{
};
extern const N4ArchiverTriFan g_N4ArchiverTriFan;
} // namespace Velmo::Papy
