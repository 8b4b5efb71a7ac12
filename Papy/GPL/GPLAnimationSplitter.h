#pragma once
// A splitter (type 17, sub-type 3) that picks among its children by an animation tick within a period.
#include "Papy/GPL/GPLSplitterNode.h"
#include "Papy/Model/ThreeDObjectAnimationSplitter.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLAnimationSplitter : public GPLSplitterNode<ThreeDObjectAnimationSplitter, GPLAnimationSplitterKind>
{
public:
    // Reads the body behind the sub-type word.
    GPLAnimationSplitter(GPLTdoFile& file, int id, Util::RecordReader& reader) : GPLSplitterNode(file, id, reader) {}

    U32 GetPeriod() const override { return m_record.Word; }
    U32 GetTick(int i) const override { return m_record.Thresholds[Entry(i)]; }
};
} // namespace Velmo::Papy
