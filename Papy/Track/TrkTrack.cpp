#include "Papy/Track/TrkTrack.h"

#include "Papy/Track/TrkTrackSegment.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
TrkTrack::TrkTrack(Util::CountedPointer<TrkFile> file) : m_file(std::move(file))
{
    VELMO_ASSERT(m_file.Get() != nullptr);
    int count = m_file->GetSectionCount();
    m_segments.reserve(count);
    for (int s = 0; s < count; ++s)
        m_segments.push_back(Util::CountedPointer<TrackSegment>(new TrkTrackSegment(m_file, s)));
}

TrackPosition TrkTrack::ToTrackPosition(const TrkFilePosition& position)
{
    TrackPosition result;
    result.X = double(position.X) * TrkFile::LengthUnit;
    result.Y = double(position.Y) * TrkFile::LengthUnit;
    result.Z = double(position.Z) * TrkFile::LengthUnit;
    result.Heading = double(position.Heading) * TrkFile::AngleUnit;
    result.Pitch = double(position.Pitch) * TrkFile::AngleUnit;
    result.Bank = double(position.Bank) * TrkFile::AngleUnit;
    result.Floor = position.Surface;
    return result;
}

double TrkTrack::GetLength3D() const
{
    return m_file->GetLength() * TrkFile::LengthUnit;
}

double TrkTrack::GetLength2D() const
{
    return m_file->GetLength2D();
}

double TrkTrack::Convert2DTo3D(double longitude2D) const
{
    return m_file->Convert2DTo3D(longitude2D) * TrkFile::LengthUnit;
}

Util::CountedPointer<TrackSegment> TrkTrack::GetSegment(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_segments.size()));
    return m_segments[i];
}

double TrkTrack::GetSegmentStart3D(int i) const
{
    return m_file->GetSectionStart(i) * TrkFile::LengthUnit;
}

double TrkTrack::GetSegmentStart2D(int i) const
{
    return m_file->GetSection2DStart(i);
}

Util::CountedPointer<TrackSegment> TrkTrack::GetSegmentAt(double longitude2D, double& offset2D) const
{
    int s = m_file->Find2DSection(longitude2D, offset2D);
    return GetSegment(s);
}

TrackPosition TrkTrack::GetPosition(double longitude2D, double latitude) const
{
    int longitude3D = m_file->Convert2DTo3D(longitude2D);
    return ToTrackPosition(m_file->ComputePosition(longitude3D, TrkFile::MetresToUnits(latitude)));
}

void TrkTrack::Save(Util::BinaryStream& stream) const
{
    m_file->Save(stream);
}
} // namespace Velmo::Papy
