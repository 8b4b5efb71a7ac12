#include "Vantrel/View/BinCanvas.h"

#include <algorithm>

#include <wx/dcbuffer.h>
#include <wx/dcclient.h>
#include <wx/settings.h>

#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/SubDoc.h"
#include "Vantrel/View/HexLine.h"

using Velmo::U32;
using Velmo::U64;
using Velmo::U8;

CBinCanvas::CBinCanvas(wxWindow* parent, CSubDoc* document)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxVSCROLL | wxHSCROLL | wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE),
      m_document(document),
      m_font(wxFontInfo(10).Family(wxFONTFAMILY_TELETYPE))
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetFont(m_font);
    wxClientDC dc(this);
    dc.SetFont(m_font);
    m_lineHeight = std::max(dc.GetCharHeight(), 1);
    m_charWidth = std::max(dc.GetCharWidth(), 1);
    SetVirtualSize(m_charWidth * 75, -1);
    Bind(wxEVT_PAINT, &CBinCanvas::OnPaint, this);
    Bind(wxEVT_SIZE, &CBinCanvas::OnSize, this);
    Bind(wxEVT_MOUSEWHEEL, &CBinCanvas::OnWheel, this);
    Bind(wxEVT_KEY_DOWN, &CBinCanvas::OnKey, this);
    for (const auto& type : {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP,
                             wxEVT_SCROLLWIN_LINEDOWN, wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN,
                             wxEVT_SCROLLWIN_THUMBTRACK, wxEVT_SCROLLWIN_THUMBRELEASE})
        Bind(type, &CBinCanvas::OnScroll, this);
    UpdateLayout();
}

void CBinCanvas::UpdateLayout()
{
    m_model.SetSize(m_document != nullptr ? m_document->GetSize() : 0);
    m_model.SetPageLines(U64(std::max(GetClientSize().GetHeight(), 0) / m_lineHeight));
    UpdateScrollBar();
    Refresh(false);
}

int CBinCanvas::VisibleLineCount() const
{
    return std::max(GetClientSize().GetHeight(), 0) / m_lineHeight + 1;
}

void CBinCanvas::UpdateScrollBar()
{
    SetScrollbar(wxVERTICAL, m_model.GetBarPosition(), m_model.GetBarThumb(), m_model.GetBarRange());
    // Across: in characters; lines of offsets from 4 GB on are longer.
    const int columns = std::max(GetClientSize().GetWidth() / m_charWidth, 1);
    const int width = m_model.GetLines() * 16 > (U64(1) << 32) ? LineWidth + 8 : LineWidth;
    m_column = std::clamp(m_column, 0, std::max(width - columns, 0));
    SetScrollbar(wxHORIZONTAL, m_column, columns, width);
}

void CBinCanvas::ScrollColumns(int column)
{
    const int columns = std::max(GetClientSize().GetWidth() / m_charWidth, 1);
    const int width = GetScrollRange(wxHORIZONTAL);
    column = std::clamp(column, 0, std::max(width - columns, 0));
    if (column == m_column)
        return;
    m_column = column;
    UpdateScrollBar();
    Refresh(false);
}

void CBinCanvas::Moved(bool changed)
{
    if (!changed)
        return;
    UpdateScrollBar();
    Refresh(false);
}

void CBinCanvas::Home() { Moved(m_model.Home()); }
void CBinCanvas::End() { Moved(m_model.End()); }
void CBinCanvas::PageUp() { Moved(m_model.PageUp()); }
void CBinCanvas::PageDown() { Moved(m_model.PageDown()); }
void CBinCanvas::LineUp() { Moved(m_model.LineUp()); }
void CBinCanvas::LineDown() { Moved(m_model.LineDown()); }

