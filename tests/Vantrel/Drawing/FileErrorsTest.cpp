#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Util/CountedPointer.h"
#include "Util/Exception.h"
#include "Util/OpenGL/XOpenGL.h"
#include "Vantrel/Drawing/FileErrors.h"

namespace
{
struct Made
{
    std::string Name;
};

// A facet that makes a file, fails to read it, or meets an OpenGL error, as told; it counts
// how often it is asked.
struct FakeFacet
{
    enum class Outcome { Made, FileError, OpenGLError } Result = Outcome::Made;
    int Asked = 0;

    void Make(Velmo::Util::CountedPointer<Made>& file, const std::string& name, const std::string&, bool)
    {
        ++Asked;
        if (Result == Outcome::FileError)
            throw Velmo::Util::XFileRead(name);
        if (Result == Outcome::OpenGLError)
            throw Velmo::OpenGL::XOpenGL(0x0505);
        file = Velmo::Util::CountedPointer<Made>(new Made{name});
    }
};
} // namespace

TEST(FileErrors, MakeOnceMakesTellsAFileErrorOnceAndLetsAnOpenGLErrorThrough)
{
    using Outcome = FakeFacet::Outcome;
    const std::string readText = Velmo::Util::XFileRead("a.3do").GetText();
    struct Case
    {
        const char* what;
        Outcome outcome;
        bool failedBefore;
        bool made;
        int asked;
        std::size_t messages;
        bool remembered;
    };
    const Case cases[] = {
        {"made", Outcome::Made, false, true, 1, 0, false},
        {"failed before: not asked again", Outcome::Made, true, false, 0, 0, true},
        {"file error: told, remembered", Outcome::FileError, false, false, 1, 1, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        FakeFacet facet;
        facet.Result = c.outcome;
        std::set<std::string> failed;
        if (c.failedBefore)
            failed.insert("a.3do");
        DrawingReport report;
        Velmo::Util::CountedPointer<Made> file;
        EXPECT_EQ(MakeOnce(facet, file, "a.3do", failed, report), c.made);
        EXPECT_EQ(bool(file), c.made);
        EXPECT_EQ(facet.Asked, c.asked);
        ASSERT_EQ(report.GetMessages().size(), c.messages);
        if (c.messages != 0)
        {
            EXPECT_EQ(report.GetMessages()[0], readText);
        }
        EXPECT_EQ(failed.contains("a.3do"), c.remembered);
        // Asked again: a remembered failure does not reach the facet.
        EXPECT_EQ(MakeOnce(facet, file, "a.3do", failed, report), c.made);
        EXPECT_EQ(facet.Asked, c.asked + (c.remembered ? 0 : 1));
    }

    // An OpenGL error is the frame's, not the file's: it goes on and the name is not remembered.
    FakeFacet facet;
    facet.Result = Outcome::OpenGLError;
    std::set<std::string> failed;
    DrawingReport report;
    Velmo::Util::CountedPointer<Made> file;
    EXPECT_THROW(MakeOnce(facet, file, "a.3do", failed, report), Velmo::OpenGL::XOpenGL);
    EXPECT_TRUE(failed.empty());
    EXPECT_TRUE(report.HasNoProblems());
}

TEST(FileErrors, ReportFileErrorsAnswersWhatTheAttemptAnswers)
{
    DrawingReport report;
    EXPECT_TRUE(ReportFileErrors(report, [] { return true; }));
    EXPECT_FALSE(ReportFileErrors(report, [] { return false; }));
    EXPECT_TRUE(report.HasNoProblems());
    EXPECT_FALSE(ReportFileErrors(report, []() -> bool { throw Velmo::Util::XFileRead("b.mip"); }));
    EXPECT_EQ(report.GetMessages(), std::vector<std::string>{Velmo::Util::XFileRead("b.mip").GetText()});
}
