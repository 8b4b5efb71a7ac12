#include "Papy/Bitmap/GPLSrbFile.h"

#include "Papy/Bitmap/BitmapChunks.h"
#include "Papy/Model/Options.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 SrbSize = 84; // the two header chunks only
constexpr U32 ScaleSize = 24;
constexpr U32 UnknownSize = 36;
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
                              "GPL srb file header unsupported version", "GPL srb header incorrect size", ScaleSize);
    reader.ReadArray(m_scale.data(), m_scale.size());
    ChunkHeader::ReadExpected(reader, BitmapChunk::SRH2, "GPL srb header 2 not found",
                              "GPL srb file header 2 unsupported version", "GPL srb header 2 incorrect size",
                              UnknownSize);
    reader.ReadArray(m_unknown.data(), m_unknown.size());

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
    m_scale = {s0, s1, s2, s3, float((0 - v0.GetX() / s0) * s2), float((v2.GetZ() / s1 + 1) * s3)};
}

GPLSrbFile::GPLSrbFile(const GPLSrbFile& other)
    : GPLMIPSectionFile(new GPLMIPSection(*other.m_section)), m_scale(other.m_scale), m_unknown(other.m_unknown)
{
}

Vertex GPLSrbFile::GetCorner(U32 i) const
{
    double a = double(m_scale[4]) / m_scale[2];
    double b = 1 - double(m_scale[5]) / m_scale[3];
    double w = m_scale[0];
    double d = m_scale[1];
    return RectangleCorner(i, a, b, w, d);
}

TextureVertex GPLSrbFile::GetTextureCoord(U32 i) const
{
    double u = double(m_scale[2]) / GetWidth();
    double v = double(m_scale[3]) / GetHeight();
    return RectangleTextureCoord(i, u, v);
}

U32 GPLSrbFile::GetUnknownInt(U32 i) const
{
    VELMO_ASSERT(i < UnknownCount);
    return m_unknown[i];
}

void GPLSrbFile::Save(Util::BinaryStream& stream) const
{
    stream.Seek(0);
    ChunkHeader(BitmapChunk::SRB, 0, SrbSize).Write(stream);
    ChunkHeader(BitmapChunk::SRHD, 0, ScaleSize).Write(stream);
    U8 values[UnknownSize];
    for (U32 i = 0; i < 6; ++i)
        Util::EncodeLE<float>(m_scale[i], values + 4 * i);
    stream.Write(ScaleSize, values);
    ChunkHeader(BitmapChunk::SRH2, 0, UnknownSize).Write(stream);
    for (U32 i = 0; i < UnknownCount; ++i)
        Util::EncodeLE<U32>(m_unknown[i], values + 4 * i);
    stream.Write(UnknownSize, values);
    m_section->Write(stream);
}

Util::CountedPointer<SrbFile> GPLSrbFile::Clone() const
{
    return Util::CountedPointer<SrbFile>(new GPLSrbFile(*this));
}
} // namespace Velmo::Papy
