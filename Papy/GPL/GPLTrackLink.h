#pragma once
// The four links of a track section: a number list of exactly four numbers, written back as
// that list (type word 16, count 4).
#include <string>
#include <vector>

#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/Model/ThreeDObjectTrackLink.h"

namespace Velmo::Papy
{
class GPLTrackLink : public GPLNode<ThreeDObjectTrackLink>
{
public:
    static constexpr int LinkCount = 4;

    // Takes over the list's id, file offset and numbers.
    GPLTrackLink(GPLTdoFile& file, const ThreeDObjectNumberList& nl);
    GPLTrackLink(GPLTdoFile& file, int id, const int (&links)[LinkCount]);

    int GetLinkCount() const override { return LinkCount; }
    int GetLink(int i) const override;

    std::string GetType() const override { return "16"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    int m_links[LinkCount];
};
} // namespace Velmo::Papy
