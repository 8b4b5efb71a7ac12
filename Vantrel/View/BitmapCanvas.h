#pragma once
// The scrolling page of the bitmap panes: the information lines, then every bitmap at 1:1 under
// its heading, with its grey alpha image when the file has alpha bits (BitmapViewModel). The
// images go to the screen in tiles of TileSide pixels: each tile becomes a toolkit bitmap once,
// when a paint first shows it or when the program is idle, never again; a paint draws only the
// lines and tiles that meet the part it repaints, so that neither the first paint of a large
// bitmap nor a scroll waits for the whole of it. The bytes of its images and tiles are held in
// the memory bound for as long as the page shows them (the reservation given with the model).
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <wx/bitmap.h>
#include <wx/scrolwin.h>

#include "Util/MemoryBound.h"
#include "Vantrel/Rows/BitmapViewModel.h"

class CBitmapCanvas : public wxScrolled<wxWindow>
{
public:
    static constexpr int TileSide = 256;
    // The toolkit's bitmap of a tile takes four bytes a pixel.
    static constexpr unsigned TileBytesPerPixel = 4;

    // The bytes that the page of a model holds once every image and tile is made: each image
    // of every bitmap the file declares, and its tiles (0 for a file too large to show).
    static Velmo::U64 BytesFor(const BitmapViewModel& model);

    explicit CBitmapCanvas(wxWindow* parent);

    // Shows the model's lines and the images it has made; the reservation holds their bytes
    // until another model is set or the page goes.
    void SetModel(BitmapViewModel model, Velmo::Util::MemoryBound::Reservation reservation = {});
    const BitmapViewModel* GetModel() const { return m_model ? &*m_model : nullptr; }

    // The line step of the window's font.
    int GetStep() const { return m_step; }
    const std::vector<BitmapViewItem>& GetItems() const { return m_items; }

    // For the tests and the benchmark: paints that drew, tiles made into toolkit bitmaps (and
    // how many there are), and the items the last paint drew.
    int GetPaintCount() const { return m_paintCount; }
    int GetMadeTileCount() const { return m_madeTiles; }
    int GetTileCount() const;
    const std::vector<std::size_t>& GetLastPainted() const { return m_lastPainted; }

private:
    // The tiles of an image item, row by row; a tile is an invalid bitmap until made.
    struct Tiles
    {
        std::size_t Item = 0;
        int Columns = 0;
        int Rows = 0;
        std::vector<wxBitmap> Bitmaps;
    };

    const BitmapImage& ImageOf(const BitmapViewItem& item) const;
    // The tile at column and row of an image's tiles, made on first use.
    const wxBitmap& TileOf(Tiles& tiles, int column, int row);
    void OnPaint(wxPaintEvent& event);
    void OnIdle(wxIdleEvent& event);

    std::optional<BitmapViewModel> m_model;
    Velmo::Util::MemoryBound::Reservation m_reservation;
    std::vector<BitmapViewItem> m_items;
    std::vector<Tiles> m_tiles;
    int m_step = 1;
    int m_paintCount = 0;
    int m_madeTiles = 0;
    std::size_t m_idleImage = 0;
    std::size_t m_idleTile = 0;
    std::vector<std::size_t> m_lastPainted;
};
