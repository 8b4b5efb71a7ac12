// Loads a generated GPL .trk of 2,000 sections and 16 laterals from a file and asks the track
// model for 10^6 positions; prints the times. The file is encoded here, independently of the
// reader: straights along a closed polygon, four boundaries per section.
//
//   TrackBench [sections] [repetitions]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Papy/Track/GPLTrkFile.h"
#include "Papy/Track/TrkTrack.h"
#include "Util/BinaryFile.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"

using namespace Velmo;

namespace
{
typedef std::chrono::steady_clock Clock;

double Milliseconds(Clock::time_point from)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

void Put(std::vector<U8>& out, std::int64_t v)
{
    for (int k = 0; k < 4; ++k)
        out.push_back(U8(U32(v) >> (8 * k)));
}

std::vector<U8> MakeTrack(int sections)
{
    const int laterals = 16;
    const double one = 1 << 30;
    const std::int64_t length = 400000; // 20.32 m
    const double turn = 2 * 3.141592653589793 / sections;
    std::vector<U8> out;
    Put(out, 0x5452414B);
    Put(out, 3000);
    Put(out, length * sections);
    Put(out, laterals);
    Put(out, sections);
    Put(out, 4 * 32 * sections);
    Put(out, 52 * sections);
    for (int l = 0; l < laterals; ++l)
        Put(out, -400000 + 50000 * l);
    for (int i = 0; i < sections; ++i)
        Put(out, 52 * i);
    double x = 0, y = 0;
    std::vector<std::int64_t> xs, ys;
    for (int i = 0; i < sections; ++i)
    {
        xs.push_back(std::llround(x));
        ys.push_back(std::llround(y));
        x += length * std::sin(i * turn);
        y += length * std::cos(i * turn);
    }
    for (int i = 0; i < sections; ++i)
        for (int l = 0; l < laterals; ++l)
        {
            double lat = -400000 + 50000 * l;
            Put(out, 0), Put(out, 0), Put(out, 0), Put(out, 1000 * l), Put(out, 0), Put(out, 0);
            Put(out, std::llround(xs[i] - lat * std::cos(i * turn)));
            Put(out, std::llround(ys[i] + lat * std::sin(i * turn)));
        }
    for (int i = 0; i < sections; ++i)
    {
        const std::int64_t from[] = {-400000, -300000, 300000, 400000};
        const std::int64_t kind[] = {4, 1, 4, 10};
        for (int b = 0; b < 4; ++b)
        {
            Put(out, from[b]), Put(out, from[b]), Put(out, kind[b]);
            for (int k = 0; k < 5; ++k)
                Put(out, 0);
        }
    }
    for (int i = 0; i < sections; ++i)
    {
        Put(out, 1), Put(out, length * i), Put(out, length), Put(out, std::llround(i * 4294967296.0 / sections));
        Put(out, 0);
        Put(out, std::llround(std::sin(i * turn) * one)), Put(out, std::llround(std::cos(i * turn) * one));
        Put(out, std::llround(-std::cos(i * turn) * one)), Put(out, std::llround(std::sin(i * turn) * one));
        Put(out, 0);
        Put(out, i * laterals), Put(out, 4), Put(out, 4 * i);
    }
    return out;
}
} // namespace

int main(int argc, char** argv)
{
    int sections = argc > 1 ? std::atoi(argv[1]) : 2000;
    int repetitions = argc > 2 ? std::atoi(argv[2]) : 20;
    try
    {
        std::vector<U8> bytes = MakeTrack(sections);
        const char* folder = std::getenv("TMPDIR");
        std::string path = std::string(folder != nullptr ? folder : "/tmp") + "/TrackBench.trk";
        {
            std::unique_ptr<Util::BinaryFile> file(Util::BinaryFile::CreateAlways(path));
            file->Write(U32(bytes.size()), bytes.data());
            file->Commit();
        }

        std::vector<double> loads;
        Util::CountedPointer<Papy::GPLTrkFile> track;
        for (int r = 0; r < repetitions; ++r)
        {
            Clock::time_point start = Clock::now();
            Util::CountedPointer<Util::BinaryStream> stream(Util::BinaryFile::OpenRead(path));
            track = Util::CountedPointer<Papy::GPLTrkFile>(new Papy::GPLTrkFile(*stream));
            loads.push_back(Milliseconds(start));
        }
        std::sort(loads.begin(), loads.end());
        std::printf("GPL trk load, %d sections x 16 laterals (%zu bytes): median %.2f ms, best %.2f ms\n", sections,
                    bytes.size(), loads[loads.size() / 2], loads[0]);

        Papy::TrkTrack model(track);
        double lap = model.GetLength2D();
        const int queries = 1000000;
        double sum = 0;
        Clock::time_point start = Clock::now();
        for (int i = 0; i < queries; ++i)
        {
            Papy::TrackPosition p = model.GetPosition(lap * (i % 99991) / 99991.0, (i % 37 - 18) * 1.1);
            sum += p.Z + p.X;
        }
        double ms = Milliseconds(start);
        std::printf("Track::GetPosition x %d: %.1f ms (%.0f ns each) [%g]\n", queries, ms, ms * 1e6 / queries, sum);
        std::remove(path.c_str());
    }
    catch (const Util::Exception& e)
    {
        std::fprintf(stderr, "%s\n", e.GetText().c_str());
        return 1;
    }
    return 0;
}
