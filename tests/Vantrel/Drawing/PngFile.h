#pragma once
// Writes the pixels of a context as a PNG file (RGB, 8 bits, no compression: the image data
// goes in stored deflate blocks), for the shots the drawing tests keep for review.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace DrawingTest
{
inline std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0)
{
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
    {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(value >> shift));
}

inline void PutChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data)
{
    PutU32(out, std::uint32_t(data.size()));
    std::vector<std::uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutU32(out, Crc32(typed.data(), typed.size()));
}

// rgb: width x height pixels, the bottom row first (as glReadPixels gives them).
inline bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb)
{
    std::vector<std::uint8_t> raw;
    for (int row = height - 1; row >= 0; --row)
    {
        raw.push_back(0);
        raw.insert(raw.end(), rgb.begin() + std::ptrdiff_t(row) * width * 3,
                   rgb.begin() + std::ptrdiff_t(row + 1) * width * 3);
    }
    std::vector<std::uint8_t> zlib = {0x78, 0x01};
    for (std::size_t at = 0; at < raw.size() || at == 0; at += 65535)
    {
        const std::size_t size = std::min<std::size_t>(65535, raw.size() - at);
        zlib.push_back(at + size >= raw.size() ? 1 : 0);
        zlib.push_back(std::uint8_t(size));
        zlib.push_back(std::uint8_t(size >> 8));
        zlib.push_back(std::uint8_t(~size));
        zlib.push_back(std::uint8_t(~size >> 8));
        zlib.insert(zlib.end(), raw.begin() + std::ptrdiff_t(at), raw.begin() + std::ptrdiff_t(at + size));
        if (raw.empty())
            break;
    }
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw)
    {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutU32(zlib, (b << 16) | a);

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    PutU32(header, std::uint32_t(width));
    PutU32(header, std::uint32_t(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", {});
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    return bool(out);
}
} // namespace DrawingTest
