// What a bitmap window holds of the program's memory. Its images and their tiles are reserved in
// the memory bound before the window is made: past the bound the window is refused with a plain
// message and nothing is left of it. Closing it gives its memory back to the system: the
// program's resident set falls back to near what it was before the open. The sample is an N4
// MIP of bitmap.py whose one 8192 x 4096 32-bit level is imploded into a few hundred kilobytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "FileViewsGui.h"
#include "GuiKit.h"
#include "Support/PeakMemory.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Util/MemoryBound.h"
#include "Vantrel/App/MainFrame.h"
#include "Vantrel/Doc/VantrelDoc.h"
#include "Vantrel/View/BitmapCanvas.h"
#include "Vantrel/View/BitmapView.h"

#ifndef VELMO_PYTHON3
#define VELMO_PYTHON3 "python3"
#endif

using namespace GuiTest;
using Velmo::U64;
using Velmo::Util::MemoryBound;

namespace
{
constexpr U64 MiB = U64(1) << 20;

// An N4 MIP in the sample N4 track folder: one 32-bit level (format 7, with alpha) of
// 2^wexp x 2^hexp pixels, every byte 128.
std::string N4Mip(const VelmoTest::TempFolder& folder, const std::string& name, int wexp, int hexp)
{
    if (!std::filesystem::exists(folder.Path("n4/tracks/Oval")))
        FileViewsGui::Copy(folder, "dat", "folders/n4/tracks/Oval", "n4/tracks/Oval");
    const std::string path = folder.Path("n4/tracks/Oval/" + name);
    const std::string command = std::string(VELMO_PYTHON3) + " \"" + VELMO_TEST_SOURCE_DIR +
                                "/Papy/Bitmap/bitmap.py\" zero-n4 \"" + path + "\" 7 " + std::to_string(wexp) + " " +
                                std::to_string(hexp) + " 1 --fill 128";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return path;
}

U64 Resident()
{
    return TestSupport::StatusBytes("VmRSS").value_or(0);
}

CBitmapCanvas* CanvasOfBitmap(CVantrelDoc* document)
{
    auto* view = ViewOf<CBitmapView>(document);
    return view != nullptr ? view->GetCanvas() : nullptr;
}

int DocumentWindows()
{
    return int(Frame().GetChildren().GetCount());
}
} // namespace

// Open, paint, close: once the window is gone the resident set comes back to within 100 MB of
// what it was before the open (it rose by several hundred while the window was up).
TEST(BitmapMemory, ClosingAPageWindowGivesItsMemoryBack)
{
    if (!TestSupport::ResidentFiguresHold)
        GTEST_SKIP() << "freed memory stays resident in the sanitizer's quarantine";
    VelmoTest::TempFolder folder;
    const std::string path = N4Mip(folder, "big.mip", 13, 12);
    const U64 before = Resident();
    CVantrelDoc* document = Open(path);
    CBitmapCanvas* canvas = CanvasOfBitmap(document);
    ASSERT_NE(canvas, nullptr);
    ASSERT_TRUE(PumpUntil([canvas] { return canvas->GetPaintCount() > 0; }));
    ASSERT_EQ(canvas->GetModel()->GetImageCount(), 1u);
    const U64 open = Resident();
    EXPECT_GT(open, before + 300 * MiB) << "the window's images are resident";
    CloseAll();
    const bool returned = PumpUntil([&] { return Resident() < before + 100 * MiB; }, 10000);
    EXPECT_TRUE(returned) << "before the open " << before / MiB << " MiB, open " << open / MiB << " MiB, closed "
                          << Resident() / MiB << " MiB";
    EXPECT_EQ(MemoryBound::GetTaken(), 0u) << "the window's reservation is given back";
}

// Under a lowered bound: a window whose images need more than is left is refused with the
// message, leaves no window or document, and holds nothing; one that fits holds its bytes until
// it closes, and a window refused while it was open opens once it has closed.
TEST(BitmapMemory, AWindowPastTheBoundIsRefused)
{
    VelmoTest::TempFolder folder;
    // 1024 x 512 with alpha: two images of 3 bytes a pixel and their tiles of 4.
    const std::string first = N4Mip(folder, "first.mip", 10, 9);
    const std::string second = N4Mip(folder, "second.mip", 10, 9);
    const U64 needs = 1024 * 512 * 2 * (3 + 4);
    ASSERT_EQ(needs, 7340032u);

    const int windows = DocumentWindows();
    {
        MemoryBound::Scope bound(needs - 1);
        Messages messages;
        EXPECT_EQ(Open(first), nullptr);
        // What is left once the file is read: the folder's cache may keep its object (in its
        // small share of what nobody holds) until it is purged.
        const U64 left = MemoryBound::GetLeft();
        EXPECT_EQ(messages.Texts, std::vector<std::string>{"The bitmap is too large to show: first.mip needs 7340032 "
                                                             "bytes, more than the " +
                                                             std::to_string(left) + " bytes left of the memory bound\n"});
        EXPECT_EQ(DocumentCount(), 0);
        EXPECT_EQ(DocumentWindows(), windows);
        Velmo::Papy::FileFactoryRegistry::Instance()->Purge();
        EXPECT_EQ(MemoryBound::GetTaken(), 0u);
    }
    {
        MemoryBound::Scope bound(needs + needs / 2);
        Messages messages;
        const U64 taken = MemoryBound::GetTaken();
        CVantrelDoc* document = Open(first);
        ASSERT_NE(CanvasOfBitmap(document), nullptr);
        EXPECT_GE(MemoryBound::GetTaken(), taken + needs);
        EXPECT_EQ(Open(second), nullptr);
        const U64 left = MemoryBound::GetLeft();
        EXPECT_EQ(messages.Texts, std::vector<std::string>{"The bitmap is too large to show: second.mip needs 7340032 "
                                                             "bytes, more than the " +
                                                             std::to_string(left) + " bytes left of the memory bound\n"});
        EXPECT_EQ(DocumentCount(), 1);
        CloseAll();
        ASSERT_TRUE(PumpUntil([&] {
            Velmo::Papy::FileFactoryRegistry::Instance()->Purge();
            return MemoryBound::GetTaken() == taken;
        }));
        document = Open(second);
        ASSERT_NE(CanvasOfBitmap(document), nullptr);
        EXPECT_EQ(messages.Texts.size(), 1u);
        CloseAll();
    }
    EXPECT_TRUE(PumpUntil([] {
        Velmo::Papy::FileFactoryRegistry::Instance()->Purge();
        return MemoryBound::GetTaken() == 0;
    }));
}
