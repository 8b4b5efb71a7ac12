#include "Papy/Bitmap/N4StpFile.h"

#include "Papy/Bitmap/BitmapChunks.h"
#include "Papy/Bitmap/BitmapHeaders.h"
#include "Papy/Bitmap/BitmapOperations.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 STMP = MakeChunkId('S', 'T', 'M', 'P');
constexpr U32 STHD = MakeChunkId('S', 'T', 'H', 'D');
constexpr U32 MaxSide = 0xFFFF;

void CheckSize(U64 height, U64 width)
{
    if (height > MaxSide || width > MaxSide)
        throw Util::XUsage("N4 stp bitmap sides cannot exceed 65535 pixels");
}
} // namespace

N4StpFile::N4StpFile(Util::BinaryStream& stream)
{
    stream.Seek(0);
    Util::RecordReader reader(stream);
    const std::string& name = reader.GetName();
    auto fail = [&name](const char* message) { throw Util::XFileFormat(name, message); };

    ChunkHeader stmp = ChunkHeader::ReadExpected(reader, STMP, "N4 stp id not STMP", "N4 stp unsupported version");
    U64 end = reader.Tell() + stmp.GetSize();
    N4StpStamp stamp;
    ChunkHeader::ReadExpected(reader, STHD, "N4 stp header not found", "N4 stp header unsupported version",
                              "N4 stp header incorrect size", Util::FieldsSize(stamp));
    ReadHeader(reader, stamp);
    N4StpValues values;
    ChunkHeader::ReadExpected(reader, BitmapChunk::DATA, "N4 stp data not found", "N4 stp data unsupported version",
                              "N4 stp data incorrect size", Util::FieldsSize(values));
    ReadHeader(reader, values);
    m_width = values.width;
    m_height = values.height;
    m_unknown = values.value;

    m_section.Reset(new GPLBMAPSection(reader, Util::CountedPointer<Palette>(), 1));
    if (m_section->GetWidth() != m_width)
        fail("N4 stp width mismatch");
    if (m_section->GetHeight() != m_height)
        fail("N4 stp height mismatch");
    if (reader.Tell() != end)
        fail("N4 stp incorrect size");
    stream.Seek(reader.Tell());
}

N4StpFile::N4StpFile(U32 height, U32 width, U8, U8, U8, U8 alphaBits, U8 transparency, bool paletted, U32)
{
    if (paletted)
        throw Util::XUsage("N4 stp palettes not supported");
    CheckSize(height, width);
    U8 format = alphaBits != 0 || transparency != 0 ? 7 : 6;
    m_section.Reset(new GPLBMAPSection(format, false, 0, Util::CountedPointer<Palette>(), 1));
    m_width = U16(width);
    m_height = U16(height);
}

void N4StpFile::CopyFrom(const Bitmap& bitmap)
{
    CheckSize(bitmap.GetHeight(), bitmap.GetWidth());
    // The stored sides follow the section even when a pixel of the source fails half-way
    // (the section is resized first), so that the file still reads back.
    try
    {
        CopyBitmap(bitmap, *m_section);
    }
    catch (...)
    {
        m_width = U16(m_section->GetWidth());
        m_height = U16(m_section->GetHeight());
        throw;
    }
    m_width = U16(bitmap.GetWidth());
    m_height = U16(bitmap.GetHeight());
}

void N4StpFile::Save(Util::BinaryStream& stream) const
{
    stream.Seek(0);
    BitmapChunk::SizePatch stmp(stream, STMP, 0);
    N4StpStamp stamp;
    ChunkHeader(STHD, 0, U32(Util::FieldsSize(stamp))).Write(stream);
    Util::WriteFields(stream, stamp);
    N4StpValues values{.width = m_width, .height = m_height, .value = m_unknown};
    ChunkHeader(BitmapChunk::DATA, 0, U32(Util::FieldsSize(values))).Write(stream);
    Util::WriteFields(stream, values);
    m_section->Write(stream);
    stmp.End();
    stream.Seek(ChunkHeader::ByteSize);
}

Util::CountedPointer<PbfFile> N4StpFile::Clone() const
{
    Util::CountedPointer<N4StpFile> copy(new N4StpFile());
    copy->m_width = m_width;
    copy->m_height = m_height;
    copy->m_unknown = m_unknown;
    copy->m_section = m_section->Clone(Util::CountedPointer<Palette>());
    return Util::CountedPointer<PbfFile>(copy);
}
} // namespace Velmo::Papy
