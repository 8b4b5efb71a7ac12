#pragma once
// Tracks and replays in memory for the cases no sane file holds: more segments, parts, drivers,
// lap tables or laps than hint codes can name, lengths that are not finite, frame ranges past
// the replay, broken UTF-16. They count the calls the panes make.
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "Papy/Race/RpyFile.h"
#include "Papy/Track/Track.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"

namespace VelmoTest
{
using Velmo::Util::CountedPointer;

class FakeFSection : public Velmo::Papy::TrackFSection
{
public:
    FakeFSection(double right, double left, int type, int grip = 0) : m_right(right), m_left(left), m_type(type), m_grip(grip) {}
    double GetRightStart() const override { return m_right; }
    double GetRightEnd() const override { return m_right; }
    double GetLeftStart() const override { return m_left; }
    double GetLeftEnd() const override { return m_left; }
    Velmo::Papy::SurfaceType GetType() const override { return Velmo::Papy::SurfaceType(m_type); }
    int GetGripModifier() const override { return m_grip; }

private:
    double m_right, m_left;
    int m_type, m_grip;
};

class FakeWSection : public Velmo::Papy::TrackWSection
{
public:
    FakeWSection(double latitude, double width, int type) : m_latitude(latitude), m_width(width), m_type(type) {}
    double GetStartLatitude() const override { return m_latitude; }
    double GetEndLatitude() const override { return m_latitude; }
    double GetStartHeight() const override { return 1; }
    double GetEndHeight() const override { return 1; }
    double GetStartWidth() const override { return m_width; }
    double GetEndWidth() const override { return m_width; }
    Velmo::Papy::WallType GetType() const override { return Velmo::Papy::WallType(m_type); }

private:
    double m_latitude, m_width;
    int m_type;
};

class FakeXSection : public Velmo::Papy::TrackXSection
{
public:
    double GetStartLatitude() const override { return 0; }
    double GetEndLatitude() const override { return 0; }
    void SetLatitude(double, double) override {}
    double GetStartAltitude() const override { return 0; }
    double GetEndAltitude() const override { return 0; }
    double GetStartSlope() const override { return 0; }
    double GetEndSlope() const override { return 0; }
    void SetAltitude(double, double, double, double) override {}
    double GetLinear() const override { return 0; }
    double GetSquare() const override { return 0; }
    double GetCube() const override { return 0; }
    double GetAltitudeAt(double) const override { return 0; }
};

// A straight along x from startX, latitudes along y; counts are what the segment reports, the
// sections behind them are made on demand.
class FakeSegment : public Velmo::Papy::TrackSegment
{
public:
    explicit FakeSegment(double length, double startX = 0) : m_length(length), m_startX(startX) {}

    bool IsCorner() const override { return Corner; }
    double GetStartX() const override { return m_startX; }
    double GetStartY() const override { return 0; }
    double GetEndX() const override { return m_startX + m_length; }
    double GetEndY() const override { return 0; }
    double GetLength3D() const override { return m_length; }
    double GetLength2D() const override { return m_length; }
    void GetArc(double& cx, double& cy, double& radius, double& curvature) const override
    {
        ++ArcCalls;
        cx = 1;
        cy = 2;
        radius = 3;
        curvature = 0.5;
    }
    double GetStartHeading() const override { return 0; }
    double GetEndHeading() const override { return 0; }
    int GetXSectionCount() const override { return Traces; }
    CountedPointer<Velmo::Papy::TrackXSection> GetXSection(int i) const override
    {
        VELMO_ASSERT(i >= 0 && i < Traces);
        return CountedPointer<Velmo::Papy::TrackXSection>(new FakeXSection);
    }
    int GetFSectionCount() const override { return Floors.empty() ? Surfaces : int(Floors.size()); }
    CountedPointer<Velmo::Papy::TrackFSection> GetFSection(int i) const override
    {
        VELMO_ASSERT(i >= 0 && i < GetFSectionCount());
        if (!Floors.empty())
            return Floors[std::size_t(i)];
        return CountedPointer<Velmo::Papy::TrackFSection>(new FakeFSection(-1, 1, 0));
    }
    int GetWSectionCount() const override { return WallList.empty() ? Walls : int(WallList.size()); }
    CountedPointer<Velmo::Papy::TrackWSection> GetWSection(int i) const override
    {
        VELMO_ASSERT(i >= 0 && i < GetWSectionCount());
        if (!WallList.empty())
            return WallList[std::size_t(i)];
        return CountedPointer<Velmo::Papy::TrackWSection>(new FakeWSection(0, 0, 0));
    }
    Velmo::Papy::TrackPosition GetPosition(double distance, double latitude) const override
    {
        Distances.push_back(distance);
        Velmo::Papy::TrackPosition position;
        position.X = m_startX + distance;
        position.Y = latitude;
        position.Z = Altitude;
        return position;
    }

