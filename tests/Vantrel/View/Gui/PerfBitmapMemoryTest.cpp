// Figures of what bitmap windows hold of the program's memory (label perf), printed, not
// asserted: the program's resident set (VmRSS, read every 0.2 s while the program runs its
// events) when empty, with one window of an N4 MIP of bitmap.py whose one 8192 x 4096 32-bit
// level is imploded (about 780 KB), after closing it, with ten such windows opened one after
// the other (those past the memory bound refused with their message), and after closing them.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "FileViewsGui.h"
#include "GuiKit.h"
#include "Support/PeakMemory.h"
#include "Vantrel/Doc/VantrelDoc.h"

using namespace GuiTest;

namespace
{
double Megabytes(std::uint64_t bytes)
{
    return double(bytes) / 1e6;
}

std::uint64_t Resident()
{
    return TestSupport::StatusBytes("VmRSS").value_or(0);
}

// The resident set read every 0.2 s for seconds while the events run: its highest and last
// readings.
struct Readings
{
    std::uint64_t Highest = 0;
    std::uint64_t Last = 0;
};

Readings Watch(double seconds)
{
    Readings readings;
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (true)
    {
        readings.Last = Resident();
        readings.Highest = std::max(readings.Highest, readings.Last);
        if (std::chrono::steady_clock::now() >= end)
            return readings;
        const auto next = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
        PumpUntil([next] { return std::chrono::steady_clock::now() >= next; }, 400);
    }
}
} // namespace

TEST(PerfBitmapMemory, OneAndTenWindowsOfAnImplodedLevel)
{
    VelmoTest::TempFolder folder;
    FileViewsGui::Copy(folder, "dat", "folders/n4/tracks/Oval", "n4/tracks/Oval");
    const std::string first = folder.Path("n4/tracks/Oval/big0.mip");
    const std::string command = std::string(VELMO_PYTHON3) + " \"" + VELMO_TEST_SOURCE_DIR +
                                "/Papy/Bitmap/bitmap.py\" zero-n4 \"" + first + "\" 7 13 12 1 --fill 128";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (int i = 1; i < 10; ++i)
        std::filesystem::copy_file(first, folder.Path("n4/tracks/Oval/big" + std::to_string(i) + ".mip"));
    std::printf("sample: %s, %ju bytes\n", first.c_str(), std::uintmax_t(std::filesystem::file_size(first)));

    Messages messages;
    const Readings empty = Watch(1.0);
    ASSERT_NE(Open(first), nullptr);
    const Readings one = Watch(2.0);
    CloseAll();
    const Readings closedOne = Watch(3.0);

    int opened = 0;
    std::uint64_t highest = 0;
    for (int i = 0; i < 10; ++i)
    {
        opened += Open(folder.Path("n4/tracks/Oval/big" + std::to_string(i) + ".mip")) != nullptr;
        highest = std::max(highest, Watch(0.4).Highest);
    }
    const Readings ten = Watch(2.0);
    const std::size_t refused = messages.Texts.size();
    CloseAll();
    const Readings closedTen = Watch(3.0);

    std::printf("empty:                  %8.1f MB\n", Megabytes(empty.Last));
    std::printf("one window:             %8.1f MB (highest %.1f MB)\n", Megabytes(one.Last), Megabytes(one.Highest));
    std::printf("after closing it:       %8.1f MB\n", Megabytes(closedOne.Last));
    std::printf("ten windows (%2d open):  %8.1f MB (highest %.1f MB)\n", opened, Megabytes(ten.Last),
                Megabytes(std::max(highest, ten.Highest)));
    std::printf("after closing them:     %8.1f MB\n", Megabytes(closedTen.Last));
    std::printf("messages: %zu\n", refused);
    if (refused > 0)
        std::printf("first message: %s", messages.Texts.front().c_str());
}
