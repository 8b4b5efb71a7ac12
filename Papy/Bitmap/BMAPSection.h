#pragma once
// What the GPL and N2 bitmap sections share: a "BMAP" chunk that opens with a "BMHD" chunk
// (BitmapHeader: format code, width, height, bytes per row, a method byte and two blanks), the
// sizes it gives a section, and the checks of them, each game with its own texts.
#include "Papy/Bitmap/Bitmap.h"
#include "Papy/Bitmap/BitmapChunks.h"
#include "Papy/Bitmap/BitmapHeaders.h"
#include "Papy/Bitmap/PixelFormat.h"
#include "Util/BinaryStream.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class BMAPSection : public Bitmap
{
public:
    U32 GetWidth() const override { return m_width; }
    U32 GetHeight() const override { return m_height; }
    U8 GetFormat() const { return m_format; }
    U32 GetStride() const { return m_stride; }

    // The texts of one game's errors about the shared parts.
    struct Texts
    {
        const char* id;            // the BMAP chunk's id
        const char* version;       // and version
        const char* headerId;      // the BMHD chunk's id, version and size
        const char* headerVersion;
        const char* headerSize;
        const char* stride;        // bytes per row that the format and width do not give
        const char* reserved;      // a method byte other than 0, where it is reserved (else null)
        const char* blank0;        // the blanks after the header
        const char* blank1;
        const char* size;          // a BMAP chunk whose contents do not end where it does
    };

protected:
    BMAPSection() = default;
    explicit BMAPSection(U8 format) : m_format(format) {}

    // Reads the BMAP chunk's header, the BMHD chunk's header and the header; returns the
    // offset at which the BMAP chunk ends.
    static U64 ReadHead(Util::RecordReader& reader, const Texts& texts, BitmapHeader& header);
    // Checks the header as read against its format, in this order: the bytes per row (in 64
    // bits, so that no width makes a stride that wraps to the stored one), the reserved byte,
    // the blanks; then takes its format and sizes.
    void TakeHeader(const Util::RecordReader& reader, const Texts& texts, const BitmapHeader& header,
                    const PixelFormat& format);
    // A BMAP chunk that does not end at end fails with texts.size.
    static void CheckEnd(const Util::RecordReader& reader, const Texts& texts, U64 end);

    // Takes a new size; returns the pixel bytes it needs (both must fit 32 bits: an assertion).
    U32 SetSize(const PixelFormat& format, U32 height, U32 width);

    // Writes the BMAP chunk: its header, the BMHD chunk with method as the method byte, what
    // body writes, and the chunk's size at its start.
    template <class Body>
    void WriteChunk(Util::BinaryStream& stream, U8 method, Body body) const
    {
        BitmapChunk::SizePatch bmap(stream, BitmapChunk::BMAP, 0);
        WriteHeader(stream, method);
        body();
        bmap.End();
    }

    U8 m_format = 0;
    U32 m_height = 0;
    U32 m_width = 0;
    U32 m_stride = 0;

private:
    void WriteHeader(Util::BinaryStream& stream, U8 method) const;
};
} // namespace Velmo::Papy
