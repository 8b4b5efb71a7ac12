#pragma once
// The laps of one driver in one lap table, kept while a replay's frames are read in order.
// Entry 0 marks the start; entry g + 1 is lap g. One entry is the driver's current lap (entry 1
// at first); a reader leaves it when the car crosses the line or the race clock passes the lap's
// end, and enters the next.
//
// Each lap holds its end on the replay's clock, the frames it covers as [first, end) and, while
// reading, status bits gathered frame by frame; Finish turns the bits into the status of the
// replay interface: 2 for a lap driven whole (the car in every frame marked on it, the lap
// entered from a lap with status bits and left), 1 for a lap the car was seen on, 0 otherwise.
//
//     LapBook book;                 // {start}, current lap 1
//     book.Add(71000);              // lap 0 ends at 71 s on the race clock
//     book.Add(LapBook::OpenTime);  // and lap 1 is open
//     book.Mark(true);              // frame 3 has the car on lap 0
//     book.CrossLine(4);            // at frame 4 the car begins lap 1
//     book.Finish();
#include <cstddef>
#include <vector>

#include "Util/Types.h"

namespace Velmo::Papy
{
class LapBook
{
public:
    // Status bits while reading.
    enum Flag : S32
    {
        Absent = 1,  // a frame of the lap without the car
        Present = 2, // a frame of the lap with the car
        Entered = 4, // the lap followed a lap with status bits
        Left = 8     // the car left the lap after it had status bits
    };
    // The time of a lap that has not ended.
    static constexpr S32 OpenTime = -1;

    struct Lap
    {
        S32 time;   // the replay's clock at the end of the lap; OpenTime = open
        S32 status; // Flag bits while reading, 0, 1 or 2 once finished
        S32 first;  // first frame of the lap, -1 = none
        S32 end;    // frame after the last
    };

    // The start entry {0, 0, -1, 0} alone; the current lap is entry 1.
    LapBook();

    // Appends a lap that ends at time, without frames.
    void Add(S32 time);
    // Appends the current lap (there is none yet), open: it begins where the entry before it
    // ends.
    void Continue();

    const std::vector<Lap>& GetLaps() const { return m_laps; }
    std::size_t GetCurrentIndex() const { return m_current; }
    bool HasCurrent() const { return m_current < m_laps.size(); }
    bool HasNext() const { return m_current + 1 < m_laps.size(); }
    // The current lap; there must be one.
    Lap& GetCurrent();

    // Leaves the current lap at frame: it gets Left and the next lap Entered when it has status
    // bits. Its frames end at frame; a lap entered in this same frame has no frames at all.
    void Leave(U32 frame);
    // The current lap (if any) begins at frame unless it has frames already.
    void Enter(U32 frame);
    // The car crossed the line at frame: leaves the current lap and enters the next.
    void CrossLine(U32 frame)
    {
        Leave(frame);
        Enter(frame);
    }
    // A frame of the current lap (if any), with the car or without.
    void Mark(bool present)
    {
        if (HasCurrent())
            m_laps[m_current].status |= present ? Present : Absent;
    }
    // The car was seen on the current lap (if any) at frame: its frames reach that far.
    void Extend(U32 frame)
    {
        if (HasCurrent() && m_laps[m_current].first >= 0)
            m_laps[m_current].end = S32(frame) + 1;
    }
    // Sets the frames of a lap, for a reader that works them out afterwards.
    void SetFrames(std::size_t lap, S32 first, S32 end);

    // Every lap's status bits become the status of the interface.
    void Finish();
    // The status of a lap with the given bits: 2, 1 or 0.
    static S32 FinalStatus(S32 bits);

private:
    std::vector<Lap> m_laps;
    std::size_t m_current = 1;
};
} // namespace Velmo::Papy
