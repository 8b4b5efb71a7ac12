#pragma once
// The bitmap panes without their widgets: the information lines of a multipart (MIP), pure
// (PBF) or scaled (SRB) bitmap file, the colour and grey alpha images of its bitmaps (made once,
// not on every paint), the places of the lines and images on the page, and the page's scroll
// size.
//
// The page, from the top, one line step (the text height x 4 / 3) per line:
//   the palette line ("No palette", "Individual palettes" or "16 colour palette"),
//   the transparency line ("Opaque", "Transparent" or "Partially Transparent"),
//   "Colour bits: 8 Red  8 Green  8 Blue  8 Alpha",
//   the lines of the file's kind (compression, repeats and unknown values of a MIP file; corners
//   and texture corners of an SRB file; unknown values),
//   then per bitmap "Bitmap 256x128", a step, the colour image at 1:1 and a step, and, when the
//   file has alpha bits, "Transparency", a step, the alpha image and a step.
// Information lines are at most 79 characters: a list of values that does not fit ends in "...".
//
// A file whose bitmaps declare more than PixelLimit pixels (all of them together, worked out
// from the file's size and bitmap count, before anything is decoded) shows its lines and
// "Bitmap 16384x16384 too large to show" in place of the bitmaps, which are never decoded: a
// few megabytes of compressed levels can declare gigabytes of pixels.
#include <climits>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "Papy/Bitmap/Bitmap.h"
#include "Papy/Bitmap/MipFile.h"
#include "Papy/Bitmap/PbfFile.h"
#include "Papy/Bitmap/SrbFile.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"
#include "Vantrel/Rows/BitmapImage.h"

struct BitmapViewItem
{
    enum Kind
    {
        Text,
        ColourImage,
        AlphaImage
    };

    Kind What;
    Velmo::S64 Top;    // pixels from the top of the page
    Velmo::S64 Height; // a line step for text
    std::string Line;  // Text
    std::size_t Image; // ColourImage and AlphaImage: the bitmap's index

    // Whether any of it lies between the page rows top (included) and bottom (excluded): a
    // paint draws only those items.
    bool Meets(Velmo::S64 top, Velmo::S64 bottom) const { return Top < bottom && Top + Height > top; }
};

struct BitmapScrollSize
{
    int Width;
    int Height;
};

class BitmapViewModel
{
public:
    static constexpr std::size_t LineLimit = 79;
    static constexpr Velmo::U32 MinimumWidth = 400;
    // The most pixels a page shows: the colour and alpha images take 6 bytes a pixel (192 MiB
    // at the limit), the screen's tiles of them as much again, the decoded levels up to 4 more.
    // A 4096 x 4096 chain of every level (22.4 million pixels) is shown.
    static constexpr Velmo::U64 PixelLimit = Velmo::U64(1) << 25;

    // Reads the file's information; no image is made yet. The file is kept for MakeImages.
    static BitmapViewModel ForMip(const Velmo::Util::CountedPointer<Velmo::Papy::MipFile>& file);
    static BitmapViewModel ForPbf(const Velmo::Util::CountedPointer<Velmo::Papy::PbfFile>& file);
    static BitmapViewModel ForSrb(const Velmo::Util::CountedPointer<Velmo::Papy::SrbFile>& file);

    // The line step of a text height.
    static int StepOf(int textHeight) { return textHeight * 4 / 3; }

    const std::vector<std::string>& GetInfoLines() const { return m_lines; }
    Velmo::U32 GetBitmapCount() const { return m_count; }
    // Whether the alpha images are shown (the file has alpha bits).
    bool ShowsAlpha() const { return m_alphaBits != 0; }
    // The pixels of all the bitmaps as the file declares them: level i of a chain
    // max(1, width >> i) x max(1, height >> i), as every chain reader checks.
    Velmo::U64 GetDeclaredPixels() const;
    // Whether they are more than PixelLimit: no image is made, the page says so.
    bool IsTooLarge() const { return GetDeclaredPixels() > PixelLimit; }

    // Makes the colour and alpha images of the bitmaps not made yet, in order (none when the
    // file is too large). A bitmap that fails (its pixels are decoded on first use) stops the
    // making with its error; the images made before it stay and are shown.
    void MakeImages();
    std::size_t GetImageCount() const { return m_images.size(); }
    const BitmapImages& GetImages(std::size_t i) const { return m_images[i]; }

    // The lines and the images made so far, placed on the page with the line step.
    std::vector<BitmapViewItem> Layout(int step) const;
    // The page's size: as wide as the file's width and at least MinimumWidth; as high as
    // the bitmap count x 100 + height x 2 + 200, plus height x 2 with alpha (a pure bitmap:
    // height + 200, plus height with alpha), and never less than the laid-out page. Worked
    // out in 64 bits and held to INT_MAX. A file too large to show: MinimumWidth and the
    // laid-out page.
    BitmapScrollSize GetScrollSize(int step) const;

private:
    typedef std::function<Velmo::Util::CountedPointer<Velmo::Papy::Bitmap>(Velmo::U32)> Source;

    // The size, alpha bits and source of a file, and its first lines: palette, transparency and
    // colour bits.
    template <class File>
    BitmapViewModel(const File& file, Velmo::U32 count, bool individualPalettes, Source source);
    // A file of several bitmaps, with a palette each or one shared.
    template <class File>
    static BitmapViewModel ForBitmaps(const Velmo::Util::CountedPointer<File>& file);
    // The height of the laid-out page: every line, image and gap.
    Velmo::S64 PageHeight(int step) const;
    // The line shown in place of the bitmaps of a file too large to show.
    std::string TooLargeLine() const;

    std::vector<std::string> m_lines;
    Velmo::U32 m_count = 0;
    Velmo::U32 m_width = 0;
    Velmo::U32 m_height = 0;
    Velmo::U8 m_alphaBits = 0;
    bool m_pure = false;
    Source m_source;
    std::vector<BitmapImages> m_images;
};
