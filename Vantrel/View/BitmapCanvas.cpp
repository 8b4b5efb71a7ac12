#include "Vantrel/View/BitmapCanvas.h"

#include <algorithm>
#include <cstring>

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/rawbmp.h>
#include <wx/settings.h>

#include "Vantrel/Text/CodePage1252.h"

using Velmo::S64;

CBitmapCanvas::CBitmapCanvas(wxWindow* parent)
    : wxScrolled<wxWindow>(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxVSCROLL | wxHSCROLL)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    wxClientDC dc(this);
    dc.SetFont(GetFont());
    m_step = std::max(BitmapViewModel::StepOf(dc.GetCharHeight()), 1);
    SetScrollRate(m_step, m_step);
    Bind(wxEVT_PAINT, &CBitmapCanvas::OnPaint, this);
    Bind(wxEVT_IDLE, &CBitmapCanvas::OnIdle, this);
}

Velmo::U64 CBitmapCanvas::BytesFor(const BitmapViewModel& model)
{
    if (model.IsTooLarge())
        return 0;
    const Velmo::U64 images = model.ShowsAlpha() ? 2 : 1;
    // Below PixelLimit: no product can wrap.
    return model.GetDeclaredPixels() * images * (BitmapImage::BytesPerPixel + TileBytesPerPixel);
}

void CBitmapCanvas::SetModel(BitmapViewModel model, Velmo::Util::MemoryBound::Reservation reservation)
{
    m_model.emplace(std::move(model));
    m_reservation = std::move(reservation);
    m_items = m_model->Layout(m_step);
    m_tiles.clear();
    m_madeTiles = 0;
    m_idleImage = 0;
    m_idleTile = 0;
    for (std::size_t i = 0; i < m_items.size(); ++i)
    {
        if (m_items[i].What == BitmapViewItem::Text)
            continue;
        const BitmapImage& image = ImageOf(m_items[i]);
        Tiles tiles;
        tiles.Item = i;
        tiles.Columns = int((image.Width + TileSide - 1) / TileSide);
        tiles.Rows = int((image.Height + TileSide - 1) / TileSide);
        tiles.Bitmaps.resize(std::size_t(tiles.Columns) * std::size_t(tiles.Rows));
        m_tiles.push_back(std::move(tiles));
    }
    const BitmapScrollSize size = m_model->GetScrollSize(m_step);
    SetVirtualSize(size.Width, size.Height);
    Refresh(false);
}

int CBitmapCanvas::GetTileCount() const
{
    std::size_t count = 0;
    for (const Tiles& tiles : m_tiles)
        count += tiles.Bitmaps.size();
    return int(count);
}

const BitmapImage& CBitmapCanvas::ImageOf(const BitmapViewItem& item) const
{
    const BitmapImages& images = m_model->GetImages(item.Image);
    return item.What == BitmapViewItem::ColourImage ? images.Colour : images.Alpha;
}

const wxBitmap& CBitmapCanvas::TileOf(Tiles& tiles, int column, int row)
{
    wxBitmap& tile = tiles.Bitmaps[std::size_t(row) * std::size_t(tiles.Columns) + std::size_t(column)];
    if (tile.IsOk())
        return tile;
    const BitmapImage& image = ImageOf(m_items[tiles.Item]);
    const Velmo::U32 left = Velmo::U32(column) * TileSide;
    const Velmo::U32 top = Velmo::U32(row) * TileSide;
    const int width = int(std::min<Velmo::U32>(TileSide, image.Width - left));
    const int height = int(std::min<Velmo::U32>(TileSide, image.Height - top));
    wxBitmap made(width, height, 24);
    wxNativePixelData data(made);
    if (!data)
        return tile;
    wxNativePixelData::Iterator start(data);
    for (int y = 0; y < height; ++y)
    {
        const Velmo::U8* source = image.At(top + Velmo::U32(y), left);
        if constexpr (wxNativePixelFormat::SizePixel == 3 && wxNativePixelFormat::RED == 0 &&
                      wxNativePixelFormat::GREEN == 1 && wxNativePixelFormat::BLUE == 2)
        {
            // The toolkit keeps the bytes in the image's order: a row is one copy.
            std::memcpy(&start.Red(), source, std::size_t(width) * BitmapImage::BytesPerPixel);
        }
        else
        {
            wxNativePixelData::Iterator pixel = start;
            for (int x = 0; x < width; ++x, ++pixel, source += BitmapImage::BytesPerPixel)
            {
                pixel.Red() = source[0];
                pixel.Green() = source[1];
                pixel.Blue() = source[2];
            }
        }
        start.OffsetY(data, 1);
    }
    tile = made;
    ++m_madeTiles;
    return tile;
}

void CBitmapCanvas::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    DoPrepareDC(dc);
    dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)));
    dc.Clear();
    m_lastPainted.clear();
    if (!m_model)
        return;
    dc.SetFont(GetFont());
    dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));

    // The part to repaint, in page pixels.
    const wxRect box = GetUpdateRegion().GetBox();
    int left = 0;
    int top = 0;
    CalcUnscrolledPosition(box.GetLeft(), box.GetTop(), &left, &top);
    const S64 bottom = S64(top) + box.GetHeight();
    const S64 right = S64(left) + box.GetWidth();
    std::size_t next = 0; // the next image's tiles
    for (std::size_t i = 0; i < m_items.size(); ++i)
    {
        const BitmapViewItem& item = m_items[i];
        if (item.What != BitmapViewItem::Text)
            ++next;
        if (!item.Meets(top, bottom))
            continue;
        m_lastPainted.push_back(i);
        if (item.What == BitmapViewItem::Text)
        {
            dc.DrawText(wxString::FromUTF8(CodePage1252::ToUtf8(item.Line)), 0, int(item.Top));
            continue;
        }
        Tiles& tiles = m_tiles[next - 1];
        const S64 firstRow = std::max<S64>(top - item.Top, 0) / TileSide;
        const S64 lastRow = std::min<S64>((bottom - 1 - item.Top) / TileSide, tiles.Rows - 1);
        const S64 firstColumn = std::max<S64>(left, 0) / TileSide;
        const S64 lastColumn = std::min<S64>((right - 1) / TileSide, tiles.Columns - 1);
        for (S64 row = firstRow; row <= lastRow; ++row)
            for (S64 column = firstColumn; column <= lastColumn; ++column)
                if (const wxBitmap& tile = TileOf(tiles, int(column), int(row)); tile.IsOk())
                    dc.DrawBitmap(tile, int(column * TileSide), int(item.Top + row * TileSide), false);
    }
    ++m_paintCount;
}

void CBitmapCanvas::OnIdle(wxIdleEvent& event)
{
    // One tile per idle turn, drawn once aside so that the toolkit keeps it ready for the
    // screen: scrolling later finds every tile made.
    while (m_idleImage < m_tiles.size())
    {
        Tiles& tiles = m_tiles[m_idleImage];
        if (m_idleTile >= tiles.Bitmaps.size())
        {
            ++m_idleImage;
            m_idleTile = 0;
            continue;
        }
        const std::size_t index = m_idleTile++;
        if (tiles.Bitmaps[index].IsOk())
            continue;
        const wxBitmap& tile = TileOf(tiles, int(index % std::size_t(tiles.Columns)), int(index / std::size_t(tiles.Columns)));
        if (tile.IsOk())
        {
            wxBitmap target(1, 1, 24);
            wxMemoryDC aside(target);
            aside.DrawBitmap(tile, 0, 0, false);
        }
        event.RequestMore();
        return;
    }
}
