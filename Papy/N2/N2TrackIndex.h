#pragma once
// The index of an N2 track object, built by the fix-up from a number list (all its numbers).
// Written back as that number list.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectTrackIndex.h"
#include "Papy/N2/N2Node.h"

namespace Velmo::Papy
{
class N2NumberList;

class N2TrackIndex : public N2Node<ThreeDObjectTrackIndex>
{
public:
    N2TrackIndex(N2TdoFile& file, const N2NumberList& list);

    int GetIndexCount() const override { return int(m_numbers.size()); }
    int GetIndex(int i) const override { return m_numbers[At(m_numbers, i)]; }

    std::string GetType() const override { return "16"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    std::vector<S32> m_numbers;
};
} // namespace Velmo::Papy
