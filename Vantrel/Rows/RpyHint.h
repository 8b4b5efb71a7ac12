#pragma once
// The hint codes of the replay panes: the tree items' data and the hint of the document's update.
//   -1                 the whole replay
//   bits 24-31         driver index + 1
//   bits 16-23         lap table index + 1
//   bits 8-15          lap index within the table + 1
//   bits 0-7           0
// A driver's code has only bits 24-31 set, a lap's bits 8-31. At most 255 drivers, lap tables
// and laps of a table can be named. 0 names nothing.

class RpyHint
{
public:
    static constexpr int Whole = -1;
    static constexpr int MaxDrivers = 255;
    static constexpr int MaxLapTables = 255;
    static constexpr int MaxLaps = 255;

    enum class Kind
    {
        Nothing, // 0: the panes ignore it
        Whole,
        Driver,
        Lap,
        Other, // a code of no item: the list is emptied, the path hidden
    };

    struct Selection
    {
        Kind What = Kind::Nothing;
        int Driver = -1;
        int Table = -1;
        int Lap = -1;
    };

    // The code of driver d (0 <= d < MaxDrivers).
    static int Driver(int d);
    // The code of lap g of table i of driver d.
    static int Lap(int d, int i, int g);
    // What a code names, with the indices the code holds (not checked against any replay).
    static Selection Decode(int hint);
};
