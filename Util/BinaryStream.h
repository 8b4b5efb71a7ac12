#pragma once
// The one abstract byte stream of the system: 64-bit positions, all-or-nothing transfers.
#include <string>

#include "Util/Types.h"

namespace Velmo::Util
{
class BinaryStream
{
public:
    virtual ~BinaryStream() = default;

    // Copies exactly count bytes to buffer and advances, or throws XFileRead.
    virtual void Read(U32 count, void* buffer) = 0;
    // Writes exactly count bytes at the position and advances, or throws XFileWrite.
    virtual void Write(U32 count, const void* data) = 0;
    virtual U64 Tell() const = 0;
    // Absolute seek; throws XFileSeek when refused.
    virtual void Seek(U64 position) = 0;
    virtual U64 Size() const = 0;
    virtual bool AtEnd() const = 0;
    // The name used in every error message about this stream.
    virtual std::string GetName() const = 0;
    // Hands every byte written so far on to where the stream keeps it, or throws XFileWrite.
    // Streams that write straight through have nothing to do. Savers call it after their last
    // write, so that no write error is left for a destructor to swallow.
    virtual void Flush() {}
    // The stream's whole contents, Size() bytes, when it holds them in one block of memory;
    // null for any other stream. The block holds until the stream is written to or destroyed:
    // parsers read it in place instead of copying the stream.
    virtual const U8* GetBlock() const { return nullptr; }
    // Whether the stream makes its bytes as they are read (an imploded entry unpacked on
    // demand): a reader that may need only some of them keeps such a stream rather than copy
    // them, and any other stream (a file, which holds a handle) is copied from at once.
    virtual bool MakesBytesOnRead() const { return false; }
};
} // namespace Velmo::Util
