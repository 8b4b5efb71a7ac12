#pragma once
// A splitter (type 17, sub-type 1) that picks among its children by longitude.
// The word at offset 8 is reserved: it must be 0, is not kept and is written as 0.
#include "Papy/GPL/GPLSplitterNode.h"
#include "Papy/Model/ThreeDObjectLongitudeSplitter.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLLongitudeSplitter : public GPLSplitterNode<ThreeDObjectLongitudeSplitter, GPLLongitudeSplitterKind>
{
public:
    // Reads the body behind the sub-type word.
    GPLLongitudeSplitter(GPLTdoFile& file, int id, Util::RecordReader& reader) : GPLSplitterNode(file, id, reader) {}

    // The u32 threshold, taken as unsigned.
    double GetLongitude(int i) const override { return double(m_record.Thresholds[Entry(i)]); }
};
} // namespace Velmo::Papy
