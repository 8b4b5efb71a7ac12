#pragma once
// What the five splitter nodes share: their record (GPLSplitterRecord), the type text, the
// writing and the list of children. Each splitter adds the names its kind gives the word at
// offset 8 and the thresholds.
#include <string>
#include <utility>
#include <vector>

#include "Papy/GPL/GPLChildReferences.h"
#include "Papy/GPL/GPLNode.h"
#include "Papy/GPL/GPLSplitterRecord.h"
#include "Util/Exception.h"
#include "Util/RecordReader.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
template <class Kind, const GPLSplitterKind& Splitter>
class GPLSplitterNode : public GPLNode<Kind>, public GPLChildReferences
{
public:
    void AppendChildIds(std::vector<U32>& ids) const override
    {
        ids.insert(ids.end(), m_record.ChildIds.begin(), m_record.ChildIds.end());
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
        return this->Child(m_record.ChildIds[Entry(i)]);
    }

protected:
    GPLSplitterNode(GPLTdoFile& file, int id, Util::RecordReader& reader)
        : GPLNode<Kind>(file, id, U32(id)), m_record(Splitter, reader)
    {
    }
    GPLSplitterNode(GPLTdoFile& file, int id, U32 word, U32 comparisonOperator, std::vector<U32> thresholds,
                    std::vector<U32> childIds)
        : GPLNode<Kind>(file, id, 0),
          m_record(Splitter, word, comparisonOperator, std::move(thresholds), std::move(childIds))
    {
    }

    // An entry index checked against the count; every read of an entry is a step of the walk
    // meter.
    std::size_t Entry(int i) const
    {
        Util::WalkMeter::Tick();
        VELMO_ASSERT(i >= 0 && std::size_t(i) < m_record.ChildIds.size());
        return std::size_t(i);
    }

    GPLSplitterRecord m_record;
};
} // namespace Velmo::Papy
