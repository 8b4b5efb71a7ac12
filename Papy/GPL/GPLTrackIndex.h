#pragma once
// The index numbers of a track: a number list of any count, written back as that list
// (type word 16).
#include <string>
#include <vector>

#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/Model/ThreeDObjectTrackIndex.h"

namespace Velmo::Papy
{
class GPLTrackIndex : public GPLNode<ThreeDObjectTrackIndex>
{
public:
    // Takes over the list's id, file offset and numbers.
    GPLTrackIndex(GPLTdoFile& file, const ThreeDObjectNumberList& nl);
    GPLTrackIndex(GPLTdoFile& file, int id, std::vector<int> numbers);

    int GetIndexCount() const override { return int(m_numbers.size()); }
    int GetIndex(int i) const override;

    std::string GetType() const override { return "16"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    std::vector<int> m_numbers;
};
} // namespace Velmo::Papy
