// The coder against a plain model of its match rules (tests/Util/implode_model.py), over a few
// MB of mixed data: both must write the same stream byte for byte. The data holds repeated
// blocks at several distances, so full-length matches are found at more than one distance and
// the farthest must win, while ties of shorter matches go to the nearest.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "Support/TempFolder.h"
#include "Util/PkCompression.h"

using namespace Velmo;
using namespace Velmo::Util;

namespace
{
typedef std::vector<U8> Bytes;

Bytes MixedData()
{
    std::mt19937 random(516);
    Bytes data;
    auto text = [&](std::size_t n) {
        const char* const words[] = {"track ", "segment ", "the ", "wall ", "of ", "object ", "polygon\n",
                                     "42 ",    "camera ",  "a ",   "x",     "texture "};
        for (std::size_t end = data.size() + n; data.size() < end;)
        {
            const char* w = words[random() % std::size(words)];
            data.insert(data.end(), w, w + std::char_traits<char>::length(w));
        }
    };
    auto noise = [&](std::size_t n) {
        for (std::size_t i = 0; i < n; ++i)
            data.push_back(U8(random()));
    };
    auto run = [&](std::size_t n, std::initializer_list<U8> pattern) {
        for (std::size_t i = 0; i < n; ++i)
            data.push_back(pattern.begin()[i % pattern.size()]);
    };
    auto records = [&](std::size_t n) {
        for (std::size_t i = 0; i < n; ++i)
        {
            U32 v = U32(i * 37 + (random() % 4));
            for (int b = 0; b < 4; ++b)
                data.push_back(U8(v >> (8 * b)));
            data.push_back(0);
            data.push_back(0);
            data.push_back(U8(i & 3));
            data.push_back(0x3F);
        }
    };
    // A block of noise repeated at distances below and above the dictionary size.
    auto repeats = [&](std::size_t length, std::initializer_list<std::size_t> gaps) {
        Bytes block;
        for (std::size_t i = 0; i < length; ++i)
            block.push_back(U8(random()));
        for (std::size_t gap : gaps)
        {
            data.insert(data.end(), block.begin(), block.end());
            noise(gap);
        }
    };
    for (int round = 0; round < 6; ++round)
    {
        text(90000);
        run(30000, {0});
        noise(20000);
        records(1500);
        run(9000, {1, 2, 3});
        repeats(700, {300, 1100, 2000, 5000, 10});
        repeats(1600, {100, 900, 50});
        text(40000);
        run(5000, {7, 7, 7, 7, 9});
        repeats(520, {1, 2, 3, 4000});
    }
    return data;
}

Bytes ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
} // namespace

TEST(PkCompressionModel, CoderWritesTheModelsStreamsByteForByte)
{
    VelmoTest::TempFolder folder;
    const std::string model = std::string(VELMO_TEST_SOURCE_DIR) + "/Util/implode_model.py";
    Bytes all = MixedData();
    // Pieces of several sizes, as entries are compressed one by one.
    std::size_t offsets[] = {0, 4096, 4096 + 4613, 200000, all.size() / 2, all.size()};
    for (std::size_t i = 0; i + 1 < std::size(offsets); ++i)
    {
        Bytes input(all.begin() + offsets[i], all.begin() + offsets[i + 1]);
        std::string in = folder.Path() + "/in" + std::to_string(i);
        std::string out = folder.Path() + "/out" + std::to_string(i);
        std::ofstream(in, std::ios::binary).write(reinterpret_cast<const char*>(input.data()), input.size());
        std::string command = std::string(VELMO_PYTHON3) + " " + model + " compress " + in + " " + out;
        ASSERT_EQ(0, std::system(command.c_str())) << command;
        Bytes expected = ReadAll(out);

        Bytes ours(PkCompression::MaxCompressedSize(U32(input.size())));
        ours.resize(PkCompression::Compress(input.data(), U32(input.size()), ours.data(), U32(ours.size())));
        ASSERT_EQ(expected.size(), ours.size()) << "piece " << i;
        std::size_t first = 0;
        while (first < ours.size() && ours[first] == expected[first])
            ++first;
        EXPECT_EQ(ours.size(), first) << "piece " << i << " differs first at byte " << first;
    }
}
