#pragma once
// What the six N2 material and texture nodes (type 5) share: the child reference and the
// sub-kind, read by the decoder before the class reads the rest of the body, and the writing
// of the record: header, child reference, sub-kind, then the class's own words.
//
//   sub-kind   class              rest of body
//   0          N2U3               none
//   1          N2Texture          name offset
//   4          N2DisplayClass     display-class number
//   5          N2ClassTexture     name offset, display-class number
//   12         N2ClassMaterial    display-class number, u32 value
//   0x1F0000   N2ColourMap        byte pairs {source, palette index} to a (0, 0) pair
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectChildReferences.h"
#include "Papy/N2/N2Node.h"
#include "Papy/N2/N2Record.h"

namespace Velmo::Papy
{
template <class Kind, S32 SubKind>
class N2MaterialNode : public N2Node<Kind>, public ThreeDObjectChildReferences
{
public:
    static constexpr U8 Type = 5;

    void AppendChildIds(std::vector<U32>& ids) const override { ids.push_back(U32(m_childId)); }

    std::string GetType() const override
    {
        return SubKind == 0x1F0000 ? std::string("5.31-00") : "5." + std::to_string(SubKind);
    }

    void Write(Util::BinaryStream& stream, U32 offset) override
    {
        this->SetFileOffset(offset);
        N2Record::Writer record(Type, 24);
        record.Word(this->OffsetOf(m_childId)).Word(SubKind);
        WriteRest(record);
        record.WriteTo(stream);
    }

    Util::CountedPointer<ThreeDObject> GetChild() const override { return this->Child(m_childId); }

protected:
    N2MaterialNode(N2TdoFile& file, int id, int childId) : N2Node<Kind>(file, id, U32(id)), m_childId(childId) {}

    // The words after the sub-kind.
    virtual void WriteRest(N2Record::Writer& record) const = 0;

    int m_childId;
};
} // namespace Velmo::Papy
