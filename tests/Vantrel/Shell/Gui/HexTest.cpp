#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <unistd.h>

#include <wx/uiaction.h>

#include "GuiKit.h"
#include "Support/TempFolder.h"
#include "Unit/PythonLines.h"
#include "Util/Exception.h"
#include "Vantrel/App/MainFrame.h"
#include "Vantrel/Doc/DocumentSource.h"
#include "Vantrel/Doc/SubDoc.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/View/BinCanvas.h"

using namespace GuiTest;
using Velmo::U64;

namespace
{
std::string Pattern(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + 3) & 0xFF);
    return bytes;
}

// A sparse file of the given size whose last 64 bytes hold a pattern.
std::string SparseFile(const VelmoTest::TempFolder& folder, const std::string& name, U64 size)
{
    const std::string path = folder.Path(name);
    const int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(ftruncate(fd, off_t(size)), 0);
    const std::string tail = Pattern(64);
    EXPECT_EQ(pwrite(fd, tail.data(), tail.size(), off_t(size - tail.size())), ssize_t(tail.size()));
    close(fd);
    return path;
}

std::vector<std::string> Expected(const std::string& path, const CBinCanvas& canvas, std::size_t lines)
{
    return VelmoTest::PythonHexLines(path, canvas.GetModel().GetTop(), (long long)lines);
}
} // namespace

TEST(Hex, SeventeenBytesShowTwoLines)
{
    VelmoTest::TempFolder folder;
    const std::string path = folder.Write("seventeen.bin", "ABCDEFGHIJKLMNOP\x7f");
    const wxImage empty = ScreenShot("hex-before-seventeen");
    CVantrelDoc* document = Open(path);
    ASSERT_NE(document, nullptr);
    CBinCanvas* canvas = CanvasOf(document);
    ASSERT_NE(canvas, nullptr);
    const std::vector<std::string> lines = canvas->GetVisibleLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "00000000  41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50  ABCDEFGHIJKLMNOP");
    EXPECT_EQ(lines[1], "00000010  7F" + std::string(47, ' ') + "." + std::string(15, ' '));
    EXPECT_EQ(lines, VelmoTest::PythonHexLines(path));

    EXPECT_TRUE(PumpUntil([canvas] { return canvas->GetPaintCount() > 0; }));
    const wxImage shot = ScreenShot("hex-seventeen");
    const wxRect lineArea(canvas->GetScreenPosition(), wxSize(canvas->GetSize().GetWidth(), 2 * canvas->GetLineHeight()));
    const wxRect below(lineArea.GetBottomLeft() + wxPoint(0, canvas->GetLineHeight()),
                       wxSize(lineArea.GetWidth(), 3 * canvas->GetLineHeight()));
    EXPECT_GT(DarkPixels(shot, lineArea), 200);
    EXPECT_EQ(DarkPixels(shot, below), 0);
    EXPECT_GT(DifferentPixels(shot, empty, lineArea), 200);
    CloseAll();
}

TEST(Hex, LinesAgreeWithIndependentFormatter)
{
    VelmoTest::TempFolder folder;
    for (std::size_t size : {0u, 1u, 15u, 16u, 4099u})
    {
        const std::string path = folder.Write("f" + std::to_string(size) + ".bin", Pattern(size));
        CVantrelDoc* document = Open(path);
        ASSERT_NE(document, nullptr);
        CBinCanvas* canvas = CanvasOf(document);
        ASSERT_NE(canvas, nullptr);
        const std::vector<std::string> lines = canvas->GetVisibleLines();
        EXPECT_EQ(lines, Expected(path, *canvas, lines.size())) << size;
        EXPECT_EQ(lines.empty(), size == 0);
        if (size == 4099)
        {
            canvas->End();
            const std::vector<std::string> last = canvas->GetVisibleLines();
            EXPECT_EQ(last, Expected(path, *canvas, last.size()));
            EXPECT_EQ(last.back().substr(0, 8), "00001000");
        }
    }
    CloseAll();
}

TEST(Hex, KeysOnALargeFile)
{
    VelmoTest::TempFolder folder;
    const U64 size = U64(1) << 30;
    const std::string path = SparseFile(folder, "large.bin", size);
    CVantrelDoc* document = Open(path);
    ASSERT_NE(document, nullptr);
    CBinCanvas* canvas = CanvasOf(document);
    ASSERT_NE(canvas, nullptr);
    canvas->SetFocus();
    EXPECT_TRUE(PumpUntil([canvas] { return canvas->HasFocus(); }));
    const CHexScrollModel& model = canvas->GetModel();
    ASSERT_EQ(model.GetLines(), size / 16);
    const U64 page = model.GetPageLines();
    ASSERT_GT(page, 5u);

    wxUIActionSimulator keys;
    // Each key, then its effect (the keys arrive through the display server).
    const auto key = [&](int code, const std::function<U64()>& top) {
        keys.Char(code);
        EXPECT_TRUE(PumpUntil([&] { return model.GetTop() == top(); })) << code << ": " << model.GetTop();
    };
    key(WXK_END, [&] { return model.GetMaxTop(); });
    const std::vector<std::string> last = canvas->GetVisibleLines();
    EXPECT_EQ(last, Expected(path, *canvas, last.size()));
    EXPECT_EQ(last[page - 1].substr(0, 8), "3FFFFFF0");
    Shot(canvas, "hex-large-end");

    key(WXK_PAGEUP, [&] { return model.GetMaxTop() - page; });
    key(WXK_HOME, [] { return U64(0); });
    key(WXK_PAGEDOWN, [&] { return page; });
    key(WXK_DOWN, [&] { return page + 1; });
    key(WXK_UP, [&] { return page; });

    // The commands of the dump's accelerators, as menu events.
    Command(ID_HEX_END);
    EXPECT_EQ(model.GetTop(), model.GetMaxTop());
    Command(ID_HEX_HOME);
    EXPECT_EQ(model.GetTop(), 0u);
    CloseAll();
}

