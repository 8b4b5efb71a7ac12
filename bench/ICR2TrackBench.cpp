// Loads a generated ICR2 .trk of 4,000 sections and 10 laterals from a file, builds the track
// model over it and asks what the track views ask: the plan and tree walk every segment with
// its floor strips, walls and cross sections, the plan samples points along each segment, and
// the position read-outs look up places and segments; then saves the file. Prints the times, the
// file's size and the peak memory. The file is encoded here, independently of the reader, with
// the test byte builder: a closed loop of straights and gentle left corners, five floor
// boundaries and two walls per section, altitudes as cubics that meet at every section end.
//
//   ICR2TrackBench [sections] [repetitions]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Papy/Track/ICR2TrkFile.h"
#include "Papy/Track/TrkTrack.h"
#include "Util/BinaryFile.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"
#include "tests/Support/ByteBuilder.h"

using namespace Velmo;

namespace
{
typedef std::chrono::steady_clock Clock;

double Milliseconds(Clock::time_point from)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

// The median and the best of repeated timings.
struct Timings
{
    std::vector<double> runs;

    void Add(double ms) { runs.push_back(ms); }
    double Median()
    {
        std::sort(runs.begin(), runs.end());
        return runs[runs.size() / 2];
    }
    double Best() { return *std::min_element(runs.begin(), runs.end()); }
};

std::int32_t Round(double value)
{
    return std::int32_t(std::llround(value));
}

// sections (an even number) alternate straights and left corners that turn one lap in all.
std::vector<std::uint8_t> MakeTrack(int sections)
{
    const double one = 1 << 30;
    const double angleUnit = 2 * 3.141592653589793 / 4294967296.0;
    const int laterals = 10;
    const std::int32_t straight = 300000; // 15.24 m
    const std::int32_t radius = 10000000; // 508 m
    const std::int32_t half = -std::int32_t(std::llround(2147483648.0 / (sections / 2)));
    const std::int32_t cornerLength = Round(std::fabs(double(radius) * 2 * half * angleUnit));
    const int boundaries = 5, walls = 2;

    std::vector<std::int32_t> lateral;
    for (int l = 0; l < laterals; ++l)
        lateral.push_back(-450000 + 100000 * l);
    // Altitude and slope of each lateral at each section start, the last equal to the first.
    auto altitude = [&](int i, int l) { return std::int32_t((i % sections) % 3 * 40000 + l * 40); };
    auto slope = [&](int i, int l) { return std::int32_t(((i % sections) + l) % 2 * 2000 - 1000); };

    VelmoTest::ByteBuilder out;
    std::int32_t length = sections / 2 * (straight + cornerLength);
    out.U32(0x5452414B).S32(1).S32(length).S32(laterals).S32(sections).S32(12 * boundaries * sections);
    out.S32((52 + 20 * walls) * sections);
    for (int l = 0; l < laterals; ++l)
        out.S32(lateral[l]);
    for (int i = 0; i < sections; ++i)
        out.S32((52 + 20 * walls) * i);

    struct Section
    {
        std::int32_t type, start, length, heading, s[5];
    };
    std::vector<Section> records;
    double x = 0, y = 0;
    std::int64_t heading = 0;
    std::int32_t start = 0;
    for (int i = 0; i < sections; ++i)
    {
        double h = double(heading) * angleUnit;
        Section section{};
        section.start = start;
        section.heading = std::int32_t(std::uint32_t(std::uint64_t(heading)));
        bool corner = i % 2 == 1;
        if (!corner)
        {
            section.type = 1;
            section.length = straight;
            std::int32_t s[5] = {Round(std::sin(h) * one), Round(std::cos(h) * one), Round(-std::cos(h) * one),
                                 Round(std::sin(h) * one), 0};
            std::copy(s, s + 5, section.s);
        }
        else
        {
            section.type = 2;
            section.length = cornerLength;
            double cx = x - radius * std::cos(h), cy = y + radius * std::sin(h);
            std::int32_t s[5] = {Round(cx), Round(cy), half, 0, 0};
            std::copy(s, s + 5, section.s);
        }
        for (int l = 0; l < laterals; ++l)
        {
            std::int32_t a0 = altitude(i, l), a1 = altitude(i + 1, l), s0 = slope(i, l), s1 = slope(i + 1, l);
            std::int32_t rise = a1 - a0;
            std::int32_t square = 3 * rise - 2 * s0 - s1, cube = s0 + s1 - 2 * rise;
            std::int32_t r, ty;
            if (corner)
                r = radius - lateral[l], ty = 0;
            else
                r = Round(x + double(lateral[l]) * section.s[2] / one), ty = Round(y + double(lateral[l]) * section.s[3] / one);
            out.S32(cube).S32(square).S32(s0).S32(a0).S32(3 * cube).S32(2 * square).S32(r).S32(ty);
        }
        if (!corner)
        {
            x += straight * std::sin(h);
            y += straight * std::cos(h);
        }
        else
        {
            double cx = section.s[0], cy = section.s[1];
            heading += 2 * std::int64_t(half);
            double end = double(heading) * angleUnit;
            x = cx + radius * std::cos(end);
            y = cy - radius * std::sin(end);
        }
        start += section.length;
        records.push_back(section);
    }
    for (int i = 0; i < sections; ++i)
    {
        const std::int32_t widen = 15000 * (i % 2);
        out.S32(-400000).S32(-400000).S32(5);
        out.S32(-330000).S32(-330000 - widen).S32(14);
        out.S32(-280000).S32(-280000).S32(40 + i % 6);
        out.S32(280000).S32(280000 + widen).S32(30);
        out.S32(330000).S32(330000).S32(50);
    }
    const std::int32_t wallCodes[] = {0, 2, 4, 6};
    for (int i = 0; i < sections; ++i)
    {
        const Section& section = records[i];
        out.S32(section.type).S32(section.start).S32(section.length).S32(section.heading);
        for (std::int32_t value : section.s)
            out.S32(value);
        out.S32(i * laterals).S32(boundaries).S32(boundaries * i).S32(walls);
        out.S32(wallCodes[i % 4]).S32(380000).S32(380000 + 10000 * (i % 2)).U32(0xCCCCCCCC).U32(0xCCCCCCCC);
        out.S32(4).S32(420000).S32(420000).U32(0xCCCCCCCC).U32(0xCCCCCCCC);
    }
    return out.Get();
}

// What the plan and the tree read of every segment: its ends and arc, and every edge, type and
// altitude of its floor strips, walls and cross sections.
double WalkSegments(const Papy::Track& track)
{
    double sum = 0;
    for (int i = 0; i < track.GetSegmentCount(); ++i)
    {
        auto segment = track.GetSegment(i);
        double cx, cy, radius, curvature;
        segment->GetArc(cx, cy, radius, curvature);
        sum += segment->GetStartX() + segment->GetEndY() + segment->GetLength2D() + segment->GetStartHeading() + radius;
        for (int f = 0; f < segment->GetFSectionCount(); ++f)
        {
            auto floor = segment->GetFSection(f);
            sum += floor->GetRightStart() + floor->GetRightEnd() + floor->GetLeftStart() + floor->GetLeftEnd();
            sum += int(floor->GetType()) + floor->GetGripModifier();
        }
        for (int w = 0; w < segment->GetWSectionCount(); ++w)
        {
            auto wall = segment->GetWSection(w);
            sum += wall->GetStartLatitude() + wall->GetEndLatitude() + wall->GetStartWidth() + wall->GetStartHeight();
            sum += int(wall->GetType());
        }
        for (int c = 0; c < segment->GetXSectionCount(); ++c)
        {
            auto cross = segment->GetXSection(c);
            sum += cross->GetStartLatitude() + cross->GetStartAltitude() + cross->GetEndAltitude() +
                   cross->GetStartSlope() + cross->GetEndSlope();
        }
    }
    return sum;
}

// The plan's outline: points along each segment at its floor edges.
double SamplePlan(const Papy::Track& track, int steps)
{
    double sum = 0;
    for (int i = 0; i < track.GetSegmentCount(); ++i)
    {
        auto segment = track.GetSegment(i);
        double length = segment->GetLength2D();
        for (int f = 0; f < segment->GetFSectionCount(); ++f)
        {
            auto floor = segment->GetFSection(f);
            for (int k = 0; k <= steps; ++k)
            {
                double t = double(k) / steps;
                Papy::Vertex v = segment->GetPoint(length * t, floor->GetRightStart() + (floor->GetRightEnd() - floor->GetRightStart()) * t);
                sum += v.GetX() + v.GetY() + v.GetZ();
            }
        }
    }
    return sum;
}
} // namespace

