#pragma once
// What the two N2 splitter nodes share: their record (N2SplitterRecord), the type text, the
// writing and the list of children.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectChildReferences.h"
#include "Papy/N2/N2Node.h"
#include "Util/RecordReader.h"
#include "Papy/N2/N2SplitterRecord.h"

namespace Velmo::Papy
{
template <class Kind, const N2SplitterKind& Splitter>
class N2SplitterNode : public N2Node<Kind>, public ThreeDObjectChildReferences
{
public:
    void AppendChildIds(std::vector<U32>& ids) const override
    {
        for (int id : m_record.ChildIds)
            ids.push_back(U32(id));
    }

    std::string GetType() const override { return Splitter.TypeText; }

    void Write(Util::BinaryStream& stream, U32 offset) override
    {
        this->SetFileOffset(offset);
        m_record.Write(this->GetFile(), stream);
    }

    U32 GetComparisonOperator() const override { return m_record.ComparisonOperator; }
    int GetChildCount() const override { return int(m_record.ChildIds.size()); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override
    {
        return this->Child(m_record.ChildIds[this->At(m_record.ChildIds, i)]);
    }

protected:
    N2SplitterNode(N2TdoFile& file, Util::RecordReader& reader, int id)
        : N2Node<Kind>(file, id, U32(id)), m_record(Splitter, reader)
    {
    }

    N2SplitterRecord m_record;
};
} // namespace Velmo::Papy
