#include "PngWriter.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace
{
typedef std::vector<std::uint8_t> Bytes;

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n)
        {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const Bytes& data)
{
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : data)
    {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void PutBigEndian(Bytes& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(value >> shift));
}

void PutChunk(Bytes& out, const char* type, const Bytes& data)
{
    PutBigEndian(out, std::uint32_t(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored deflate blocks.
Bytes Stored(const Bytes& raw)
{
    Bytes out = {0x78, 0x01};
    std::size_t at = 0;
    do
    {
        const std::size_t size = std::min<std::size_t>(raw.size() - at, 65535);
        const bool last = at + size == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(std::uint8_t(size));
        out.push_back(std::uint8_t(size >> 8));
        out.push_back(std::uint8_t(~size));
        out.push_back(std::uint8_t(~size >> 8));
        out.insert(out.end(), raw.begin() + std::ptrdiff_t(at), raw.begin() + std::ptrdiff_t(at + size));
        at += size;
    } while (at < raw.size());
    PutBigEndian(out, Adler32(raw));
    return out;
}
} // namespace

bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb)
{
    if (width <= 0 || height <= 0 || rgb.size() != std::size_t(width) * std::size_t(height) * 3)
        return false;
    Bytes header;
    PutBigEndian(header, std::uint32_t(width));
    PutBigEndian(header, std::uint32_t(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter choice, no interlace
    Bytes raw;
    raw.reserve((std::size_t(width) * 3 + 1) * std::size_t(height));
    for (int row = 0; row < height; ++row)
    {
        raw.push_back(0); // no filter
        const auto begin = rgb.begin() + std::ptrdiff_t(std::size_t(row) * std::size_t(width) * 3);
        raw.insert(raw.end(), begin, begin + std::ptrdiff_t(std::size_t(width) * 3));
    }
    Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", Stored(raw));
    PutChunk(file, "IEND", {});
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    return bool(out);
}