    double Altitude = 0;
    bool Corner = false;
    int Traces = 0;
    int Surfaces = 0;
    int Walls = 0;
    std::vector<CountedPointer<Velmo::Papy::TrackFSection>> Floors;
    std::vector<CountedPointer<Velmo::Papy::TrackWSection>> WallList;
    mutable int ArcCalls = 0;
    mutable std::vector<double> Distances;

private:
    double m_length;
    double m_startX;
};

// Segments in a row along x; a count beyond the list repeats the last segment.
class FakeTrack : public Velmo::Papy::Track
{
public:
    double GetLength3D() const override { return 0; }
    double GetLength2D() const override { return 0; }
    double Convert2DTo3D(double longitude) const override { return longitude; }
    int GetSegmentCount() const override { return Count >= 0 ? Count : int(Segments.size()); }
    CountedPointer<Velmo::Papy::TrackSegment> GetSegment(int i) const override
    {
        VELMO_ASSERT(i >= 0 && i < GetSegmentCount());
        ++SegmentCalls;
        return Segments[std::min(std::size_t(i), Segments.size() - 1)];
    }
    double GetSegmentStart3D(int) const override { return 0; }
    double GetSegmentStart2D(int) const override { return 0; }
    CountedPointer<Velmo::Papy::TrackSegment> GetSegmentAt(double, double& offset) const override
    {
        offset = 0;
        return Segments.front();
    }
    Velmo::Papy::TrackPosition GetPosition(double longitude, double latitude) const override
    {
        Velmo::Papy::TrackPosition position;
        position.X = longitude;
        position.Y = latitude;
        position.Z = Altitude;
        return position;
    }
    void Save(Velmo::Util::BinaryStream&) const override {}

    // Adds a segment and returns it.
    FakeSegment& Add(double length, double startX = 0)
    {
        auto* segment = new FakeSegment(length, startX);
        Segments.emplace_back(segment);
        return *segment;
    }

    std::vector<CountedPointer<FakeSegment>> Segments;
    double Altitude = 0;
    int Count = -1;
    mutable int SegmentCalls = 0;
};

// A replay of Drivers drivers with Tables lap tables of Laps laps each; driver 0's samples run
// along the track at 1 m a frame, latitude 0.
class FakeReplay : public Velmo::Papy::RpyFile
{
public:
    std::string GetTrackName() const override { return "Track"; }
    std::u16string GetWideName() const override { return Wide; }
    std::string GetPlayerName() const override { return "Player"; }
    int GetDriverCount() const override { return Drivers; }
    std::string GetDriverName(int d) const override { return "Driver " + std::to_string(d); }
    std::string GetCarNumber(int d) const override { return std::to_string(d); }
    int GetLapTableCount() const override { return Tables; }
    int GetLapCount(int, int) const override { return Laps; }
    double GetLapTime(int, int, int) const override { return 1; }
    int GetLapStatus(int, int, int) const override { return 2; }
    int GetLapFirstFrame(int, int, int) const override { return First; }
    int GetLapEndFrame(int, int, int) const override { return End; }
    int GetHeaderIntegerCount() const override { return int(Integers.size()); }
    int GetHeaderInteger(int i) const override { return Integers.at(std::size_t(i)); }
    int GetFrameCount() const override { return Frames; }
    double GetFrameDuration() const override { return 1.0 / 36; }
    bool IsSampleValid(int d, int frame) const override { return d == 0 && frame >= 0 && frame < Frames; }
    double GetSampleLongitude(int, int frame) const override { return frame; }
    double GetSampleLatitude(int, int) const override { return 0; }
    double GetSampleAngle(int, int) const override { return 0; }
    int GetHeaderValue2() const override { return 0; }
    int GetHeaderValue3() const override { return 0; }

    int Drivers = 1;
    int Tables = 1;
    int Laps = 1;
    int Frames = 100;
    int First = 0;
    int End = 100;
    std::u16string Wide;
    std::vector<int> Integers;
};
} // namespace VelmoTest
