#pragma once
// A splitter (type 17, sub-type 4) that picks among its children by the value of a state variable.
#include "Papy/GPL/GPLSplitterNode.h"
#include "Papy/Model/ThreeDObjectStateSplitter.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLStateSplitter : public GPLSplitterNode<ThreeDObjectStateSplitter, GPLStateSplitterKind>
{
public:
    // Reads the body behind the sub-type word.
    GPLStateSplitter(GPLTdoFile& file, int id, Util::RecordReader& reader) : GPLSplitterNode(file, id, reader) {}

    U32 GetVariable() const override { return m_record.Word; }
    U32 GetValue(int i) const override { return m_record.Thresholds[Entry(i)]; }
};
} // namespace Velmo::Papy
