#include "Vantrel/Rows/RpyHint.h"

int RpyHint::Driver(int d)
{
    return int(unsigned(d + 1) << 24);
}

int RpyHint::Lap(int d, int i, int g)
{
    return int((unsigned(d + 1) << 24) | (unsigned(i + 1) << 16) | (unsigned(g + 1) << 8));
}

RpyHint::Selection RpyHint::Decode(int hint)
{
    const unsigned code = unsigned(hint);
    Selection selection;
    if (hint == 0)
        return selection;
    if (hint == Whole)
    {
        selection.What = Kind::Whole;
        return selection;
    }
    selection.Driver = int(code >> 24) - 1;
    if ((code & 0xFFFFFF) == 0)
        selection.What = Kind::Driver;
    else if ((code & 0xFF) == 0)
    {
        selection.What = Kind::Lap;
        selection.Table = int((code >> 16) & 0xFF) - 1;
        selection.Lap = int((code >> 8) & 0xFF) - 1;
    }
    else
    {
        selection.What = Kind::Other;
        selection.Driver = -1;
    }
    return selection;
}
