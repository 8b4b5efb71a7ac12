// The recent-file list over documents of every kind opened from the generators' samples: only a
// hexadecimal dump and a DAT archive enter it; 3D objects, layouts, cameras, bitmaps, tracks and
// replays open in their windows and leave it as it was.
#include <gtest/gtest.h>

#include <wx/filehistory.h>
#include <wx/filename.h>

#include "FileViewsGui.h"
#include "GuiKit.h"
#include "TdoSupport.h"
#include "TrkDocSamples.h"
#include "Vantrel/App/VantrelDocManager.h"

using namespace GuiTest;

TEST(RecentFiles, OnlyDumpsAndArchivesEnterTheList)
{
    FailOnMessages();
    VelmoTest::TempFolder folder;
    for (const char* game : {"gpl/Monza", "n4/tracks/Oval"})
        FileViewsGui::Copy(folder, "dat", std::string("folders/") + game, game);
    const std::string objects = TdoTest::WriteGplSamples(folder);
    const struct
    {
        std::string path;
        int templateId;
        bool enters;
    } cases[] = {
        {objects + "/basic.3do", 130, false},
        {FileViewsGui::Copy(folder, "lyt", "screen.lyt", "gpl/Screens/screen.lyt"), 141, false},
        {FileViewsGui::Copy(folder, "cam", "gpl2bare.cam", "gpl/Monza/gpl2bare.cam"), 137, false},
        {FileViewsGui::Copy(folder, "bitmap", "f7.mip", "gpl/Monza/f7.mip"), 135, false},
        {FileViewsGui::Copy(folder, "bitmap", "f3.m16", "gpl/Monza/f3.m16"), 135, false},
        {FileViewsGui::Copy(folder, "bitmap", "f7.pbf", "gpl/Monza/f7.pbf"), 134, false},
        {FileViewsGui::Copy(folder, "bitmap", "f0.srb", "gpl/Monza/f0.srb"), 136, false},
        {FileViewsGui::Copy(folder, "bitmap", "f7.stp", "n4/tracks/Oval/f7.stp"), 134, false},
        {TrkDocTest::Game("gpl/Tracks/Plan/PLAN.TRK"), 133, false},
        {TrkDocTest::Game("gpl/Replays/race.rpy"), 140, false},
        {folder.Write("gpl/Monza/notes.xyz", "a dump"), 132, true},
        {FileViewsGui::Copy(folder, "dat", "gpl", "gpl") + "/tracks/spa/spa.dat", 129, true},
    };
    wxFileHistory& history = *Manager().GetFileHistory();
    while (history.GetCount() > 0)
        history.RemoveFileFromHistory(0);
    std::vector<std::string> expected;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.path);
        CVantrelDoc* document = Open(c.path);
        ASSERT_NE(document, nullptr);
        EXPECT_EQ(TemplateIdOf(document), c.templateId);
        if (c.enters)
            expected.insert(expected.begin(), wxFileName(wxString::FromUTF8(c.path)).GetFullName().utf8_string());
        std::vector<std::string> listed;
        for (std::size_t i = 0; i < history.GetCount(); ++i)
            listed.push_back(wxFileName(history.GetHistoryFile(i)).GetFullName().utf8_string());
        EXPECT_EQ(listed, expected);
        CloseAll();
    }
    EXPECT_EQ(expected.size(), 2u);
}
