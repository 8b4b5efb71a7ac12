#include "Papy/Bitmap/N2SrbFile.h"

#include <cmath>

#include "Papy/Bitmap/BitmapChunks.h"
#include "Papy/Model/N2Length.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
// The integer part of a value, held to the 32-bit range (NaN gives 0), so that a degenerate
// rectangle cannot make the conversion undefined.
S64 IntegerPart(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= -2147483648.0)
        return -2147483648LL;
    if (value >= 4294967295.0)
        return 4294967295LL;
    return S64(value);
}

// A ratio of two pixel values, 0 when the divisor is 0.
double Ratio(U32 value, U32 divisor)
{
    return divisor == 0 ? 0.0 : double(value) / double(divisor);
}
} // namespace

N2SrbFile::N2SrbFile(Util::BinaryStream& stream, const N2PaletteSource& palette)
{
    Util::CountedPointer<Palette> base = GetN2Palette(palette);
    stream.Seek(0);
    Util::RecordReader reader(stream);
    const std::string& name = reader.GetName();
    auto fail = [&name](const char* message) { throw Util::XFileFormat(name, message); };

    ChunkHeader srb =
        ChunkHeader::ReadExpected(reader, BitmapChunk::SRB, "N2 srb id not SRB", "N2 srb unsupported version");
    if (stream.Size() != U64(srb.GetSize()) + ChunkHeader::ByteSize)
        fail("N2 srb size mismatch");
    ChunkHeader::ReadExpected(reader, BitmapChunk::SRHD, "N2 srb header not found", "N2 srb header unsupported version",
                              "N2 srb header incorrect size", Util::FieldsSize(m_values));
    ReadHeader(reader, m_values);

    m_section.Reset(new N2MIPSection(reader, *base));
    stream.Seek(reader.Tell());
    // In 64 bits: a last column of 0xFFFFFFFF is not a width of 0.
    if (m_section->GetWidth() < U64(m_values.lastColumn) + 1 || m_section->GetHeight() < U64(m_values.lastRow) + 1)
        fail("N2 srb bitmap height mismatch");
    if (m_section->GetTransparency() != 1)
        fail("N2 srb not transparent");
}

N2SrbFile::N2SrbFile(const N2PaletteSource& palette, U32 height, U32 width, U32 levelCount,
                     const Util::CountedPointer<std::vector<Vertex>>& vertices,
                     const Util::CountedPointer<std::vector<TextureVertex>>& textureVertices)
    : N2MIPSectionFile(new N2MIPSection(height, width, *GetN2Palette(palette), true, levelCount))
{
    VELMO_ASSERT(vertices && vertices->size() >= 3 && textureVertices && textureVertices->size() >= 3);
    const Vertex& p = (*vertices)[0];
    const Vertex& q = (*vertices)[2];
    const TextureVertex& t = (*textureVertices)[2];
    m_values.worldWidth = MetresToN2Length(q.GetX() - p.GetX());
    m_values.worldDepth = MetresToN2Length(p.GetZ() - q.GetZ());
    S64 lastColumn = IntegerPart(t.GetU() * width + 0.5) - 1;
    S64 lastRow = IntegerPart(t.GetV() * height + 0.5) - 1;
    m_values.lastColumn = U32(lastColumn);
    m_values.lastRow = U32(lastRow);
    m_values.originColumn = U32(IntegerPart((0 - p.GetX() / (q.GetX() - p.GetX())) * double(lastColumn) + 0.5));
    m_values.originRow = U32(IntegerPart((q.GetZ() / (p.GetZ() - q.GetZ()) + 1) * double(lastRow) + 0.5));
}

N2SrbFile::N2SrbFile(const N2SrbFile& other)
    : N2MIPSectionFile(new N2MIPSection(*other.m_section)), m_values(other.m_values)
{
}

Vertex N2SrbFile::GetCorner(U32 i) const
{
    double w = N2LengthToMetres(m_values.worldWidth);
    double d = N2LengthToMetres(m_values.worldDepth);
    double a = Ratio(m_values.originColumn, m_values.lastColumn);
    double b = 1 - Ratio(m_values.originRow, m_values.lastRow);
    return RectangleCorner(i, a, b, w, d);
}

TextureVertex N2SrbFile::GetTextureCoord(U32 i) const
{
    double u = (double(m_values.lastColumn) + 1) / GetWidth();
    double v = (double(m_values.lastRow) + 1) / GetHeight();
    return RectangleTextureCoord(i, u, v);
}

void N2SrbFile::Save(Util::BinaryStream& stream) const
{
    stream.Seek(0);
    BitmapChunk::SizePatch srb(stream, BitmapChunk::SRB, 0);
    ChunkHeader(BitmapChunk::SRHD, 0, U32(Util::FieldsSize(m_values))).Write(stream);
    Util::WriteFields(stream, m_values);
    m_section->Write(stream);
    srb.End();
}

Util::CountedPointer<SrbFile> N2SrbFile::Clone() const
{
    return Util::CountedPointer<SrbFile>(new N2SrbFile(*this));
}
} // namespace Velmo::Papy
