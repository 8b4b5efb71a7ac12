#include "Papy/Track/TraceTrkFile.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
int TraceTrkFile::GetLateral(int l) const
{
    VELMO_ASSERT(l >= 0 && l < int(m_laterals.size()));
    return m_laterals[l];
}

void TraceTrkFile::SetLateral(int l, int value)
{
    VELMO_ASSERT(l >= 0 && l < int(m_laterals.size()));
    // Laterals stay strictly increasing: a value at or beyond a neighbour is not stored.
    if (l > 0 && value <= m_laterals[l - 1])
        return;
    if (l + 1 < int(m_laterals.size()) && value >= m_laterals[l + 1])
        return;
    m_laterals[l] = value;
}

void TraceTrkFile::SetAltitudeSquare(int s, int l, int value)
{
    TraceRecord& trace = TraceRef(s, l);
    trace[Square] = value;
    trace[LinearGrade] = S32(U32(2) * U32(value));
}

void TraceTrkFile::SetAltitudeCube(int s, int l, int value)
{
    TraceRecord& trace = TraceRef(s, l);
    trace[Cube] = value;
    trace[SquareGrade] = S32(U32(3) * U32(value));
}

const TraceTrkFile::TraceRecord& TraceTrkFile::Trace(int s, int l) const
{
    // With l within the laterals, i lies within the traces exactly when s is a section.
    VELMO_ASSERT(s >= 0);
    VELMO_ASSERT(l >= 0 && l < int(m_laterals.size()));
    std::size_t i = std::size_t(s) * m_laterals.size() + std::size_t(l);
    VELMO_ASSERT(i < m_traces.size());
    return m_traces[i];
}

void TraceTrkFile::ReadTraces(Util::RecordReader& reader, std::size_t count)
{
    reader.CheckCount(count, TraceSize);
    m_traces.resize(count);
    for (TraceRecord& trace : m_traces)
        reader.ReadArray(trace.data(), trace.size());
}

void TraceTrkFile::PutTraces(Util::ByteWriter& out) const
{
    for (const TraceRecord& trace : m_traces)
        for (S32 value : trace)
            out.PutS32(value);
}
} // namespace Velmo::Papy
