#pragma once
// What the six plane-order nodes share: their record (GPLPlaneOrderRecord), the type text, the
// writing and the plane. A child is addressed by its slot (far first, near last).
#include <string>

#include "Papy/GPL/GPLChildReferences.h"
#include "Papy/GPL/GPLNode.h"
#include "Papy/GPL/GPLPlaneOrderRecord.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
template <class Kind, const GPLPlaneOrderKind& Order>
class GPLPlaneOrderNode : public GPLNode<Kind>, public GPLChildReferences
{
public:
    void AppendChildIds(std::vector<U32>& ids) const override
    {
        ids.insert(ids.end(), m_record.ChildIds, m_record.ChildIds + Order.ChildCount);
    }

    std::string GetType() const override { return Order.TypeText; }

    void Write(Util::BinaryStream& stream, U32 offset) override
    {
        this->SetFileOffset(offset);
        m_record.Write(this->GetFile(), stream);
    }

    Plane GetPlane() const override { return this->GetFile().GetPlane(m_record.PlaneId); }
    int GetPlaneId() const override { return int(m_record.PlaneId); }
    void SetPlaneId(int id) override { m_record.PlaneId = U32(id); }

protected:
    GPLPlaneOrderNode(GPLTdoFile& file, int id, Util::RecordReader& reader)
        : GPLNode<Kind>(file, id, U32(id)), m_record(Order, reader)
    {
    }
    // Children in slot order.
    GPLPlaneOrderNode(GPLTdoFile& file, int id, U32 planeId, U32 child0, U32 child1 = 0, U32 child2 = 0, U32 child3 = 0)
        : GPLNode<Kind>(file, id, 0), m_record(Order, planeId, child0, child1, child2, child3)
    {
    }

    Util::CountedPointer<ThreeDObject> SlotChild(int slot) const { return this->Child(m_record.ChildIds[slot]); }
    // A cleared slot names the file's null node.
    void ClearSlot(int slot) { m_record.ChildIds[slot] = U32(this->GetFile().GetNull()->GetId()); }
    void SetSlot(int slot, const Util::CountedPointer<ThreeDObject>& child)
    {
        m_record.ChildIds[slot] = U32(child->GetId());
    }

    GPLPlaneOrderRecord m_record;
};
} // namespace Velmo::Papy
