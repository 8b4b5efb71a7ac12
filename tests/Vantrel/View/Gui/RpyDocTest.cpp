// The replay document in its window: GPL, N4 and N3 replays of the independent generators
// (trkdocs.py) with their tracks in the game folder's "tracks" folder beside the replays'; the
// tree and list panes against the generators' values, the red path of a lap over the plan, the
// window shots under artifacts/, and replays whose track cannot be opened.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include <wx/splitter.h>
#include <wx/utils.h>

#include "GuiKit.h"
#include "Support/TempFolder.h"
#include "TrkDocSamples.h"
#include "Papy/Container/PapyDirectory.h"
#include "Util/Exception.h"
#include "Vantrel/App/FixedMultiDocTemplate.h"
#include "Vantrel/App/VantrelDocManager.h"
#include "Vantrel/Doc/RpyDoc.h"
#include "Vantrel/Drawing/ReplayPath.h"
#include "Vantrel/Rows/RpyHint.h"
#include "Vantrel/View/Rpy3DView.h"
#include "Vantrel/View/RpyListView.h"
#include "Vantrel/View/RpySplitterFrame.h"
#include "Vantrel/View/RpyTreeView.h"
#include "Vantrel/View/TrkUpdateHint.h"

using namespace GuiTest;
using namespace TrkDocTest;

namespace
{
CRpyDoc* OpenReplay(const std::string& relative)
{
    return dynamic_cast<CRpyDoc*>(Open(Game(relative)));
}

wxImage Plan(wxDocument* document, const std::string& name = "")
{
    CTrk3DView* view = ViewOf<CTrk3DView>(document);
    // The pane has its context once it has been painted on the screen.
    if (view == nullptr || !PumpUntil([view] { return view->GetContext() != nullptr; }))
        return wxImage();
    return GLShot(view->GetCanvas(), view->GetContext(), name, [view] { view->Render(); });
}

// The replay's window: panes, rows, the path of a lap over the plan and the shot.
void ExpectReplay(const std::string& relative, const std::string& expected, const std::string& shot)
{
    CRpyDoc* document = OpenReplay(relative);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(TemplateIdOf(document), 140);
    ASSERT_TRUE(document->GetReplay());
    ASSERT_TRUE(document->GetTrack()) << "the track of " << relative;
    auto* frame = dynamic_cast<CRpySplitterFrame*>(ViewOf<CRpyTreeView>(document)->GetChildFrame());
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(PumpUntil([frame] { return frame->HasWidths(); }));
    EXPECT_EQ(frame->GetSplitters()[0]->GetSashPosition(), 200);
    EXPECT_EQ(frame->GetSplitters()[1]->GetSashPosition(), 200);

    ExpectPanes(document, expected);

    // The plan alone; a lap adds its car's red path (the generated tracks have no red); a driver
    // hides it again.
    ASSERT_TRUE(Select(document, RpyHint::Whole));
    const wxImage plain = Plan(document);
    EXPECT_EQ(Count(plain, Red), 0);
    const int lap = FirstLapWithFrames(*document->GetReplay(), 0);
    ASSERT_NE(lap, 0);
    ASSERT_TRUE(Select(document, lap));
    CRpy3DView* view = ViewOf<CRpy3DView>(document);
    EXPECT_TRUE(view->IsPathShown());
    const wxImage path = Plan(document, shot + "-path");
    EXPECT_GT(view->GetPathPoints(), 1);
    EXPECT_GT(Count(path, Red), 20);
    // The camera stays on the whole track.
    EXPECT_EQ(view->GetScene().GetSelectedSegment(), -1);
    EXPECT_GT(Count(Shot(frame, shot), Red), 20);
    ASSERT_TRUE(Select(document, RpyHint::Driver(0)));
    EXPECT_FALSE(view->IsPathShown());
    EXPECT_EQ(Count(Plan(document), Red), 0);
    CloseAll();
}
} // namespace

TEST(RpyDoc, GplReplayOverItsTrack)
{
    FailOnMessages();
    ExpectReplay("gpl/Replays/race.rpy", "gpl-race", "rpy");
}

TEST(RpyDoc, N4ReplayOverThePtfTrackOfItsDat)
{
    FailOnMessages();
    ExpectReplay("n4/replays/race.rpy", "n4-race", "rpy-n4");
}

