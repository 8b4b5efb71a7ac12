#pragma once
// Builds test files byte by byte, little-endian, independently of the readers under test.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace VelmoTest
{
class ByteBuilder
{
public:
    ByteBuilder& U8(std::uint8_t v)
    {
        m_bytes.push_back(v);
        return *this;
    }
    ByteBuilder& U16(std::uint16_t v) { return Raw(v, 2); }
    ByteBuilder& U32(std::uint32_t v) { return Raw(v, 4); }
    ByteBuilder& U64(std::uint64_t v) { return Raw(v, 8); }
    ByteBuilder& S16(std::int16_t v) { return Raw(std::uint16_t(v), 2); }
    ByteBuilder& S32(std::int32_t v) { return Raw(std::uint32_t(v), 4); }
    ByteBuilder& F32(float v)
    {
        std::uint32_t bits;
        std::memcpy(&bits, &v, 4);
        return Raw(bits, 4);
    }
    ByteBuilder& F64(double v)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &v, 8);
        return Raw(bits, 8);
    }
    // Characters as written, without a terminator.
    ByteBuilder& Text(const std::string& s)
    {
        m_bytes.insert(m_bytes.end(), s.begin(), s.end());
        return *this;
    }
    // Characters followed by one zero byte.
    ByteBuilder& CString(const std::string& s) { return Text(s).U8(0); }
    ByteBuilder& Bytes(const std::vector<std::uint8_t>& b)
    {
        m_bytes.insert(m_bytes.end(), b.begin(), b.end());
        return *this;
    }
    ByteBuilder& Zeros(std::size_t n)
    {
        m_bytes.insert(m_bytes.end(), n, 0);
        return *this;
    }
    // Overwrites a 32-bit word already written (sizes known only later).
    ByteBuilder& PatchU32(std::size_t at, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes.at(at + i) = std::uint8_t(v >> (8 * i));
        return *this;
    }

    std::size_t Size() const { return m_bytes.size(); }
    const std::vector<std::uint8_t>& Get() const { return m_bytes; }
    std::vector<std::uint8_t>& Get() { return m_bytes; }

private:
    ByteBuilder& Raw(std::uint64_t v, int n)
    {
        for (int i = 0; i < n; ++i)
            m_bytes.push_back(std::uint8_t(v >> (8 * i)));
        return *this;
    }

    std::vector<std::uint8_t> m_bytes;
};
} // namespace VelmoTest
