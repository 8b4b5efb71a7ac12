// The independent generator's decoding of a bitmap sample (bitmap.py, made by fileviews.py):
// shared by the bitmap model's tests and the bitmap panes' tests.
#pragma once

#include <array>
#include <fstream>
#include <string>
#include <vector>

#include "FileViewSamples.h"

namespace FileViewsTest
{
// One level of a sample: its size and its pixels, rows top first.
struct Level
{
    unsigned width = 0, height = 0;
    std::vector<std::array<int, 4>> pixels; // red, green, blue, alpha as bytes
};

// The generator's listing of a sample: every level's pixels, its channels (0 to 1) as bytes.
inline std::vector<Level> BitmapListing(const std::string& name)
{
    std::ifstream in(Samples("bitmap") + "/" + name + ".pixels");
    std::string word;
    std::size_t count = 0;
    in >> word >> count;
    std::vector<Level> levels(count);
    for (Level& level : levels)
    {
        in >> word >> level.width >> level.height;
        level.pixels.resize(std::size_t(level.width) * level.height);
        for (auto& p : level.pixels)
            for (int& channel : p)
            {
                double value = 0;
                in >> value;
                channel = int(value * 255 + 0.5);
            }
    }
    return levels;
}
} // namespace FileViewsTest
