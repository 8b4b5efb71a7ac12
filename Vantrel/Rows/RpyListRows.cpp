#include "Vantrel/Rows/RpyListRows.h"

#include "Papy/Race/RpyFile.h"
#include "Vantrel/Rows/RpyHint.h"
#include "Vantrel/Rows/TrkText.h"
#include "Vantrel/Text/CodePage1252.h"
#include "Vantrel/Text/Utf8.h"

using Velmo::Papy::RpyFile;

bool RpyListRows::Changes(const RpyFile* replay, int hint)
{
    return hint != 0 && replay != nullptr;
}

void RpyListRows::Add(const RpyFile& replay, int hint, std::vector<TrkRow>& rows)
{
    const RpyHint::Selection selection = RpyHint::Decode(hint);
    switch (selection.What)
    {
    case RpyHint::Kind::Whole:
    {
        rows.push_back({"Track", CodePage1252::ToUtf8(replay.GetTrackName())});
        rows.push_back({"Player", CodePage1252::ToUtf8(replay.GetPlayerName())});
        const std::u16string description = replay.GetWideName();
        if (!description.empty())
            rows.push_back({"Description", Utf8::FromUtf16(description)});
        rows.push_back({"Frames", TrkText::Integer(replay.GetFrameCount())});
        const int unknowns = replay.GetHeaderIntegerCount();
        for (int i = 0; i < unknowns; ++i)
            rows.push_back({"Unknown", TrkText::CutLine(TrkText::Integer(replay.GetHeaderInteger(i)))});
        break;
    }
    case RpyHint::Kind::Driver:
        if (selection.Driver < replay.GetDriverCount())
            rows.push_back({"Number", CodePage1252::ToUtf8(replay.GetCarNumber(selection.Driver))});
        break;
    case RpyHint::Kind::Lap:
    {
        // A code the tree did not make may name a driver, table or lap the replay lacks.
        const int d = selection.Driver, i = selection.Table, g = selection.Lap;
        if (d < 0 || d >= replay.GetDriverCount() || i < 0 || i >= replay.GetLapTableCount() || g < 0 ||
            g >= replay.GetLapCount(i, d))
            break;
        rows.push_back({"Time", TrkText::LapTime(replay.GetLapTime(i, d, g))});
        rows.push_back({"Status", TrkText::Integer(replay.GetLapStatus(i, d, g))});
        break;
    }
    default:
        break;
    }
}
