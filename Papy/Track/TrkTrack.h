#pragma once
// The track model of a TRK file (GPL or ICR2): every value computed from the file.
#include <vector>

#include "Papy/Track/Track.h"
#include "Papy/Track/TrkFile.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class TrkTrack : public Track
{
public:
    // One segment per section of the file, in order.
    explicit TrkTrack(Util::CountedPointer<TrkFile> file);

    double GetLength3D() const override;
    double GetLength2D() const override;
    double Convert2DTo3D(double longitude2D) const override;
    int GetSegmentCount() const override { return int(m_segments.size()); }
    Util::CountedPointer<TrackSegment> GetSegment(int i) const override;
    double GetSegmentStart3D(int i) const override;
    double GetSegmentStart2D(int i) const override;
    Util::CountedPointer<TrackSegment> GetSegmentAt(double longitude2D, double& offset2D) const override;
    TrackPosition GetPosition(double longitude2D, double latitude) const override;
    void Save(Util::BinaryStream& stream) const override;

    const Util::CountedPointer<TrkFile>& GetFile() const { return m_file; }

    // A position of the file in metres and radians.
    static TrackPosition ToTrackPosition(const TrkFilePosition& position);

private:
    Util::CountedPointer<TrkFile> m_file;
    std::vector<Util::CountedPointer<TrackSegment>> m_segments;
};
} // namespace Velmo::Papy
