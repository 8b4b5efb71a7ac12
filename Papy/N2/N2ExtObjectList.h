#pragma once
// Type 12: a child reference, a count and that many references to external-object entries.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectChildReferences.h"
#include "Papy/Model/ThreeDObjectExtObjectList.h"
#include "Papy/N2/N2Node.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class N2ExtObjectList : public N2Node<ThreeDObjectExtObjectList>, public ThreeDObjectChildReferences
{
public:
    static constexpr U8 Type = 12;

    N2ExtObjectList(N2TdoFile& file, Util::RecordReader& reader, int id);

    Util::CountedPointer<ThreeDObject> GetChild() const override { return Child(m_childId); }
    int GetObjectCount() const override { return int(m_entryIds.size()); }
    Util::CountedPointer<ThreeDObject> GetObject(int i) const override { return Child(m_entryIds[At(m_entryIds, i)]); }

    void AppendChildIds(std::vector<U32>& ids) const override;
    std::string GetType() const override { return "12"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    int m_childId;
    std::vector<int> m_entryIds;
};
} // namespace Velmo::Papy
