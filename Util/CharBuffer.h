#pragma once
// A stream over a fixed block of memory that it does not own. Never grows.
#include <string>

#include "Util/BinaryStream.h"

namespace Velmo::Util
{
class CharBuffer : public BinaryStream
{
public:
    // A writable stream over size bytes at data.
    CharBuffer(std::string name, U32 size, void* data);
    // A read-only stream with no block yet; see Attach.
    explicit CharBuffer(std::string name);

    // Sets a read-only block; the position goes back to 0.
    void Attach(U32 size, const void* data);

    void Read(U32 count, void* buffer) override;
    void Write(U32 count, const void* data) override;
    U64 Tell() const override { return m_position; }
    void Seek(U64 position) override;
    U64 Size() const override { return m_size; }
    bool AtEnd() const override { return m_position == m_size; }
    std::string GetName() const override { return m_name; }

    // The bytes from the position to the end, for parsers that want to look without copying.
    const U8* GetCurrent() const { return m_current; }
    const U8* GetBlock() const override { return m_base; }
    U32 GetRemaining() const { return m_size - m_position; }

private:
    bool m_readOnly;
    std::string m_name;
    U8* m_base;
    U8* m_current;
    U32 m_size;
    U32 m_position;
};
} // namespace Velmo::Util
