#pragma once
// A stream over a block of memory that grows as it is written: an archive is written into it
// and then handed to the file in one write. Reading and seeking stay within what was written.
#include <memory>
#include <string>
#include <vector>

#include "Util/BinaryStream.h"

namespace Velmo::Papy
{
class N4WriteBuffer : public Util::BinaryStream
{
public:
    // name is the name of the stream the bytes are meant for (used in error messages);
    // expectedSize, when known, saves the block from growing step by step.
    explicit N4WriteBuffer(std::string name, U64 expectedSize = 0);

    void Read(U32 count, void* buffer) override;
    void Write(U32 count, const void* data) override;
    U64 Tell() const override { return m_position; }
    void Seek(U64 position) override;
    U64 Size() const override { return m_size; }
    bool AtEnd() const override { return m_position == m_size; }
    std::string GetName() const override { return m_name; }

    // Room for bytes more at the position, which advances past them; the caller fills it.
    U8* Append(U64 bytes);
    // Ends the block at the position.
    void Truncate() { m_size = m_position; }
    const U8* GetData() const { return m_data.get(); }
    std::vector<U8> GetBytes() const { return std::vector<U8>(m_data.get(), m_data.get() + m_size); }

private:
    void Grow(U64 needed);

    std::string m_name;
    std::unique_ptr<U8[]> m_data;
    U64 m_capacity = 0;
    U64 m_size = 0;
    U64 m_position = 0;
};
} // namespace Velmo::Papy
