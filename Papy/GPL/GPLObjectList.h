#pragma once
// The grouping record of a GPL .3do file (type word 4): a count and that many child
// references (-1 for the null node).
#include <string>
#include <vector>

#include "Papy/GPL/GPLChildReferences.h"
#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLObjectList : public GPLNode<ThreeDObjectObjectList>, public GPLChildReferences
{
public:
    static constexpr U32 TypeWord = 4;

    // Reads the record behind the type word; a list that names itself is refused.
    GPLObjectList(GPLTdoFile& file, int id, Util::RecordReader& reader);
    GPLObjectList(GPLTdoFile& file, int id, std::vector<U32> childIds);

    int GetChildCount() const override;
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override;
    void InsertChild(const Util::CountedPointer<ThreeDObject>& child, int i) override;
    void RemoveChild(int i) override;

    std::string GetType() const override { return "4"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    const std::vector<U32>& GetChildIds() const { return m_childIds; }
    void AppendChildIds(std::vector<U32>& ids) const override
    {
        ids.insert(ids.end(), m_childIds.begin(), m_childIds.end());
    }

private:
    std::vector<U32> m_childIds;
};
} // namespace Velmo::Papy
