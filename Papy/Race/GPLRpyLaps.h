#pragma once
// The laps of a GPL, N4 or N2003 replay, followed through its frames in the LapBooks of the last
// lap table (a driver without a read-out there is not followed).
//
// A car that runs from beyond LineFar metres to below LineNear between two consecutive frames
// crossed the line; a frame with a race clock ends every lap whose read-out time the clock has
// passed, and marks the current lap of each followed driver as seen on or not. Crossings count
// from the first frame with a race clock on: at that frame the laps of the samples before it are
// found by walking back over their crossings from the current lap.
#include <map>
#include <vector>

#include "Papy/Race/GPLRpySample.h"
#include "Papy/Race/LapBook.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLRpyLaps
{
public:
    typedef std::vector<GPLRpySample> Samples;

    static constexpr double LineFar = 100; // metres: a car this far along ...
    static constexpr double LineNear = 10; // ... and then this near the start crossed the line

    // Follows the books of table (null: none) over the drivers' samples, which the frames
    // add to as they are read.
    GPLRpyLaps(std::map<int, LapBook>* table, const std::vector<Samples>& samples);

    // Driver d's sample of a new frame, before it is added after previous (null: none).
    void Adding(int d, const GPLRpySample* previous, const GPLRpySample& sample);
    // Every item of frame is read; hasClock tells whether it had a race clock (in 10 ms).
    void EndFrame(U32 frame, bool hasClock, S64 clock);
    // After the last of frameCount frames: the cars of the last frame end on a lap with frames.
    void Finish(U32 frameCount);

private:
    static bool CrossesLine(const GPLRpySample& before, const GPLRpySample& after)
    {
        return after.frame == before.frame + 1 && before.longitude > LineFar && after.longitude < LineNear;
    }

    void PassClock(U32 frame, S64 clock);
    void WalkBack(int d, U32 frame);

    const std::vector<Samples>& m_samples;
    // Each driver's book in the followed table, or null.
    std::vector<LapBook*> m_books;
    // The drivers seen in the frame being read and in the last frame read.
    std::vector<int> m_seen;
    std::vector<int> m_lastSeen;
    // Whether a frame with a race clock has been read.
    bool m_clocked = false;
};
} // namespace Velmo::Papy
