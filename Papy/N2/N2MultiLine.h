#pragma once
// Type 21 with other than two points: a polyline in one palette colour, answered as an object
// list whose children are its segments (N2MultiLineSegment, one per pair of consecutive
// points, registered in the file while the record is read). A record of 0 or 1 points has no
// segments. The record's first word is the one entry of the node's integer list.
//
//   body: int32 value, int32 palette index, int32 count n, n vertex indexes
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectChildReferences.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/N2/N2Node.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class N2MultiLine : public N2Node<ThreeDObjectObjectList>, public ThreeDObjectChildReferences
{
public:
    static constexpr U8 Type = 21;

    N2MultiLine(N2TdoFile& file, int id, S32 value, S32 colourIndex, S32 count, Util::RecordReader& reader);

    int GetChildCount() const override { return int(m_segments.size()); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override { return Child(m_segments[At(m_segments, i)]); }
    // Both refused with XUsage; the node is unchanged.
    void InsertChild(const Util::CountedPointer<ThreeDObject>& child, int i) override;
    void RemoveChild(int i) override;

    int GetIntegerCount() const override { return 1; }
    int GetInteger(int) const override { return m_value; }

    void AppendChildIds(std::vector<U32>& ids) const override;
    std::string GetType() const override { return "21/1"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    const std::vector<S32>& GetPoints() const { return m_points; }

private:
    S32 m_colourIndex;
    S32 m_value;
    std::vector<S32> m_points;
    std::vector<int> m_segments;
};
} // namespace Velmo::Papy