std::vector<std::string> CBinCanvas::GetVisibleLines()
{
    if (m_document == nullptr || m_document->GetSize() == 0)
        return {};
    const U32 count = U32(std::min<U64>(U64(VisibleLineCount()) * 16, 1u << 20));
    std::vector<U8> bytes(count);
    const U32 read = m_document->ReadAt(m_model.GetTopOffset(), count, bytes.data());
    return FormatHexLines(m_model.GetTopOffset(), bytes.data(), read);
}

void CBinCanvas::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)));
    dc.Clear();
    dc.SetFont(m_font);
    dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
    std::vector<std::string> lines;
    std::string failure;
    try
    {
        lines = GetVisibleLines();
    }
    catch (...)
    {
        failure = CCatchPattern::DescribeCurrentException();
    }
    for (std::size_t i = 0; i < lines.size(); ++i)
        dc.DrawText(wxString::FromUTF8(lines[i]), -m_column * m_charWidth, int(i) * m_lineHeight);
    if (failure.empty())
    {
        m_errorReported = false;
        if (!lines.empty())
            ++m_paintCount;
        return;
    }
    ++m_failedPaintCount;
    // Never a dialog inside a paint: the message comes once, after it.
    if (!m_errorReported)
    {
        m_errorReported = true;
        CallAfter([failure] { CCatchPattern::ShowMessage(failure); });
    }
}

void CBinCanvas::OnSize(wxSizeEvent& event)
{
    UpdateLayout();
    event.Skip();
}

void CBinCanvas::OnScroll(wxScrollWinEvent& event)
{
    const wxEventType type = event.GetEventType();
    if (event.GetOrientation() == wxHORIZONTAL)
    {
        const int page = std::max(GetClientSize().GetWidth() / m_charWidth, 1);
        if (type == wxEVT_SCROLLWIN_TOP)
            ScrollColumns(0);
        else if (type == wxEVT_SCROLLWIN_BOTTOM)
            ScrollColumns(GetScrollRange(wxHORIZONTAL));
        else if (type == wxEVT_SCROLLWIN_LINEUP)
            ScrollColumns(m_column - 1);
        else if (type == wxEVT_SCROLLWIN_LINEDOWN)
            ScrollColumns(m_column + 1);
        else if (type == wxEVT_SCROLLWIN_PAGEUP)
            ScrollColumns(m_column - page);
        else if (type == wxEVT_SCROLLWIN_PAGEDOWN)
            ScrollColumns(m_column + page);
        else
            ScrollColumns(event.GetPosition());
        return;
    }
    if (type == wxEVT_SCROLLWIN_TOP)
        Home();
    else if (type == wxEVT_SCROLLWIN_BOTTOM)
        End();
    else if (type == wxEVT_SCROLLWIN_LINEUP)
        LineUp();
    else if (type == wxEVT_SCROLLWIN_LINEDOWN)
        LineDown();
    else if (type == wxEVT_SCROLLWIN_PAGEUP)
        PageUp();
    else if (type == wxEVT_SCROLLWIN_PAGEDOWN)
        PageDown();
    else
    {
        const bool changed = m_model.ScrollToBarPosition(event.GetPosition());
        if (changed)
            Refresh(false);
        if (type == wxEVT_SCROLLWIN_THUMBRELEASE)
            UpdateScrollBar();
    }
}

void CBinCanvas::OnWheel(wxMouseEvent& event)
{
    // Across, the wheel has nothing to move in the dump's lines.
    if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL)
    {
        event.Skip();
        return;
    }
    Moved(m_model.Wheel(event.GetWheelRotation(), event.GetWheelDelta(), event.GetLinesPerAction()));
}

void CBinCanvas::OnKey(wxKeyEvent& event)
{
    switch (event.GetKeyCode())
    {
    case WXK_UP:
        LineUp();
        break;
    case WXK_DOWN:
        LineDown();
        break;
    case WXK_LEFT:
        ScrollColumns(m_column - 1);
        break;
    case WXK_RIGHT:
        ScrollColumns(m_column + 1);
        break;
    default:
        event.Skip();
    }
}