int main(int argc, char** argv)
{
    int sections = argc > 1 ? std::atoi(argv[1]) : 4000;
    int repetitions = argc > 2 ? std::atoi(argv[2]) : 20;
    sections += sections % 2;
    if (sections < 4 || repetitions < 1)
    {
        std::fprintf(stderr, "usage: ICR2TrackBench [sections (4 or more)] [repetitions]\n");
        return 2;
    }
    try
    {
        std::vector<std::uint8_t> bytes = MakeTrack(sections);
        const char* folder = std::getenv("TMPDIR");
        std::string path = std::string(folder != nullptr ? folder : "/tmp") + "/ICR2TrackBench.trk";
        {
            std::unique_ptr<Util::BinaryFile> file(Util::BinaryFile::CreateAlways(path));
            file->Write(U32(bytes.size()), bytes.data());
            file->Commit();
        }

        Timings loads, models, saves;
        Util::CountedPointer<Papy::ICR2TrkFile> file;
        Util::CountedPointer<Papy::TrkTrack> track;
        for (int r = 0; r < repetitions; ++r)
        {
            Clock::time_point start = Clock::now();
            Util::CountedPointer<Util::BinaryStream> stream(Util::BinaryFile::OpenRead(path));
            file = Util::CountedPointer<Papy::ICR2TrkFile>(new Papy::ICR2TrkFile(*stream));
            loads.Add(Milliseconds(start));
            start = Clock::now();
            track = Util::CountedPointer<Papy::TrkTrack>(new Papy::TrkTrack(file));
            models.Add(Milliseconds(start));
        }
        std::printf("ICR2 trk load, %d sections x 10 laterals, 5 floors and 2 walls each (%zu bytes): median %.2f ms, "
                    "best %.2f ms\n",
                    sections, bytes.size(), loads.Median(), loads.Best());
        std::printf("track model (segments, floors, walls, cross sections): median %.2f ms, best %.2f ms\n",
                    models.Median(), models.Best());

        Clock::time_point start = Clock::now();
        double walked = WalkSegments(*track);
        double ms = Milliseconds(start);
        std::printf("walk of every segment and section: %.2f ms [%g]\n", ms, walked);

        start = Clock::now();
        double plan = SamplePlan(*track, 8);
        ms = Milliseconds(start);
        std::printf("plan outline, 9 points per floor edge: %.2f ms [%g]\n", ms, plan);

        double lap = track->GetLength2D();
        const int queries = 1000000;
        double sum = 0;
        start = Clock::now();
        for (int i = 0; i < queries; ++i)
        {
            Papy::TrackPosition p = track->GetPosition(lap * (i % 99991) / 99991.0, (i % 37 - 18) * 1.1);
            sum += p.Z + p.X + p.Floor;
        }
        ms = Milliseconds(start);
        std::printf("Track::GetPosition x %d: %.1f ms (%.0f ns each) [%g]\n", queries, ms, ms * 1e6 / queries, sum);

        sum = 0;
        start = Clock::now();
        for (int i = 0; i < queries; ++i)
        {
            double offset;
            auto segment = track->GetSegmentAt(lap * (i % 99991) / 99991.0, offset);
            sum += offset + segment->GetFSectionCount();
        }
        ms = Milliseconds(start);
        std::printf("Track::GetSegmentAt x %d: %.1f ms (%.0f ns each) [%g]\n", queries, ms, ms * 1e6 / queries, sum);

        bool same = true;
        for (int r = 0; r < repetitions; ++r)
        {
            Util::MemoryStream out("saved.trk");
            start = Clock::now();
            track->Save(out);
            saves.Add(Milliseconds(start));
            same = same && out.GetBytes() == bytes;
        }
        std::printf("save to memory: median %.2f ms, best %.2f ms (byte for byte: %s)\n", saves.Median(), saves.Best(),
                    same ? "yes" : "NO");

        struct rusage usage;
        getrusage(RUSAGE_SELF, &usage);
        std::printf("peak memory (ru_maxrss): %.1f MB\n", usage.ru_maxrss / 1024.0);
        std::remove(path.c_str());
        return same ? 0 : 1;
    }
    catch (const Util::Exception& e)
    {
        std::fprintf(stderr, "%s\n", e.GetText().c_str());
        return 1;
    }
}