TEST(RpyDoc, N3ReplayOverItsIcr2Track)
{
    FailOnMessages();
    ExpectReplay("n3/replays/race.rpl", "n3-race", "rpl");
}

TEST(RpyDoc, CodesOfNoLapShowNoPath)
{
    FailOnMessages();
    CRpyDoc* document = OpenReplay("gpl/Replays/race.rpy");
    ASSERT_NE(document, nullptr);
    CRpy3DView* view = ViewOf<CRpy3DView>(document);
    const int lap = FirstLapWithFrames(*document->GetReplay(), 0);
    // A lap's code with a nonzero low byte, the whole replay, a driver.
    for (int code : {lap | 1, RpyHint::Whole, RpyHint::Driver(0)})
    {
        CTrkUpdateHint hint(code);
        document->UpdateAllViews(nullptr, &hint);
        EXPECT_FALSE(view->IsPathShown()) << code;
        EXPECT_EQ(Count(Plan(document), Red), 0) << code;
    }
    // A lap code of no driver, or of a lap the replay lacks: the path is asked for and nothing
    // is drawn.
    for (int code : {0x00010100, RpyHint::Lap(0, 0, 200), RpyHint::Lap(200, 0, 0)})
    {
        CTrkUpdateHint hint(code);
        document->UpdateAllViews(nullptr, &hint);
        EXPECT_TRUE(view->IsPathShown()) << code;
        EXPECT_EQ(Count(Plan(document), Red), 0) << code;
        EXPECT_EQ(view->GetPathPoints(), 0) << code;
    }
    CloseAll();
}

// A track that cannot be opened shows its message once; the replay opens without it, its panes
// showing the replay alone over an empty plan.
TEST(RpyDoc, ReplayWithoutItsTrackStillOpens)
{
    const struct
    {
        const char* replay;
        const char* message;
    } cases[] = {
        // The tracks folder is there, the track's folder not.
        {"gpl/Replays/lost.rpy", "gpl/Tracks/Nowhere/Nowhere.trk\nFile not found\n"},
        // No tracks folder at all.
        {"lone/replays/race.rpy", "lone/tracks/Plan.trk\nFile not found\n"},
        // A name that would lead out of the tracks folder names no track.
        {"gpl/Replays/escape.rpy", "gpl/tracks/../Tracks/Plan\nFile not found\n"},
    };
    for (const auto& c : cases)
    {
        Messages messages;
        CRpyDoc* document = OpenReplay(c.replay);
        ASSERT_NE(document, nullptr) << c.replay;
        EXPECT_EQ(messages.Texts, std::vector<std::string>{"Couldn't open " + Game(c.message)});
        EXPECT_TRUE(document->GetReplay());
        EXPECT_FALSE(document->GetTrack());
        if (std::string(c.replay) == "gpl/Replays/lost.rpy")
        {
            ExpectPanes(document, "gpl-lost");
            ASSERT_TRUE(Select(document, FirstLapWithFrames(*document->GetReplay(), 0)));
            const wxImage plan = Plan(document, "rpy-without-track");
            EXPECT_EQ(Count(plan, White), plan.GetWidth() * plan.GetHeight());
        }
        EXPECT_EQ(messages.Texts.size(), 1u) << "no message after the open";
        CloseAll();
    }
}