TEST(Hex, FiveGigabytesShowTheirLastOffset)
{
    VelmoTest::TempFolder folder;
    const U64 size = U64(5) << 30;
    const std::string path = SparseFile(folder, "huge.bin", size);
    CVantrelDoc* document = Open(path);
    ASSERT_NE(document, nullptr);
    CBinCanvas* canvas = CanvasOf(document);
    canvas->End();
    const std::vector<std::string> last = canvas->GetVisibleLines();
    ASSERT_FALSE(last.empty());
    EXPECT_EQ(last.back().substr(0, 11), "13FFFFFF0  ");
    EXPECT_EQ(last, Expected(path, *canvas, last.size()));
    CloseAll();
}

TEST(Hex, PaintErrorIsReportedOnceAfterThePaint)
{
    class Broken : public Velmo::Util::BinaryStream
    {
    public:
        void Read(Velmo::U32, void*) override { throw Velmo::Util::XFileRead("broken.bin"); }
        void Write(Velmo::U32, const void*) override {}
        U64 Tell() const override { return 0; }
        void Seek(U64) override {}
        U64 Size() const override { return 1000; }
        bool AtEnd() const override { return false; }
        std::string GetName() const override { return "broken.bin"; }
    };
    Messages messages;
    auto previous = CDocumentSource::SetUnknownMaker(
        [](const std::string&) { return CDocumentSource::Stream(new Broken); });
    VelmoTest::TempFolder folder;
    CVantrelDoc* document = Open(folder.Write("broken.bin", ""));
    CDocumentSource::SetUnknownMaker(previous);
    ASSERT_NE(document, nullptr);
    CBinCanvas* canvas = CanvasOf(document);
    for (int i = 1; i <= 3; ++i)
    {
        canvas->Refresh();
        EXPECT_TRUE(PumpUntil([canvas, i] { return canvas->GetFailedPaintCount() >= i; }));
    }
    EXPECT_EQ(messages.Texts, (std::vector<std::string>{"Couldn't read from broken.bin\n"}));
    CloseAll();
}

TEST(Hex, WheelScrollBarsAndColumns)
{
    VelmoTest::TempFolder folder;
    const std::string path = folder.Write("many.bin", Pattern(16 * 1000));
    CVantrelDoc* document = Open(path);
    ASSERT_NE(document, nullptr);
    CBinCanvas* canvas = CanvasOf(document);
    ASSERT_NE(canvas, nullptr);
    const CHexScrollModel& model = canvas->GetModel();

    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = -2 * 120;
    wheel.m_wheelDelta = 120;
    wheel.m_linesPerAction = 3;
    canvas->GetEventHandler()->ProcessEvent(wheel);
    EXPECT_EQ(model.GetTop(), 6u);
    wheel.m_wheelRotation = 120;
    canvas->GetEventHandler()->ProcessEvent(wheel);
    EXPECT_EQ(model.GetTop(), 3u);

    const struct
    {
        wxEventType type;
        int position;
        U64 top;
    } steps[] = {
        {wxEVT_SCROLLWIN_THUMBTRACK, 500, 500},
        {wxEVT_SCROLLWIN_LINEDOWN, 0, 501},
        {wxEVT_SCROLLWIN_LINEUP, 0, 500},
        {wxEVT_SCROLLWIN_PAGEDOWN, 0, 500 + model.GetPageLines()},
        {wxEVT_SCROLLWIN_PAGEUP, 0, 500},
        {wxEVT_SCROLLWIN_BOTTOM, 0, model.GetMaxTop()},
        {wxEVT_SCROLLWIN_TOP, 0, 0},
        {wxEVT_SCROLLWIN_THUMBRELEASE, 100000, model.GetMaxTop()},
    };
    for (const auto& step : steps)
    {
        wxScrollWinEvent event(step.type, step.position, wxVERTICAL);
        canvas->GetEventHandler()->ProcessEvent(event);
        EXPECT_EQ(model.GetTop(), step.top) << step.position;
        // While the thumb is dragged the bar stays where the user holds it.
        if (step.type != wxEVT_SCROLLWIN_THUMBTRACK)
        {
            EXPECT_EQ(canvas->GetScrollPos(wxVERTICAL), model.GetBarPosition());
        }
    }
    const std::vector<std::string> last = canvas->GetVisibleLines();
    EXPECT_EQ(last, Expected(path, *canvas, last.size()));

    // Across: a narrow window scrolls the line by characters, never past its end.
    const wxSize size = Frame().GetSize();
    Frame().SetSize(400, size.GetHeight());
    ASSERT_TRUE(PumpUntil([canvas] { return canvas->GetClientSize().GetWidth() < 400; }));
    wxScrollWinEvent right(wxEVT_SCROLLWIN_LINEDOWN, 0, wxHORIZONTAL);
    canvas->GetEventHandler()->ProcessEvent(right);
    EXPECT_EQ(canvas->GetColumn(), 1);
    canvas->ScrollColumns(1000);
    const int columns = canvas->GetClientSize().GetWidth() / canvas->GetColumnWidth();
    EXPECT_GT(75, columns);
    EXPECT_EQ(canvas->GetColumn(), 75 - columns);
    Frame().SetSize(size);
    EXPECT_TRUE(PumpUntil([canvas] { return canvas->GetColumn() == 0; }));
    CloseAll();
}
