#pragma once
// Type 5, sub-kind 0x1F0000: a colour map over its child: entries {source index, palette
// index}, one byte each, ended by a (0, 0) pair. An entry's colour is the palette entry in
// force when it is asked for.
#include "Papy/Model/ThreeDObjectColourMap.h"
#include "Papy/N2/N2MaterialNode.h"

namespace Velmo::Papy
{
class N2ColourMap : public N2MaterialNode<ThreeDObjectColourMap, 0x1F0000>
{
public:
    N2ColourMap(N2TdoFile& file, Util::RecordReader& reader, int id, int childId);

    int GetEntryCount() const override { return int(m_sources.size()); }
    int GetEntry(int i) const override { return m_sources[At(m_sources, i)]; }
    Colour GetColour(int i) const override { return GetFile().GetColour(m_paletteIndexes[At(m_paletteIndexes, i)]); }

private:
    void WriteRest(N2Record::Writer& record) const override;

    std::vector<U8> m_sources;
    std::vector<U8> m_paletteIndexes;
};
} // namespace Velmo::Papy
