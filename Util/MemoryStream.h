#pragma once
// A stream over bytes held in memory that grows as it is written: writers build a file in it
// and hand it over in one write, tests load from it and save into it. Seeking past the end
// is allowed; a write there fills the gap with zeros. Reads stop at the end.
#include <string>
#include <vector>

#include "Util/BinaryStream.h"

namespace Velmo::Util
{
class MemoryStream : public BinaryStream
{
public:
    // An empty stream; name is used in every error message about it.
    explicit MemoryStream(std::string name = "memory");
    MemoryStream(std::vector<U8> bytes, std::string name);

    void Read(U32 count, void* buffer) override;
    void Write(U32 count, const void* data) override;
    U64 Tell() const override { return m_position; }
    void Seek(U64 position) override { m_position = position; }
    U64 Size() const override { return m_bytes.size(); }
    bool AtEnd() const override { return m_position == m_bytes.size(); }
    std::string GetName() const override { return m_name; }

    // Room for bytes more bytes at the position, which advances past them; the caller fills
    // them (they start as zeros). The pointer holds until the next write.
    U8* Append(U64 bytes);
    // Ends the stream at the position.
    void Truncate();
    // Makes room for size bytes in all, so that writing up to there does not reallocate.
    void Reserve(U64 size);

    const U8* GetData() const { return m_bytes.data(); }
    const U8* GetBlock() const override { return m_bytes.data(); }
    const std::vector<U8>& GetBytes() const { return m_bytes; }
    // Hands the bytes over and leaves the stream empty at position 0.
    std::vector<U8> TakeBytes();

private:
    // Makes the stream at least end bytes long (or fails as a write would).
    void Extend(U64 end);

    std::vector<U8> m_bytes;
    std::string m_name;
    U64 m_position = 0;
};
} // namespace Velmo::Util
