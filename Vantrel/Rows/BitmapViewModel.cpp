#include "Vantrel/Rows/BitmapViewModel.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "Util/Exception.h"

using namespace Velmo;
using Velmo::Papy::Palette;

namespace
{
std::string Fixed(double value, int precision)
{
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("?");
}

std::string YesNo(bool value)
{
    return value ? "Yes" : "No";
}

// A line of a heading and values, held to the line limit: values that do not fit give way to
// "...".
std::string ValueLine(const std::string& heading, const std::vector<std::string>& values)
{
    const std::size_t limit = BitmapViewModel::LineLimit;
    const std::string more = "...";
    std::string line = heading;
    for (std::size_t i = 0; i < values.size(); ++i)
    {
        std::size_t reserve = i + 1 < values.size() ? more.size() : 0;
        if (line.size() + values[i].size() + reserve > limit)
        {
            if (line.size() + more.size() <= limit)
                line += more;
            break;
        }
        line += values[i];
    }
    return line.substr(0, limit);
}

// The palette of level 0 is asked for only when it is shown: a file without bitmaps has none
// to give.
template <class File>
std::string PaletteLine(const File& file, bool individual, U32 count)
{
    if (!file.IsPaletted())
        return "No palette";
    if (individual)
        return "Individual palettes";
    Util::CountedPointer<Palette> palette;
    if (count > 0)
        palette = file.GetPalette();
    return std::to_string(palette ? palette->GetColourCount() : 0) + " colour palette";
}

std::string TransparencyLine(U8 transparency)
{
    switch (transparency)
    {
    case 0:
        return "Opaque";
    case 1:
        return "Transparent";
    case 2:
        return "Partially Transparent";
    }
    return "Transparency " + std::to_string(transparency);
}

std::string ColourBitsLine(U8 red, U8 green, U8 blue, U8 alpha)
{
    return "Colour bits: " + std::to_string(red) + " Red  " + std::to_string(green) + " Green  " +
           std::to_string(blue) + " Blue  " + std::to_string(alpha) + " Alpha";
}

template <class Get>
std::vector<std::string> Values(U32 count, Get get)
{
    std::vector<std::string> values;
    values.reserve(count);
    for (U32 i = 0; i < count; ++i)
        values.push_back(get(i));
    return values;
}

std::string Pair(double a, double b)
{
    return " (" + Fixed(a, 1) + "," + Fixed(b, 1) + ")";
}

int Clamp(U64 value)
{
    return value > U64(INT_MAX) ? INT_MAX : int(value);
}

template <class File>
void AddUnknownInts(std::vector<std::string>& lines, const File& f)
{
    if (f.GetUnknownIntCount() != 0)
        lines.push_back(ValueLine("Unknown values: ", Values(f.GetUnknownIntCount(), [&](U32 i) {
                                      return std::to_string(f.GetUnknownInt(i)) + " ";
                                  })));
}
} // namespace

template <class File>
BitmapViewModel::BitmapViewModel(const File& file, U32 count, bool individualPalettes, Source source)
    : m_count(count), m_width(file.GetWidth()), m_height(file.GetHeight()), m_alphaBits(file.GetAlphaBits()),
      m_source(std::move(source))
{
    m_lines.push_back(PaletteLine(file, individualPalettes, m_count));
    m_lines.push_back(TransparencyLine(file.GetTransparency()));
    m_lines.push_back(
        ColourBitsLine(file.GetRedBits(), file.GetGreenBits(), file.GetBlueBits(), file.GetAlphaBits()));
}

template <class File>
BitmapViewModel BitmapViewModel::ForBitmaps(const Util::CountedPointer<File>& file)
{
    VELMO_ASSERT(file);
    const File& f = *file;
    return BitmapViewModel(f, f.GetBitmapCount(), f.HasIndividualPalettes(),
                           [file](U32 i) { return file->GetBitmap(i); });
}

BitmapViewModel BitmapViewModel::ForMip(const Util::CountedPointer<Papy::MipFile>& file)
{
    BitmapViewModel model = ForBitmaps(file);
    const Papy::MipFile& f = *file;
    std::vector<std::string>& lines = model.m_lines;
    switch (f.GetCompression())
    {
    case 0:
        lines.push_back("Compression: None");
        break;
    case 1:
        lines.push_back("Compression: DXT");
        break;
    default:
        lines.push_back("Compression: " + std::to_string(f.GetCompression()));
        break;
    }
    lines.push_back("Repeat Horizontally: " + YesNo(f.RepeatsHorizontally()));
    lines.push_back("Repeat Vertically: " + YesNo(f.RepeatsVertically()));
    lines.push_back("Self Obscuring: " + YesNo(f.IsSelfObscuring()));
    AddUnknownInts(lines, f);
    if (f.GetUnknownFloatCount() != 0)
        lines.push_back(ValueLine("Unknown float values: ", Values(f.GetUnknownFloatCount(), [&](U32 i) {
                                      return Fixed(f.GetUnknownFloat(i), 1) + " ";
                                  })));
    if (f.GetUnknownStringCount() != 0)
        lines.push_back(ValueLine("Unknown strings: ", Values(f.GetUnknownStringCount(), [&](U32 i) {
                                      return f.GetUnknownString(i) + " ";
                                  })));
    return model;
}

