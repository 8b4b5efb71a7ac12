#include "Papy/Track/PtfTrack.h"

#include <cmath>

#include "Papy/Model/ThreeDObjectRoot.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
// The caller's stream under the counted pointer that a 3D-object file's Save takes; the stream
// itself stays the caller's.
class BorrowedStream : public Util::BinaryStream
{
public:
    explicit BorrowedStream(Util::BinaryStream& stream) : m_stream(stream) {}
    void Read(U32 count, void* buffer) override { m_stream.Read(count, buffer); }
    void Write(U32 count, const void* data) override { m_stream.Write(count, data); }
    U64 Tell() const override { return m_stream.Tell(); }
    void Seek(U64 position) override { m_stream.Seek(position); }
    U64 Size() const override { return m_stream.Size(); }
    bool AtEnd() const override { return m_stream.AtEnd(); }
    std::string GetName() const override { return m_stream.GetName(); }
    void Flush() override { m_stream.Flush(); }

private:
    Util::BinaryStream& m_stream;
};
} // namespace

PtfTrack::PtfTrack(const Util::CountedPointer<TdoFile>& ptf, const std::string& name) : m_file(ptf)
{
    VELMO_ASSERT(m_file.Get() != nullptr);
    Util::CountedPointer<ThreeDObjectRoot> root = m_file->GetRoot();
    if (!root || root->GetChildCount() < 1)
        throw Util::XFileFormat(name, "N4 ptf file has no track");
    m_node = root->GetChild(0);
    if (!m_node)
        throw Util::XFileFormat(name, "N4 ptf file has no track");
    const int count = m_node->GetSegmentCount();
    for (int i = 0; i < count; ++i)
    {
        m_segments.emplace_back(new PtfTrackSegment(m_node->GetSegment(i)));
        m_starts.push_back(m_length);
        m_length += m_segments.back()->GetLength3D();
    }
}

Util::CountedPointer<TrackSegment> PtfTrack::GetSegment(int i) const
{
    VELMO_ASSERT(i >= 0 && i < GetSegmentCount());
    return m_segments[std::size_t(i)];
}

double PtfTrack::GetSegmentStart3D(int i) const
{
    VELMO_ASSERT(i >= 0 && i < GetSegmentCount());
    return m_starts[std::size_t(i)];
}

double PtfTrack::WithinLap(double longitude) const
{
    if (!std::isfinite(longitude) || !(m_length > 0))
        return 0;
    double within = std::fmod(longitude, m_length);
    return within < 0 ? within + m_length : within;
}

Util::CountedPointer<TrackSegment> PtfTrack::GetSegmentAt(double longitude2D, double& offset2D) const
{
    int i = m_node->FindSegment(WithinLap(longitude2D), offset2D);
    return GetSegment(i);
}

TrackPosition PtfTrack::GetPosition(double longitude2D, double latitude) const
{
    return m_node->GetPosition(WithinLap(longitude2D), latitude);
}

void PtfTrack::Save(Util::BinaryStream& stream) const
{
    Util::CountedPointer<Util::BinaryStream> borrowed(new BorrowedStream(stream));
    m_file->Save(borrowed);
}
} // namespace Velmo::Papy
