#pragma once
// The drawing distances of a track: a number list read as records of four numbers. One to
// three numbers after the last whole record are not part of any record, but they are kept and
// written back after the records, so a loaded file saves without losing them.
#include <array>
#include <string>
#include <vector>

#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/Model/ThreeDObjectTrackDrawingDistances.h"

namespace Velmo::Papy
{
class GPLTrackDrawingDistances : public GPLNode<ThreeDObjectTrackDrawingDistances>
{
public:
    typedef std::array<int, 4> Record;

    // Takes over the list's id, file offset and numbers.
    GPLTrackDrawingDistances(GPLTdoFile& file, const ThreeDObjectNumberList& nl);
    GPLTrackDrawingDistances(GPLTdoFile& file, int id, std::vector<Record> records);

    int GetRecordCount() const override { return int(m_records.size()); }
    int GetFirstValue(int i) const override { return Value(i, 0); }
    int GetSecondValue(int i) const override { return Value(i, 1); }
    int GetThirdValue(int i) const override { return Value(i, 2); }
    int GetFourthValue(int i) const override { return Value(i, 3); }

    std::string GetType() const override { return "16"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    int Value(int i, int k) const;

    std::vector<Record> m_records;
    std::vector<U32> m_trailing;
};
} // namespace Velmo::Papy
