#pragma once
// Stand-ins for what an N2 file asks of its factory, shared by the N2 tests, the load
// benchmark and the fuzz harness: a texture of a given size (nothing else of it is asked)
// and a palette server with one palette always in force.
#include "Papy/Bitmap/MipFile.h"
#include "Papy/Bitmap/Palette.h"
#include "Papy/Factory/PaletteServer.h"
#include "Util/CountedPointer.h"

namespace VelmoTest
{
class SizedMip : public Velmo::Papy::MipFile
{
public:
    SizedMip(Velmo::U32 width, Velmo::U32 height) : m_width(width), m_height(height) {}
    Velmo::U32 GetBitmapCount() const override { return 0; }
    Velmo::Util::CountedPointer<Velmo::Papy::Bitmap> GetBitmap(Velmo::U32) const override { return {}; }
    Velmo::U32 GetWidth() const override { return m_width; }
    Velmo::U32 GetHeight() const override { return m_height; }
    bool IsPaletted() const override { return false; }
    bool HasIndividualPalettes() const override { return false; }
    Velmo::Util::CountedPointer<Velmo::Papy::Palette> GetPalette(Velmo::U32) const override { return {}; }
    Velmo::Util::CountedPointer<Velmo::Papy::Palette> GetPalette() const override { return {}; }
    Velmo::Papy::Colour GetHeaderColour() const override { return {}; }
    Velmo::U8 GetRedBits() const override { return 8; }
    Velmo::U8 GetGreenBits() const override { return 8; }
    Velmo::U8 GetBlueBits() const override { return 8; }
    Velmo::U8 GetAlphaBits() const override { return 8; }
    Velmo::U8 GetTransparency() const override { return 0; }
    Velmo::U8 GetCompression() const override { return 0; }
    bool RepeatsHorizontally() const override { return false; }
    bool RepeatsVertically() const override { return false; }
    bool IsSelfObscuring() const override { return false; }
    void Save(Velmo::Util::BinaryStream&) const override {}
    Velmo::Util::CountedPointer<Velmo::Papy::MipFile> Clone() const override
    {
        return Velmo::Util::CountedPointer<Velmo::Papy::MipFile>(new SizedMip(m_width, m_height));
    }

private:
    Velmo::U32 m_width;
    Velmo::U32 m_height;
};

// One palette, current and base alike; pushing and popping change nothing.
class OnePaletteServer : public Velmo::Papy::PaletteServer
{
public:
    explicit OnePaletteServer(Velmo::Util::CountedPointer<Velmo::Papy::Palette> palette) : m_palette(palette) {}
    Velmo::Util::CountedPointer<Velmo::Papy::Palette> GetCurrentPalette() override { return m_palette; }
    Velmo::Util::CountedPointer<Velmo::Papy::Palette> GetBasePalette() override { return m_palette; }
    void PushPalette(Velmo::Util::CountedPointer<Velmo::Papy::Palette>) override {}
    void PopPalette() override {}

private:
    Velmo::Util::CountedPointer<Velmo::Papy::Palette> m_palette;
};
} // namespace VelmoTest
