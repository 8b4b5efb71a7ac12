#pragma once
// The four links of a detail split, built by the fix-up from a number list of exactly 4
// numbers. Written back as that number list.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectTrackLink.h"
#include "Papy/N2/N2Node.h"

namespace Velmo::Papy
{
class N2NumberList;

class N2TrackLink : public N2Node<ThreeDObjectTrackLink>
{
public:
    // Fails the assertion "nl.GetNumberCount() == 4" for another count.
    N2TrackLink(N2TdoFile& file, const N2NumberList& list);

    int GetLinkCount() const override { return 4; }
    int GetLink(int i) const override { return m_links[At(m_links, i)]; }

    std::string GetType() const override { return "16"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    std::vector<S32> m_links;
};
} // namespace Velmo::Papy
