#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PythonLines.h"
#include "Support/TempFolder.h"
#include "Vantrel/View/HexLine.h"

using Velmo::U8;

TEST(HexLine, SeventeenBytesGiveTwoLinesOfFullWidth)
{
    std::vector<U8> bytes(17);
    for (int i = 0; i < 17; ++i)
        bytes[i] = U8(0x41 + i);
    const std::vector<std::string> lines = FormatHexLines(0, bytes.data(), bytes.size());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "00000000  41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50  ABCDEFGHIJKLMNOP");
    EXPECT_EQ(lines[1], "00000010  51" + std::string(47, ' ') + "Q" + std::string(15, ' '));
    EXPECT_EQ(lines[1].size(), 75u);
}

TEST(HexLine, CharacterColumnShowsPrintableAsciiOnly)
{
    for (int value = 0; value < 256; ++value)
    {
        const U8 byte = U8(value);
        const std::string line = FormatHexLine(0, &byte, 1);
        const char expected = value >= 0x20 && value <= 0x7E ? char(value) : '.';
        EXPECT_EQ(line[59], expected) << "byte " << value;
    }
}

TEST(HexLine, OffsetDigits)
{
    const U8 byte = 0;
    const struct
    {
        unsigned long long offset;
        const char* head;
    } cases[] = {
        {0, "00000000  "},
        {0xFFFFFFF0ull, "FFFFFFF0  "},
        {0x100000000ull, "100000000  "},
        {0x13FFFFFF0ull, "13FFFFFF0  "},
        {0xFFFFFFFFFFFFFFF0ull, "FFFFFFFFFFFFFFF0  "},
    };
    for (const auto& c : cases)
    {
        const std::string line = FormatHexLine(c.offset, &byte, 1);
        EXPECT_EQ(line.substr(0, std::string(c.head).size()), c.head);
        EXPECT_EQ(line.size(), 75 + std::string(c.head).size() - 10);
    }
}

TEST(HexLine, AgreesWithIndependentFormatter)
{
    VelmoTest::TempFolder folder;
    for (std::size_t size : {0u, 1u, 15u, 16u, 17u, 4099u})
    {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = char((i * 37 + 11) & 0xFF);
        const std::string path = folder.Write("sample" + std::to_string(size), bytes);
        const std::vector<std::string> expected = VelmoTest::PythonHexLines(path);
        const std::vector<std::string> lines =
            FormatHexLines(0, reinterpret_cast<const U8*>(bytes.data()), bytes.size());
        EXPECT_EQ(lines, expected) << "size " << size;
        EXPECT_EQ(lines.size(), (size + 15) / 16);
    }
}
