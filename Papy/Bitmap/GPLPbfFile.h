#pragma once
// A GPL pure bitmap (.pbf): one BMAP chunk at offset 0, stored (never imploded).
#include "Papy/Bitmap/GPLBMAPSectionFile.h"

namespace Velmo::Papy
{
class GPLPbfFile : public GPLBMAPSectionFile
{
public:
    explicit GPLPbfFile(Util::BinaryStream& stream);
    // A new empty bitmap of the format that serves the request: paletted requests get the
    // 4-bit format of their transparency class with a palette of paletteSize entries (at
    // most 16, else XUsage); others A1R5G5B5 when opaque with at most 5 bits a channel,
    // R5G6B5 when opaque otherwise, A4R4G4B4 when not opaque (the alpha bits take no part).
    // The pixels come through CopyFrom.
    GPLPbfFile(U8 redBits, U8 greenBits, U8 blueBits, U8 alphaBits, U8 transparency, bool paletted,
               U32 paletteSize);
    explicit GPLPbfFile(const Util::CountedPointer<GPLBMAPSection>& section) : GPLBMAPSectionFile(section) {}

    // The format the pure-bitmap builder takes for a request.
    static U8 ChooseFormat(U8 redBits, U8 greenBits, U8 blueBits, U8 transparency, bool paletted, U32 paletteSize);

    void CopyFrom(const Bitmap& bitmap) override;
    U32 GetWidth() const override { return m_section->GetWidth(); }
    U32 GetHeight() const override { return m_section->GetHeight(); }
    // Writes the BMAP chunk at the stream's position.
    void Save(Util::BinaryStream& stream) const override { m_section->Write(stream); }
    Util::CountedPointer<PbfFile> Clone() const override;
};
} // namespace Velmo::Papy
