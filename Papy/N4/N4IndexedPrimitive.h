#pragma once
// The common record of the triangle strip and the triangle fan:
//   1, 0, 1, one object reference, 1, index count n, byte count n x 4, n int32 indices.
// The two classes differ only in their names, messages and the text of the size assertion,
// which a traits struct gives (see N4TriStrip and N4TriFan).
#include <vector>

#include "Papy/N4/N4Node.h"
#include "Util/Exception.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
// Traits: Type (type name), Reserved0..Reserved3 (messages), SizeAssertion and SizeUnit.
template <class Kind, class Traits>
class N4IndexedPrimitive : public N4Node<Kind>
{
public:
    std::string GetType() const override { return Traits::Type; }

    int GetIndexCount() const override { return int(m_indices.size()); }
    int GetIndex(int i) const override
    {
        Util::WalkMeter::Tick();
        VELMO_ASSERT(i >= 0 && i < int(m_indices.size()));
        return m_indices[i];
    }
    void SetIndex(int i, int value) override
    {
        VELMO_ASSERT(i >= 0 && i < int(m_indices.size()));
        m_indices[i] = value;
    }

protected:
    N4IndexedPrimitive(N4TdoFile& file, N4Archiver& archive, int id, U64 position)
        : N4Node<Kind>(file, id, position)
    {
        archive.Expect(1, Traits::Reserved0);
        archive.Expect(0, Traits::Reserved1);
        archive.Expect(1, Traits::Reserved2);
        m_child = archive.ReadObject();
        archive.Expect(1, Traits::Reserved3);
        U32 count = archive.ReadU32();
        U32 bytes = archive.ReadU32();
        if (U64(bytes) != U64(count) * sizeof(U32))
            Util::ThrowAssertion(Traits::SizeAssertion, Traits::SizeUnit, __LINE__);
        m_indices = archive.ReadS32Vector(count);
    }

    void WriteRecord(Util::BinaryStream& stream, const N4ArchivedTdoType& type)
    {
        N4Archiver& archive = this->Archive();
        if (!archive.BeginObject(*this, type, this->m_fileOffset))
            return;
        archive.WriteS32(1);
        archive.WriteS32(0);
        archive.WriteS32(1);
        this->WriteChild(m_child, stream);
        archive.WriteS32(1);
        archive.WriteU32(U32(m_indices.size()));
        archive.WriteU32(U32(m_indices.size() * sizeof(U32)));
        archive.WriteS32s(m_indices.data(), m_indices.size());
    }

    int m_child = 0;
    std::vector<S32> m_indices;
};
} // namespace Velmo::Papy
