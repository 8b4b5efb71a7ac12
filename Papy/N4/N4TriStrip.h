#pragma once
// A triangle strip: indices into a vertex list. Its one child reference is the next primitive
// of a chain (another strip, a triangle list, or nothing) as shipped files hold it; it is
// walked as the strip's child but never taken for a vertex list.
#include "Papy/Model/ThreeDObjectTriangleStrip.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4IndexedPrimitive.h"

namespace Velmo::Papy
{
struct N4TriStripTraits
{
    static constexpr const char* Type = "TriStrip";
    static constexpr const char* Reserved0 = "N4 3do TriStrip reserved0 not 1";
    static constexpr const char* Reserved1 = "N4 3do TriStrip reserved1 not 0";
    static constexpr const char* Reserved2 = "N4 3do TriStrip reserved2 not 1";
    static constexpr const char* Reserved3 = "N4 3do TriStrip reserved3 not 1";
    static constexpr const char* SizeAssertion = "byte_count == vertex_count * sizeof(U32)";
    static constexpr const char* SizeUnit = ".\\N4TriStrip.cpp";
};

class N4TriStrip : public N4IndexedPrimitive<ThreeDObjectTriangleStrip, N4TriStripTraits>
{
public:
    static constexpr const char* DescriptorName = "TriStripDescriptor";

    N4TriStrip(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    // The next primitive of the chain (the null node at its end).
    Util::CountedPointer<ThreeDObject> GetNext() const { return Child(m_child); }
    Util::CountedPointer<ThreeDObject> GetVertices() const override { return GetNext(); }
    void Write(Util::BinaryStream& stream, U32 offset) override;
};

class N4ArchiverTriStrip final : public N4ArchivedNode<N4TriStrip>
{
};
extern const N4ArchiverTriStrip g_N4ArchiverTriStrip;
} // namespace Velmo::Papy
