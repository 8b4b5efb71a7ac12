#pragma once
// A splitter (type 17, sub-type 2) that picks among its children by latitude.
// The word at offset 8 is reserved: it must be 0, is not kept and is written as 0.
#include "Papy/GPL/GPLSplitterNode.h"
#include "Papy/Model/ThreeDObjectLatitudeSplitter.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLLatitudeSplitter : public GPLSplitterNode<ThreeDObjectLatitudeSplitter, GPLLatitudeSplitterKind>
{
public:
    // Reads the body behind the sub-type word.
    GPLLatitudeSplitter(GPLTdoFile& file, int id, Util::RecordReader& reader) : GPLSplitterNode(file, id, reader) {}

    // The u32 threshold, taken as unsigned.
    double GetLatitude(int i) const override { return double(m_record.Thresholds[Entry(i)]); }
};
} // namespace Velmo::Papy
