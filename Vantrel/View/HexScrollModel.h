#pragma once
// Where the hexadecimal dump stands: a file of Lines 16-byte lines, a window of PageLines whole
// lines, and the top line, always within [0, max(0, Lines - PageLines)]. Every position is a
// 64-bit line number, so a file of any size is reached line by line.
//
// The scroll bar works in int positions. Up to BarLimit lines a bar position is a line; a
// longer file is shown on a bar whose units stand for Scale lines each, its last position
// standing for the last top line.
#include "Util/Types.h"

class CHexScrollModel
{
public:
    static constexpr Velmo::U64 BarLimit = Velmo::U64(1) << 30;

    // Sets the file size in bytes; keeps the top line where it can.
    void SetSize(Velmo::U64 bytes);
    // Sets the number of whole lines the window shows (0 is taken as 1).
    void SetPageLines(Velmo::U64 lines);

    Velmo::U64 GetLines() const { return m_lines; }
    Velmo::U64 GetPageLines() const { return m_pageLines; }
    Velmo::U64 GetTop() const { return m_top; }
    Velmo::U64 GetTopOffset() const { return m_top * 16; }
    Velmo::U64 GetMaxTop() const;

    // Moves the top line (clamped); true when it changed.
    bool ScrollTo(Velmo::U64 top);
    bool Home() { return ScrollTo(0); }
    bool End() { return ScrollTo(GetMaxTop()); }
    bool PageUp() { return ScrollTo(m_top > m_pageLines ? m_top - m_pageLines : 0); }
    bool PageDown() { return ScrollTo(m_top + m_pageLines); }
    bool LineUp() { return ScrollTo(m_top > 0 ? m_top - 1 : 0); }
    bool LineDown() { return ScrollTo(m_top + 1); }
    // Moves by a signed number of lines.
    bool ScrollBy(long long lines);
    // A wheel event: rotation in units of which delta make one notch (positive: up, towards the
    // file's start), linesPerNotch lines to a notch. Rotation is gathered across events and the
    // dump moves by the whole lines gathered so far, so that the small steps of a touchpad add
    // up; what is left of a line waits for the next event. True when the top line changed.
    bool Wheel(int rotation, int delta, int linesPerNotch);

    // The scroll bar: lines per unit, range, thumb size and position.
    Velmo::U64 GetScale() const;
    int GetBarRange() const;
    int GetBarThumb() const;
    int GetBarPosition() const;
    // Moves to the top line a bar position stands for; true when it changed.
    bool ScrollToBarPosition(int position);

private:
    Velmo::U64 m_lines = 0;
    Velmo::U64 m_pageLines = 1;
    Velmo::U64 m_top = 0;
    // Wheel rotation gathered and not yet turned into lines, in units of 1 / delta of a line
    // (|m_wheelRest| < m_wheelDelta).
    long long m_wheelRest = 0;
    int m_wheelDelta = 0;
};
