#pragma once
// Type 17, sub-kind 4: children chosen by comparing a state value with u32 thresholds.
#include "Papy/Model/ThreeDObjectStateSplitter.h"
#include "Papy/N2/N2SplitterNode.h"

namespace Velmo::Papy
{
class N2StateSplitter : public N2SplitterNode<ThreeDObjectStateSplitter, N2StateSplitterKind>
{
public:
    N2StateSplitter(N2TdoFile& file, Util::RecordReader& reader, int id) : N2SplitterNode(file, reader, id) {}

    U32 GetVariable() const override { return U32(m_record.WordA); }
    U32 GetValue(int i) const override { return U32(m_record.Thresholds[At(m_record.Thresholds, i)]); }
};
} // namespace Velmo::Papy
