// libFuzzer harness of the track and racing-line readers. The first byte chooses the reader:
// 0 GPL .trk, 1 ICR2 .trk, 2 GPL .lp (of a fixed two-straight track), 3 ICR2 .lp, 4 N4 .lp;
// the rest is the file. A track that loads is asked for positions round the lap (each finite),
// saved, loaded back and saved again (the two saves must agree), and converted to GPL (refused
// by an assertion, or loading back); a line that loads is looked up and saved the same way.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "Papy/Track/GPLLpFile.h"
#include "Papy/Track/GPLTrkFile.h"
#include "Papy/Track/ICR2LpFile.h"
#include "Papy/Track/ICR2TrkFile.h"
#include "Papy/Track/N4LpFile.h"
#include "Papy/Track/TrkTrack.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
void Check(bool condition)
{
    if (!condition)
        std::abort();
}

template <class File>
void ExerciseTrack(std::vector<U8> bytes)
{
    Util::MemoryStream stream(std::move(bytes), "fuzz.trk");
    Util::CountedPointer<TrkFile> file(new File(stream));
    TrkTrack track(file);
    double lap = track.GetLength2D();
    Check(std::isfinite(lap));
    for (int i = -10; i < 110; ++i)
    {
        try
        {
            TrackPosition p = track.GetPosition(lap * i / 100.0, (i % 11 - 5) * 3.0);
            for (double v : {p.X, p.Y, p.Z, p.Heading, p.Pitch, p.Bank})
                Check(std::isfinite(v));
        }
        catch (const Util::XAssertion&)
        {
            // A floor code beyond the game's table.
        }
    }
    for (int s = 0; s < track.GetSegmentCount(); ++s)
    {
        auto segment = track.GetSegment(s);
        for (int i = 0; i < segment->GetFSectionCount(); ++i)
            Check(std::isfinite(segment->GetFSection(i)->GetLeftEnd()));
        for (int i = 0; i < segment->GetWSectionCount(); ++i)
            Check(std::isfinite(segment->GetWSection(i)->GetEndWidth()));
    }
    Util::MemoryStream first("first.trk");
    file->Save(first);
    Util::MemoryStream second("second.trk");
    // What we saved must load again: a refusal here is a finding, not a refused input.
    try
    {
        File again(first);
        again.Save(second);
    }
    catch (const Util::Exception&)
    {
        std::abort();
    }
    Check(first.GetBytes() == second.GetBytes());

    // The conversion to GPL either refuses the track with one of its assertions or gives a
    // file that loads back (Strict stays off here).
    Util::CountedPointer<GPLTrkFile> converted;
    try
    {
        converted = Util::CountedPointer<GPLTrkFile>(new GPLTrkFile(*file));
    }
    catch (const Util::XAssertion&)
    {
        return;
    }
    Util::MemoryStream third("converted.trk");
    converted->Save(third);
    try
    {
        GPLTrkFile back(third);
        Check(back.GetSectionCount() == file->GetSectionCount());
    }
    catch (const Util::Exception&)
    {
        std::abort();
    }
}

template <class Line>
void ExerciseLine(const Line& line)
{
    // A record's own longitude, divided by the spacing again, may fall a hair short of it.
    for (int i = 0; i < line.GetRecordCount(); i += 5)
    {
        int found = line.GetRecordIndex(line.GetRecordLongitude(i));
        Check(found == i || found == i - 1);
    }
    Util::MemoryStream out("out.lp");
    line.Save(out);
}

// Two straights of 101.6 m there and back, one lateral: the track of the GPL lines.
const GPLTrkFile& LineTrack()
{
    static const GPLTrkFile* track = [] {
        std::vector<S32> w = {0x5452414B, 3000, 4000000, 1, 2, 128, 104};
        w.resize(23, 0);
        for (S32 v : {0, 52})
            w.push_back(v);
        for (S32 v : {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2000000})
            w.push_back(v);
        for (int s = 0; s < 2; ++s)
            for (S32 v : {-100000, -100000, 1, 0, 0, 0, 0, 0, 100000, 100000, 10, 0, 0, 0, 0, 0})
                w.push_back(v);
        for (S32 v : {1, 0, 2000000, 0, 0, 0, 1 << 30, -(1 << 30), 0, 0, 0, 2, 0})
            w.push_back(v);
        for (S32 v : {1, 2000000, 2000000, S32(0x80000000), 0, 0, -(1 << 30), 1 << 30, 0, 0, 1, 2, 2})
            w.push_back(v);
        std::vector<U8> bytes;
        for (S32 v : w)
            for (int k = 0; k < 4; ++k)
                bytes.push_back(U8(U32(v) >> (8 * k)));
        Util::MemoryStream stream(bytes, "line.trk");
        return new GPLTrkFile(stream);
    }();
    return *track;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::vector<U8> bytes(data + 1, data + size);
    try
    {
        switch (data[0] % 5)
        {
        case 0:
            ExerciseTrack<GPLTrkFile>(std::move(bytes));
            break;
        case 1:
            ExerciseTrack<ICR2TrkFile>(std::move(bytes));
            break;
        case 2:
        {
            Util::MemoryStream stream(std::move(bytes), "fuzz.lp");
            ExerciseLine(GPLLpFile(stream, LineTrack()));
            break;
        }
        case 3:
        {
            Util::MemoryStream stream(std::move(bytes), "fuzz.lp");
            ExerciseLine(ICR2LpFile(stream));
            break;
        }
        default:
        {
            Util::MemoryStream stream(std::move(bytes), "fuzz.lp");
            ExerciseLine(N4LpFile(stream));
        }
        }
    }
    catch (const Util::Exception&)
    {
    }
    return 0;
}
