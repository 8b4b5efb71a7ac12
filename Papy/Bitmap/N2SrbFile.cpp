#include "Papy/Bitmap/N2SrbFile.h"

#include <cmath>

#include "Papy/Bitmap/BitmapChunks.h"
#include "Papy/Model/N2Length.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 ValuesSize = 24;

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
                              "N2 srb header incorrect size", ValuesSize);
    m_worldWidth = reader.ReadS32();
    m_worldDepth = reader.ReadS32();
    m_originColumn = reader.ReadU32();
    m_originRow = reader.ReadU32();
    m_lastColumn = reader.ReadU32();
    m_lastRow = reader.ReadU32();

    m_section.Reset(new N2MIPSection(reader, *base));
    stream.Seek(reader.Tell());
    // In 64 bits: a last column of 0xFFFFFFFF is not a width of 0.
    if (m_section->GetWidth() < U64(m_lastColumn) + 1 || m_section->GetHeight() < U64(m_lastRow) + 1)
        fail("N2 srb bitmap height mismatch");
    if (m_section->GetTransparency() != 1)
        fail("N2 srb not transparent");
}

N2SrbFile::N2SrbFile(const N2PaletteSource& palette, U32 height, U32 width, U32 levelCount,
                     const Util::CountedPointer<std::vector<Vertex>>& vertices,
                     const Util::CountedPointer<std::vector<TextureVertex>>& textureVertices)
    : m_section(new N2MIPSection(height, width, *GetN2Palette(palette), true, levelCount))
{
    VELMO_ASSERT(vertices && vertices->size() >= 3 && textureVertices && textureVertices->size() >= 3);
    const Vertex& p = (*vertices)[0];
    const Vertex& q = (*vertices)[2];
    const TextureVertex& t = (*textureVertices)[2];
    m_worldWidth = MetresToN2Length(q.GetX() - p.GetX());
    m_worldDepth = MetresToN2Length(p.GetZ() - q.GetZ());
    S64 lastColumn = IntegerPart(t.GetU() * width + 0.5) - 1;
    S64 lastRow = IntegerPart(t.GetV() * height + 0.5) - 1;
    m_lastColumn = U32(lastColumn);
    m_lastRow = U32(lastRow);
    m_originColumn = U32(IntegerPart((0 - p.GetX() / (q.GetX() - p.GetX())) * double(lastColumn) + 0.5));
    m_originRow = U32(IntegerPart((q.GetZ() / (p.GetZ() - q.GetZ()) + 1) * double(lastRow) + 0.5));
}

N2SrbFile::N2SrbFile(const N2SrbFile& other)
    : SrbFile(other), m_section(new N2MIPSection(*other.m_section)), m_worldWidth(other.m_worldWidth),
      m_worldDepth(other.m_worldDepth), m_originColumn(other.m_originColumn), m_originRow(other.m_originRow),
      m_lastColumn(other.m_lastColumn), m_lastRow(other.m_lastRow)
{
}

Vertex N2SrbFile::GetCorner(U32 i) const
{
    double w = N2LengthToMetres(m_worldWidth);
    double d = N2LengthToMetres(m_worldDepth);
    double a = Ratio(m_originColumn, m_lastColumn);
    double b = 1 - Ratio(m_originRow, m_lastRow);
    return RectangleCorner(i, a, b, w, d);
}

TextureVertex N2SrbFile::GetTextureCoord(U32 i) const
{
    double u = (double(m_lastColumn) + 1) / GetWidth();
    double v = (double(m_lastRow) + 1) / GetHeight();
    return RectangleTextureCoord(i, u, v);
}

void N2SrbFile::Save(Util::BinaryStream& stream) const
{
    stream.Seek(0);
    BitmapChunk::SizePatch srb(stream, BitmapChunk::SRB, 0);
    ChunkHeader(BitmapChunk::SRHD, 0, ValuesSize).Write(stream);
    U8 values[ValuesSize];
    Util::EncodeLE<S32>(m_worldWidth, values);
    Util::EncodeLE<S32>(m_worldDepth, values + 4);
    Util::EncodeLE<U32>(m_originColumn, values + 8);
    Util::EncodeLE<U32>(m_originRow, values + 12);
    Util::EncodeLE<U32>(m_lastColumn, values + 16);
    Util::EncodeLE<U32>(m_lastRow, values + 20);
    stream.Write(ValuesSize, values);
    m_section->Write(stream);
    srb.End();
}

Util::CountedPointer<SrbFile> N2SrbFile::Clone() const
{
    return Util::CountedPointer<SrbFile>(new N2SrbFile(*this));
}
} // namespace Velmo::Papy
