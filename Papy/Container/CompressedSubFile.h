#pragma once
// One imploded entry of a container file as a stream of its own: the entry is unpacked into
// memory once, at construction, and served read-only from there.
#include <memory>
#include <string>

#include "Util/BinaryStream.h"
#include "Util/CharBuffer.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class CompressedSubFile : public Util::BinaryStream
{
public:
    // Unpacks the packedSize bytes at offset in parent, which must give exactly unpackedSize
    // bytes. The parent is used only here and not kept.
    CompressedSubFile(const Util::CountedPointer<Util::BinaryStream>& parent, std::string name, U64 offset,
                      U32 packedSize, U32 unpackedSize);
    CompressedSubFile(const CompressedSubFile&) = delete;
    CompressedSubFile& operator=(const CompressedSubFile&) = delete;

    void Read(U32 count, void* buffer) override { m_buffer.Read(count, buffer); }
    // Always refused: the entry is read-only.
    void Write(U32 count, const void* data) override { m_buffer.Write(count, data); }
    U64 Tell() const override { return m_buffer.Tell(); }
    void Seek(U64 position) override { m_buffer.Seek(position); }
    U64 Size() const override { return m_buffer.Size(); }
    bool AtEnd() const override { return m_buffer.AtEnd(); }
    std::string GetName() const override { return m_buffer.GetName(); }
    const U8* GetBlock() const override { return m_buffer.GetBlock(); }

private:
    std::unique_ptr<U8[]> m_data;
    Util::CharBuffer m_buffer;
};
} // namespace Velmo::Papy