namespace
{
// What opening a file gives in a child process whose root folder is a folder of the test's own:
// the messages shown, then whether a document came of it and how many documents there are; or
// what went wrong with the child. The child is a fork of this program
// (its only thread), so it may enter a user namespace of its own, where it may change its root
// without the privilege. It must not touch the display: it pumps no events, and its copies of
// this program's open descriptors (the display's connection among them) lead nowhere, so that
// a request it made would end it rather than confuse this program's connection.
std::vector<std::string> OpenUnderRoot(const std::string& root, const std::string& path)
{
    int report[2];
    if (pipe(report) != 0)
        return {"no pipe"};
    // Held across the fork, so that the child's busy cursor is a nested one and asks nothing of
    // the display.
    wxBusyCursor busy;
    const pid_t child = fork();
    if (child == 0)
    {
        const int nowhere = open("/dev/null", O_RDWR);
        for (int fd = 3; fd < 1024; ++fd)
            if (fd != report[1] && fd != nowhere && fcntl(fd, F_GETFD) != -1)
                dup2(nowhere, fd);
        if (chroot(root.c_str()) != 0 && (unshare(CLONE_NEWUSER) != 0 || chroot(root.c_str()) != 0))
            _exit(3);
        if (chdir("/") != 0)
            _exit(3);
        std::string out;
        {
            Messages messages;
            wxDocument* document = Manager().CreateDocument(wxString::FromUTF8(path), wxDOC_SILENT);
            for (const std::string& text : messages.Texts)
                out += text + '\x1f';
            out += document != nullptr ? "document\x1f" : "none\x1f";
            out += std::to_string(DocumentCount()) + '\x1f';
        }
        const bool written = write(report[1], out.data(), out.size()) == ssize_t(out.size());
        _exit(written ? 0 : 4);
    }
    close(report[1]);
    std::string in;
    char buffer[4096];
    for (ssize_t got; (got = read(report[0], buffer, sizeof buffer)) > 0;)
        in.append(buffer, std::size_t(got));
    close(report[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return {"no child"};
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3)
        return {"no process of this machine may change its root folder"};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {"the child ended with status " + std::to_string(status)};
    std::vector<std::string> parts;
    for (std::size_t begin = 0, end; (end = in.find('\x1f', begin)) != std::string::npos; begin = end + 1)
        parts.push_back(in.substr(begin, end - begin));
    return parts;
}
} // namespace

// A replay in the root folder: its track folder would be the root's parent. The assertion
// "!Root" is shown and no window opens.
TEST(RpyDoc, ReplayInTheRootFolderOpensNothing)
{
    VelmoTest::TempFolder root;
    std::filesystem::copy_file(Game("gpl/Replays/race.rpy"), root.Path("race.rpy"));
    const std::vector<std::string> seen = OpenUnderRoot(root.Path(), "/race.rpy");
    EXPECT_EQ(seen, (std::vector<std::string>{"Assertion failure at .\\PapyDirectory.cpp: 153\n!Root\n", "none", "0"}));
    EXPECT_EQ(DocumentCount(), 0);
}

TEST(RpyDoc, TrackPathOfAName)
{
    EXPECT_EQ(CRpyDoc::GetTrackPath("/g/tracks/", "Monza"), "/g/tracks/Monza");
    for (const char* name : {"", ".", "..", "../x", "a/b", "a\\b"})
    {
        try
        {
            CRpyDoc::GetTrackPath("/g/tracks/", name);
            ADD_FAILURE() << name;
        }
        catch (const Velmo::Util::XFileOpen& e)
        {
            EXPECT_EQ(e.GetText(), "Couldn't open /g/tracks/" + std::string(name) + "\nFile not found\n");
        }
    }
    EXPECT_THROW(CRpyDoc::GetTracksFolder(Velmo::Papy::PapyDirectory("/")), Velmo::Util::XAssertion);
}

TEST(RpyDoc, RefusesToSaveAndNeverAsks)
{
    FailOnMessages();
    CRpyDoc* document = OpenReplay("gpl/Replays/race.rpy");
    ASSERT_NE(document, nullptr);
    document->Modify(true);
    EXPECT_FALSE(document->IsModified());
    EXPECT_FALSE(document->Save());
    EXPECT_TRUE(document->Close());
    CloseAll();
}

// File New makes empty track and replay documents: "root" alone, an empty list and a white plan,
// whatever is selected.
TEST(RpyDoc, NewDocumentsAreEmpty)
{
    FailOnMessages();
    for (int id : {133, 140})
    {
        wxDocument* document = Manager().FindTemplateById(id)->CreateDocument(wxString(), wxDOC_NEW);
        ASSERT_NE(document, nullptr) << id;
        EXPECT_TRUE(document->OnNewDocument());
        Pump();
        auto* track = dynamic_cast<CTrkDoc*>(document);
        ASSERT_NE(track, nullptr);
        EXPECT_FALSE(track->GetTrack());
        auto* tree = ViewOf<CHintTreeView>(document);
        ASSERT_NE(tree, nullptr);
        EXPECT_EQ(tree->GetTree()->GetCount(), 1u);
        for (int code : {-1, 0x00010000, RpyHint::Lap(0, 0, 0)})
        {
            CTrkUpdateHint hint(code);
            document->UpdateAllViews(nullptr, &hint);
            EXPECT_TRUE(ViewOf<CHintListView>(document)->GetRows().empty());
            const wxImage plan = Plan(document);
            EXPECT_EQ(Count(plan, White), plan.GetWidth() * plan.GetHeight()) << id << " " << code;
        }
        CloseAll();
    }
}
