#pragma once
// A small PNG writer for test pictures: 8-bit RGB, rows stored without compression (deflate's
// stored blocks), so that it needs no library.
#include <cstdint>
#include <string>
#include <vector>

// rgb: height rows of width pixels, three bytes each, top row first. False when the file
// cannot be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb);
