#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "Support/TempFolder.h"
#include "Util/Exception.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/DocumentSource.h"

namespace
{
struct Messages
{
    Messages()
    {
        CCatchPattern::SetSink([this](const std::string& text) { Texts.push_back(text); });
    }
    ~Messages() { CCatchPattern::SetSink(nullptr); }
    std::vector<std::string> Texts;
};
} // namespace

TEST(CatchPattern, EveryExceptionFailsWithItsText)
{
    Messages messages;
    EXPECT_TRUE(CCatchPattern::Run([] {}));
    EXPECT_FALSE(CCatchPattern::Run([] { throw Velmo::Util::XUsage("usage text"); }));
    EXPECT_FALSE(CCatchPattern::Run([] { throw Velmo::Util::XFileFormat("f.3do", "GPL 3do file id not 3DO4"); }));
    EXPECT_FALSE(CCatchPattern::Run([] { throw std::runtime_error("standard text"); }));
    EXPECT_FALSE(CCatchPattern::Run([] { throw std::bad_alloc(); }));
    EXPECT_FALSE(CCatchPattern::Run([] { throw 42; }));
    const std::vector<std::string> expected = {
        "usage text", "A possible error was found in file f.3do\nGPL 3do file id not 3DO4\n", "standard text",
        std::bad_alloc().what(), "Caught an unknown exception."};
    EXPECT_EQ(messages.Texts, expected);
}

TEST(CatchPattern, PlainFileSourceResolvesCaseAndReportsMissingFiles)
{
    VelmoTest::TempFolder folder;
    folder.Write("Data/Track.BIN", "0123456789");
    CDocumentSource::Stream stream = CDocumentSource::MakeUnknown(folder.Path("data/track.bin"));
    ASSERT_NE(stream.Get(), nullptr);
    EXPECT_EQ(stream->Size(), 10u);

    std::string text;
    try
    {
        CDocumentSource::MakeUnknown(folder.Path("data/missing.bin"));
    }
    catch (const Velmo::Util::XFileOpen& error)
    {
        text = error.GetText();
    }
    EXPECT_EQ(text.rfind("Couldn't open " + folder.Path("Data/missing.bin") + "\n", 0), 0u) << text;
}
