#pragma once
// The hint codes of the track panes: the tree items' data and the hint of the document's update.
//   -1                 the whole track
//   bits 16-30         segment index + 1 (at most 32767 segments)
//   bits 8-15          part kind: 0 the segment, 1 trace, 2 surface, 3 wall
//   bits 0-7           index of the trace, surface or wall + 1 (at most 255 of a kind)
// 0 names nothing.

enum class TrkPart
{
    Segment = 0,
    Trace = 1,
    Surface = 2,
    Wall = 3,
};

class TrkHint
{
public:
    static constexpr int Whole = -1;
    static constexpr int MaxSegments = 32767;
    static constexpr int MaxParts = 255;

    // The code of segment s (0 <= s < MaxSegments).
    static int Segment(int s);
    // The code of part p of a kind of segment s (0 <= p < MaxParts).
    static int Part(int s, TrkPart kind, int p);

    // Segment index of a code (bits 16-30, minus 1): -1 when the code names none.
    static int SegmentOf(int hint);
    // The part kind of a code (bits 8-15).
    static int KindOf(int hint);
    // The part index of a code (bits 0-7, minus 1): -1 for the segment itself.
    static int PartOf(int hint);
};
