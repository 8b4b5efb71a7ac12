#pragma once
// An N4 track (.ptf object) seen through the track model: the track node, the first child of
// the object's root, and one PtfTrackSegment per segment node (a node named several times is
// one segment at each of its places). Geometry is the nodes'; 2D and 3D longitudes are the same.
#include <string>
#include <vector>

#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectTrack.h"
#include "Papy/Track/PtfTrackSegment.h"
#include "Papy/Track/Track.h"

namespace Velmo::Papy
{
class PtfTrack : public Track
{
public:
    // A root without children, or whose first child is not a track, fails with XFileFormat
    // under name (the name of the stream the object was read from).
    PtfTrack(const Util::CountedPointer<TdoFile>& ptf, const std::string& name);

    double GetLength3D() const override { return m_length; }
    double GetLength2D() const override { return m_length; }
    double Convert2DTo3D(double longitude2D) const override { return longitude2D; }
    int GetSegmentCount() const override { return int(m_segments.size()); }
    Util::CountedPointer<TrackSegment> GetSegment(int i) const override;
    double GetSegmentStart3D(int i) const override;
    double GetSegmentStart2D(int i) const override { return GetSegmentStart3D(i); }
    // Longitudes of any lap are taken within the first.
    Util::CountedPointer<TrackSegment> GetSegmentAt(double longitude2D, double& offset2D) const override;
    TrackPosition GetPosition(double longitude2D, double latitude) const override;
    // Writes the .ptf object as the whole content of the stream (a longer stream is cut after it).
    void Save(Util::BinaryStream& stream) const override;

    const Util::CountedPointer<TdoFile>& GetFile() const { return m_file; }
    const Util::CountedPointer<ThreeDObjectTrack>& GetNode() const { return m_node; }

private:
    double WithinLap(double longitude) const;

    Util::CountedPointer<TdoFile> m_file;
    Util::CountedPointer<ThreeDObjectTrack> m_node;
    std::vector<Util::CountedPointer<PtfTrackSegment>> m_segments;
    // The running starts of the segments and the whole length.
    std::vector<double> m_starts;
    double m_length = 0;
};
} // namespace Velmo::Papy
