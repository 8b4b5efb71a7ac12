#pragma once
// Type 4: a count and that many child references.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectChildReferences.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/N2/N2Node.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class N2ObjectList : public N2Node<ThreeDObjectObjectList>, public ThreeDObjectChildReferences
{
public:
    static constexpr U8 Type = 4;

    N2ObjectList(N2TdoFile& file, Util::RecordReader& reader, int id);

    int GetChildCount() const override { return int(m_childIds.size()); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override { return Child(m_childIds[At(m_childIds, i)]); }
    // Positions up to the count; beyond it the assertion fails and the list is unchanged.
    void InsertChild(const Util::CountedPointer<ThreeDObject>& child, int i) override;
    void RemoveChild(int i) override;

    void AppendChildIds(std::vector<U32>& ids) const override;
    std::string GetType() const override { return "4"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    const std::vector<int>& GetChildIds() const { return m_childIds; }

    // The record of a type-4 list of these children, as the track nodes built from lists
    // write it.
    static void WriteList(const N2TdoFile& file, const std::vector<int>& childIds, Util::BinaryStream& stream);

private:
    std::vector<int> m_childIds;
};
} // namespace Velmo::Papy
