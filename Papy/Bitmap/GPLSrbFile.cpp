#include "Papy/Bitmap/GPLSrbFile.h"

#include "Papy/Bitmap/BitmapChunks.h"
#include "Papy/Model/Options.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 SrbSize = 84; // the two header chunks only
} // namespace

GPLSrbFile::GPLSrbFile(Util::BinaryStream& stream)
{
    bool strict = Options::Instance()->Strict;
    stream.Seek(0);
    Util::RecordReader reader(stream);
    const std::string& name = reader.GetName();
    auto fail = [&name](const char* message) { throw Util::XFileFormat(name, message); };

    ChunkHeader::ReadExpected(reader, BitmapChunk::SRB, "GPL srb file id not SRB", "GPL srb file unsupported version",
                              "GPL srb size mismatch", SrbSize);
    ChunkHeader::ReadExpected(reader, BitmapChunk::SRHD, "GPL srb header not found",
                              "GPL srb file header unsupported version", "GPL srb header incorrect size",
                              Util::FieldsSize(m_scales));
    ReadHeader(reader, m_scales);
    ChunkHeader::ReadExpected(reader, BitmapChunk::SRH2, "GPL srb header 2 not found",
                              "GPL srb file header 2 unsupported version", "GPL srb header 2 incorrect size",
                              Util::FieldsSize(m_values));
    ReadHeader(reader, m_values);

    m_section.Reset(new GPLMIPSection(reader, 0));
    stream.Seek(reader.Tell());
    if (strict && (m_section->RepeatsHorizontally() || m_section->RepeatsVertically()))
        fail("GPL srb repeatable");
}

GPLSrbFile::GPLSrbFile(U32 height, U32 width, U8 redBits, U8 greenBits, U8 blueBits, U8 alphaBits, U8 transparency,
                       bool paletted, U32 paletteSize, bool individualPalettes, U32 levelCount,
                       const Util::CountedPointer<std::vector<Vertex>>& vertices,
                       const Util::CountedPointer<std::vector<TextureVertex>>& textureVertices, U32 firstFormat,
                       U32 formatCount)
    : GPLMIPSectionFile(new GPLMIPSection(height, width, redBits, greenBits, blueBits, alphaBits, transparency, paletted,
                                  paletteSize, individualPalettes, false, false, levelCount, firstFormat, formatCount,
                                  0))
{
    VELMO_ASSERT(vertices && vertices->size() >= 3 && textureVertices && textureVertices->size() >= 3);
    const Vertex& v0 = (*vertices)[0];
    const Vertex& v2 = (*vertices)[2];
    const TextureVertex& t2 = (*textureVertices)[2];
    float s0 = float(v2.GetX() - v0.GetX());
    float s1 = float(v0.GetZ() - v2.GetZ());
    float s2 = float(width * t2.GetU());
    float s3 = float(height * t2.GetV());
    m_scales.scale = {s0, s1, s2, s3, float((0 - v0.GetX() / s0) * s2), float((v2.GetZ() / s1 + 1) * s3)};
}

GPLSrbFile::GPLSrbFile(const GPLSrbFile& other)
    : GPLMIPSectionFile(new GPLMIPSection(*other.m_section)), m_scales(other.m_scales), m_values(other.m_values)
{
}

Vertex GPLSrbFile::GetCorner(U32 i) const
{
    const auto& scale = m_scales.scale;
    double a = double(scale[4]) / scale[2];
    double b = 1 - double(scale[5]) / scale[3];
    double w = scale[0];
    double d = scale[1];
    return RectangleCorner(i, a, b, w, d);
}

TextureVertex GPLSrbFile::GetTextureCoord(U32 i) const
{
    double u = double(m_scales.scale[2]) / GetWidth();
    double v = double(m_scales.scale[3]) / GetHeight();
    return RectangleTextureCoord(i, u, v);
}

U32 GPLSrbFile::GetUnknownInt(U32 i) const
{
    VELMO_ASSERT(i < UnknownCount);
    return m_values.value[i];
}

void GPLSrbFile::Save(Util::BinaryStream& stream) const
{
    stream.Seek(0);
    ChunkHeader(BitmapChunk::SRB, 0, SrbSize).Write(stream);
    ChunkHeader(BitmapChunk::SRHD, 0, U32(Util::FieldsSize(m_scales))).Write(stream);
    Util::WriteFields(stream, m_scales);
    ChunkHeader(BitmapChunk::SRH2, 0, U32(Util::FieldsSize(m_values))).Write(stream);
    Util::WriteFields(stream, m_values);
    m_section->Write(stream);
}

Util::CountedPointer<SrbFile> GPLSrbFile::Clone() const
{
    return Util::CountedPointer<SrbFile>(new GPLSrbFile(*this));
}
} // namespace Velmo::Papy
