#pragma once
// The window of the hexadecimal dump. It asks its document for the size and, on each paint,
// reads only the lines it shows. Keys Up and Down step a line, the wheel three lines a notch
// (a touchpad's smaller steps add up to lines); the scroll bar follows the 64-bit line model.
// Left, Right and the horizontal bar move across the line a character at a time. A read that
// fails during a paint is reported once, after the paint.
#include <string>
#include <vector>

#include <wx/window.h>

#include "Vantrel/View/HexScrollModel.h"

class CSubDoc;

class CBinCanvas : public wxWindow
{
public:
    CBinCanvas(wxWindow* parent, CSubDoc* document);

    // Takes the document's size and the window's height again.
    void UpdateLayout();
    // The document is going: the window shows nothing from now on.
    void ForgetDocument() { m_document = nullptr; }

    void Home();
    void End();
    void PageUp();
    void PageDown();
    void LineUp();
    void LineDown();

    // Shows the line from that character on (clamped).
    void ScrollColumns(int column);
    int GetColumn() const { return m_column; }

    const CHexScrollModel& GetModel() const { return m_model; }
    int GetLineHeight() const { return m_lineHeight; }
    int GetColumnWidth() const { return m_charWidth; }
    // The lines the window shows now (whole and partly visible), as a paint draws them.
    std::vector<std::string> GetVisibleLines();
    // The number of paints that drew lines, and the bytes the last one read (for the tests).
    int GetPaintCount() const { return m_paintCount; }
    // The number of paints whose read failed.
    int GetFailedPaintCount() const { return m_failedPaintCount; }

private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnScroll(wxScrollWinEvent& event);
    void OnWheel(wxMouseEvent& event);
    void OnKey(wxKeyEvent& event);
    void Moved(bool changed);
    void UpdateScrollBar();
    int VisibleLineCount() const;

    CSubDoc* m_document;
    CHexScrollModel m_model;
    wxFont m_font;
    int m_lineHeight = 1;
    int m_charWidth = 1;
    int m_paintCount = 0;
    int m_failedPaintCount = 0;
    int m_column = 0;
    static constexpr int LineWidth = 75;
    bool m_errorReported = false;
};