BitmapViewModel BitmapViewModel::ForPbf(const Util::CountedPointer<Papy::PbfFile>& file)
{
    VELMO_ASSERT(file);
    BitmapViewModel model(*file, 1, false, [file](U32) { return file->GetBitmap(); });
    model.m_pure = true;
    AddUnknownInts(model.m_lines, *file);
    return model;
}

BitmapViewModel BitmapViewModel::ForSrb(const Util::CountedPointer<Papy::SrbFile>& file)
{
    BitmapViewModel model = ForBitmaps(file);
    const Papy::SrbFile& f = *file;
    std::vector<std::string>& lines = model.m_lines;
    // The corners lie in the plane y = 0: across (x) and along (z).
    lines.push_back(ValueLine("Vertices:", Values(4, [&](U32 i) {
                                  Papy::Vertex corner = f.GetCorner(i);
                                  return Pair(corner.GetX(), corner.GetZ());
                              })));
    lines.push_back(ValueLine("Texture Vertices:", Values(4, [&](U32 i) {
                                  Papy::TextureVertex corner = f.GetTextureCoord(i);
                                  return Pair(corner.GetU(), corner.GetV());
                              })));
    AddUnknownInts(lines, f);
    if (f.GetUnknownFloatCount() != 0)
        lines.push_back(ValueLine("Unknown values: ", Values(f.GetUnknownFloatCount(), [&](U32 i) {
                                      return Fixed(f.GetUnknownFloat(i), 6) + " ";
                                  })));
    return model;
}

U64 BitmapViewModel::GetDeclaredPixels() const
{
    // At most 32 levels of at most 2^32 x 2^32 pixels: the sum fits 64 bits only when held,
    // so it stops growing once past the limit.
    U64 total = 0;
    for (U32 i = 0; i < m_count && total <= PixelLimit; ++i)
    {
        const U64 width = i < 32 ? std::max<U64>(U64(m_width) >> i, 1) : 1;
        const U64 height = i < 32 ? std::max<U64>(U64(m_height) >> i, 1) : 1;
        total += width * height;
    }
    return total;
}

std::string BitmapViewModel::TooLargeLine() const
{
    return "Bitmap " + std::to_string(m_width) + "x" + std::to_string(m_height) + " too large to show";
}

void BitmapViewModel::MakeImages()
{
    if (IsTooLarge())
        return;
    while (m_images.size() < m_count)
    {
        Util::CountedPointer<Papy::Bitmap> bitmap = m_source(U32(m_images.size()));
        VELMO_ASSERT(bitmap);
        m_images.push_back(MakeBitmapImages(*bitmap));
    }
}

std::vector<BitmapViewItem> BitmapViewModel::Layout(int step) const
{
    std::vector<BitmapViewItem> items;
    S64 y = 0;
    auto text = [&](const std::string& line) {
        items.push_back(BitmapViewItem{BitmapViewItem::Text, y, step, line, 0});
        y += step;
    };
    for (const std::string& line : m_lines)
        text(line);
    if (IsTooLarge())
        text(TooLargeLine());
    for (std::size_t i = 0; i < m_images.size(); ++i)
    {
        const BitmapImage& colour = m_images[i].Colour;
        text("Bitmap " + std::to_string(colour.Width) + "x" + std::to_string(colour.Height));
        items.push_back(BitmapViewItem{BitmapViewItem::ColourImage, y, S64(colour.Height), std::string(), i});
        y += S64(colour.Height) + step;
        if (ShowsAlpha())
        {
            const BitmapImage& alpha = m_images[i].Alpha;
            text("Transparency");
            items.push_back(BitmapViewItem{BitmapViewItem::AlphaImage, y, S64(alpha.Height), std::string(), i});
            y += S64(alpha.Height) + step;
        }
    }
    return items;
}

S64 BitmapViewModel::PageHeight(int step) const
{
    S64 height = S64(m_lines.size() + (IsTooLarge() ? 1 : 0)) * step;
    const S64 perImage = ShowsAlpha() ? 4 * S64(step) : 2 * S64(step);
    for (const BitmapImages& images : m_images)
        height += perImage + S64(images.Colour.Height) + (ShowsAlpha() ? S64(images.Alpha.Height) : 0);
    return std::max<S64>(height, 0);
}

BitmapScrollSize BitmapViewModel::GetScrollSize(int step) const
{
    if (IsTooLarge())
        return BitmapScrollSize{int(MinimumWidth), Clamp(U64(PageHeight(step)))};
    U64 width = std::max<U64>(m_width, MinimumWidth);
    U64 height;
    if (m_pure)
        height = U64(m_height) + 200 + (ShowsAlpha() ? m_height : 0);
    else
        height = U64(m_count) * 100 + U64(m_height) * 2 + 200 + (ShowsAlpha() ? U64(m_height) * 2 : 0);

    // Everything laid out stays within reach.
    height = std::max<U64>(height, U64(PageHeight(step)));
    for (const BitmapImages& images : m_images)
        width = std::max<U64>(width, images.Colour.Width);
    return BitmapScrollSize{Clamp(width), Clamp(height)};
}
