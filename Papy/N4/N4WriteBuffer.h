#pragma once
// A stream over a block of memory that grows as it is written: an archive is written into it
// and then handed to the file in one write. Reading and seeking stay within what was written.
#include <string>
#include <vector>

#include "Util/BinaryStream.h"

namespace Velmo::Papy
{
class N4WriteBuffer : public Util::BinaryStream
{
public:
    // name is the name of the stream the bytes are meant for (used in error messages).
    explicit N4WriteBuffer(std::string name);

    void Read(U32 count, void* buffer) override;
    void Write(U32 count, const void* data) override;
    U64 Tell() const override { return m_position; }
    void Seek(U64 position) override;
    U64 Size() const override { return m_bytes.size(); }
    bool AtEnd() const override { return m_position == m_bytes.size(); }
    std::string GetName() const override { return m_name; }

    // Ends the block at the position.
    void Truncate() { m_bytes.resize(m_position); }
    const std::vector<U8>& GetBytes() const { return m_bytes; }

private:
    std::string m_name;
    std::vector<U8> m_bytes;
    U64 m_position = 0;
};
} // namespace Velmo::Papy
