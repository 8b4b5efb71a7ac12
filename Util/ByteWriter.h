#pragma once
// Collects the little-endian bytes of a file being saved, to be handed to the caller's stream
// in a few large writes.
#include <algorithm>
#include <vector>

#include "Util/BinaryStream.h"
#include "Util/StreamIO.h"
#include "Util/Types.h"

namespace Velmo::Util
{
class ByteWriter
{
public:
    explicit ByteWriter(std::size_t reserve = 0) { m_bytes.reserve(reserve); }

    template <class T>
    void Put(T value)
    {
        std::size_t at = m_bytes.size();
        m_bytes.resize(at + sizeof(T));
        EncodeLE<T>(value, m_bytes.data() + at);
    }
    void PutS32(S32 value) { Put<S32>(value); }
    void PutU32(U32 value) { Put<U32>(value); }
    void PutF32(F32 value) { Put<F32>(value); }
    void PutU16(U16 value) { Put<U16>(value); }
    void PutU8(U8 value) { m_bytes.push_back(value); }
    // Room for count more bytes at the end, zeros until the caller fills them (see PutFields in
    // Util/RecordFields.h); the pointer holds until the next Put or Append.
    U8* Append(std::size_t count)
    {
        std::size_t at = m_bytes.size();
        m_bytes.resize(at + count);
        return m_bytes.data() + at;
    }

    // Writes everything at the stream's position.
    void WriteTo(BinaryStream& stream) const
    {
        const std::size_t block = std::size_t(1) << 30;
        for (std::size_t at = 0; at < m_bytes.size(); at += block)
            stream.Write(U32(std::min(block, m_bytes.size() - at)), m_bytes.data() + at);
    }

    const std::vector<U8>& GetBytes() const { return m_bytes; }

private:
    std::vector<U8> m_bytes;
};
} // namespace Velmo::Util
