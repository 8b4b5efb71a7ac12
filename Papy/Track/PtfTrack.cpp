#include "Papy/Track/PtfTrack.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "Papy/Model/ThreeDObjectRoot.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"

namespace Velmo::Papy
{
PtfTrack::PtfTrack(const Util::CountedPointer<TdoFile>& ptf, const std::string& name) : m_file(ptf)
{
    VELMO_ASSERT(m_file.Get() != nullptr);
    Util::CountedPointer<ThreeDObjectRoot> root = m_file->GetRoot();
    if (!root || root->GetChildCount() < 1)
        throw Util::XFileFormat(name, "N4 ptf file has no track");
    m_node = root->GetChild(0);
    if (!m_node)
        throw Util::XFileFormat(name, "N4 ptf file has no track");
    // A segment node that the track names many times is one segment of the model: its sections
    // are taken once, not at every reference (a file of a few kilobytes may name one segment of
    // thousands of sections thousands of times).
    std::unordered_map<const ThreeDObjectTrackSegment*, Util::CountedPointer<PtfTrackSegment>> made;
    const int count = m_node->GetSegmentCount();
    for (int i = 0; i < count; ++i)
    {
        const Util::CountedPointer<ThreeDObjectTrackSegment> node = m_node->GetSegment(i);
        Util::CountedPointer<PtfTrackSegment>& segment = made[node.Get()];
        if (!segment)
            segment = Util::CountedPointer<PtfTrackSegment>(new PtfTrackSegment(node));
        m_segments.push_back(segment);
        m_starts.push_back(m_length);
        m_length += segment->GetLength3D();
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
    // The object saves itself into a stream of its own (it takes a counted pointer, and the
    // caller's stream stays the caller's); its bytes then replace the caller's whole content.
    // Over a longer file or memory stream the old tail is cut, as when the object saves there
    // itself; a longer stream that cannot be shortened is refused before anything is written.
    auto* memory = new Util::MemoryStream(stream.GetName());
    Util::CountedPointer<Util::BinaryStream> buffer(memory);
    m_file->Save(buffer);

    const std::vector<U8>& bytes = memory->GetBytes();
    auto* file = dynamic_cast<Util::BinaryFile*>(&stream);
    auto* target = dynamic_cast<Util::MemoryStream*>(&stream);
    const bool longer = stream.Size() > bytes.size();
    if (longer && file == nullptr && target == nullptr)
        throw Util::XFileWrite(stream.GetName());
    stream.Seek(0);
    const std::size_t block = std::size_t(1) << 30;
    for (std::size_t at = 0; at < bytes.size(); at += block)
        stream.Write(U32(std::min(block, bytes.size() - at)), bytes.data() + at);
    if (longer)
    {
        if (file != nullptr)
            file->Truncate();
        else
            target->Truncate();
    }
    stream.Flush();
}
} // namespace Velmo::Papy
