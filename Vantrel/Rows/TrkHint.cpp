#include "Vantrel/Rows/TrkHint.h"

int TrkHint::Segment(int s)
{
    return (s + 1) << 16;
}

int TrkHint::Part(int s, TrkPart kind, int p)
{
    return Segment(s) | (int(kind) << 8) | (p + 1);
}

int TrkHint::SegmentOf(int hint)
{
    return int((unsigned(hint) >> 16) & 0x7FFF) - 1;
}

int TrkHint::KindOf(int hint)
{
    return int((unsigned(hint) >> 8) & 0xFF);
}

int TrkHint::PartOf(int hint)
{
    return int(unsigned(hint) & 0xFF) - 1;
}
