#include <gtest/gtest.h>

#include <set>

#include <wx/fileconf.h>
#include <wx/sstream.h>

#include "Support/TempFolder.h"

#include "Vantrel/App/TemplateTable.h"
#include "Vantrel/App/VantrelApp.h"

TEST(TemplateMatch, PathsPickTheirTemplates)
{
    const struct
    {
        const char* path;
        int id;
    } cases[] = {
        {"/g/X.PTF", 130}, {"/g/a.b.3do", 130}, {"/g/x.xyz", 132}, {"/g/noext", 132}, {"/g/m.track", 138},
        {"/g/m.trk", 133}, {"/g/M.TRACK", 138}, {"/g/c.Dat", 129}, {"/g/r.rpy", 140}, {"/g/r.RPL", 140},
        {"/g/p.pbf", 134}, {"/g/p.stp", 134}, {"/g/m.mip", 135}, {"/g/m.m16", 135}, {"/g/s.srb", 136},
        {"/g/s.pmp", 136}, {"/g/c.cam", 137}, {"/g/l.lyt", 141},
        // Only the text from the last '.' of the whole path counts.
        {"/a.3do/noext", 132}, {"/g/x.", 132}, {"/g/.3do", 130}, {"/g/x.3do.bak", 132}, {"/g/x.3d", 132},
        {"/g/x.3doo", 132}, {"/g/x.tr", 132},
        // The whole extension string matches as well.
        {"/g/x.3do;.ptf", 130}, {"/g/x.mip;.m16", 135},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CTemplateTable::MatchPath(c.path), c.id) << c.path;
}

TEST(TemplateMatch, TableHoldsElevenTemplatesInOrder)
{
    const int order[] = {132, 129, 130, 133, 138, 140, 134, 135, 136, 137, 141};
    const auto& entries = CTemplateTable::Entries();
    ASSERT_EQ(entries.size(), 11u);
    for (std::size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(entries[i].Id, order[i]);
    const CTemplateTable::Entry& three = *CTemplateTable::Find(130);
    EXPECT_EQ(CTemplateTable::GetField(three, CTemplateTable::FilterName), "3D Object Files (*.3do,*.ptf)");
    EXPECT_EQ(CTemplateTable::GetField(three, CTemplateTable::FilterExtensions), ".3do;.ptf");
    EXPECT_EQ(CTemplateTable::GetField(three, CTemplateTable::TypeName), "Papyrus 3D Object File");
    EXPECT_EQ(CTemplateTable::GetField(*CTemplateTable::Find(132), CTemplateTable::FilterName), "");
    EXPECT_EQ(CTemplateTable::GetField(*CTemplateTable::Find(138), CTemplateTable::FilterExtensions), ".track");
    EXPECT_EQ(CTemplateTable::Find(999), nullptr);
}

TEST(TemplateMatch, EmptyExtensionStringMatchesNothing)
{
    EXPECT_FALSE(CTemplateTable::MatchesExtension("/g/x.xyz", ""));
    EXPECT_FALSE(CTemplateTable::MatchesExtension("/g/x", ".3do"));
    EXPECT_TRUE(CTemplateTable::MatchesExtension("/g/x.PtF", ".3do;.ptf"));
}

TEST(TemplateMatch, OnlyFoldersOfOneTo259BytesAreStored)
{
    EXPECT_FALSE(CVantrelApp::IsStorableFolder(""));
    EXPECT_TRUE(CVantrelApp::IsStorableFolder("/"));
    EXPECT_TRUE(CVantrelApp::IsStorableFolder("/" + std::string(258, 'a')));
    EXPECT_FALSE(CVantrelApp::IsStorableFolder("/" + std::string(259, 'a')));
}

TEST(TemplateMatch, StoredFolderIsReadOnlyWhenItExistsAndKeptWhenTooLong)
{
    VelmoTest::TempFolder folder;
    wxStringInputStream nothing("");
    wxFileConfig config(nothing);
    // Missing, empty and vanished folders leave File Open where it would start anyway.
    EXPECT_EQ(CVantrelApp::ReadStoredFolder(config), "");
    config.Write("Settings/CurrentDirectory", "");
    EXPECT_EQ(CVantrelApp::ReadStoredFolder(config), "");
    config.Write("Settings/CurrentDirectory", wxString::FromUTF8(folder.Path("gone")));
    EXPECT_EQ(CVantrelApp::ReadStoredFolder(config), "");

    const wxString kept = wxString::FromUTF8(folder.Path());
    CVantrelApp::WriteStoredFolder(config, kept);
    EXPECT_EQ(CVantrelApp::ReadStoredFolder(config), kept);
    // A folder of 260 bytes or more, or none, is not stored: the previous one stays.
    CVantrelApp::WriteStoredFolder(config, "/" + wxString(259, 'a'));
    CVantrelApp::WriteStoredFolder(config, "");
    EXPECT_EQ(config.Read("Settings/CurrentDirectory"), kept);
}
