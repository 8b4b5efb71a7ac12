#pragma once
// What the six N2 plane-order nodes share: their record (N2PlaneOrderRecord), the type text,
// the writing and the plane. A child is addressed by its place in the interface's order.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectChildReferences.h"
#include "Papy/N2/N2Node.h"
#include "Util/RecordReader.h"
#include "Papy/N2/N2PlaneOrderRecord.h"

namespace Velmo::Papy
{
template <class Kind, const N2PlaneOrderKind& Order>
class N2PlaneOrderNode : public N2Node<Kind>, public ThreeDObjectChildReferences
{
public:
    void AppendChildIds(std::vector<U32>& ids) const override
    {
        for (U32 j = 0; j < Order.ChildCount; ++j)
            ids.push_back(U32(m_record.ChildIds[j]));
    }

    std::string GetType() const override { return Order.TypeText; }

    void Write(Util::BinaryStream& stream, U32 offset) override
    {
        this->SetFileOffset(offset);
        m_record.Write(this->GetFile(), stream);
    }

    Plane GetPlane() const override { return m_record.ThePlane; }

    // The plane words as read: a, b, c, dHigh, dLow.
    const S32* GetPlaneWords() const { return m_record.PlaneWords; }

protected:
    N2PlaneOrderNode(N2TdoFile& file, Util::RecordReader& reader, int id)
        : N2Node<Kind>(file, id, U32(id)), m_record(Order, reader)
    {
    }

    Util::CountedPointer<ThreeDObject> SlotChild(int slot) const { return this->Child(m_record.ChildIds[slot]); }
    // A cleared slot names the file's null node.
    void ClearSlot(int slot) { m_record.ChildIds[slot] = this->GetFile().GetNull()->GetId(); }
    void SetSlot(int slot, const Util::CountedPointer<ThreeDObject>& child) { m_record.ChildIds[slot] = child->GetId(); }

    N2PlaneOrderRecord m_record;
};
} // namespace Velmo::Papy
