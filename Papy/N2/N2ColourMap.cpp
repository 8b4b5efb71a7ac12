#include "Papy/N2/N2ColourMap.h"

namespace Velmo::Papy
{
N2ColourMap::N2ColourMap(N2TdoFile& file, Util::RecordReader& reader, int id, int childId)
    : N2MaterialNode(file, id, childId)
{
    for (;;)
    {
        U8 pair[2];
        reader.ReadBytes(pair, 2);
        if (pair[0] == 0 && pair[1] == 0)
            break;
        m_sources.push_back(pair[0]);
        m_paletteIndexes.push_back(pair[1]);
    }
}

void N2ColourMap::WriteRest(N2Record::Writer& record) const
{
    for (std::size_t i = 0; i < m_sources.size(); ++i)
        record.Byte(m_sources[i]).Byte(m_paletteIndexes[i]);
    record.Byte(0).Byte(0);
}
} // namespace Velmo::Papy
