#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/Frame/MenuTables.h"

namespace
{
// A menu bar as one line per menu: "Title: item, item, -, ...". An accelerator's tab reads as a
// blank; the application's own commands carry their numbers (32773 and up) in brackets.
std::string Describe(int id)
{
    std::string text;
    for (const CMenuTables::Menu& menu : CMenuTables::GetMenus(id))
    {
        text += std::string(menu.Title) + ":";
        for (const CMenuTables::Item& item : menu.Items)
        {
            std::string label = item.Label;
            for (char& c : label)
                if (c == '\t')
                    c = ' ';
            text += " " + label;
            if (item.Id >= AppCommand(32768) && item.Id < AppCommand(35000))
                text += " (" + std::to_string(item.Id + 20000) + ")";
            text += ",";
        }
        text.back() = '\n';
    }
    return text;
}

const std::string File = "&File: &Open... Ctrl+O, &Close, -, Strict (32843), -, Recent File, -, E&xit\n";
const std::string WindowHelp = "&Window: &Cascade, &Tile\n&Help: &About Vantrel...\n";
const std::string Tail = "&View: &Status Bar\n" + WindowHelp;
} // namespace

TEST(MenuTables, MenusOfTheMainFrameAndTheDocumentWindows)
{
    EXPECT_EQ(Describe(128), "&File: &Open... Ctrl+O, -, Strict (32843), -, Recent File, -, E&xit\n"
                             "&View: &Status Bar\n&Help: &About Vantrel...\n");
    for (int id : {132, 133, 134, 135, 136, 140})
        EXPECT_EQ(Describe(id), File + Tail) << id;
    // The camera window's File menu ends with the separator that stood before Exit.
    EXPECT_EQ(Describe(137), "&File: &Open... Ctrl+O, &Close, -, Strict (32843), -, Recent File, -\n" + Tail);
    EXPECT_EQ(Describe(129),
              "&File: &Open... Ctrl+O, Open &Track (32835), &Close, -, Strict (32843), -, Recent File, -, E&xit\n" +
                  Tail);
    EXPECT_EQ(Describe(141), File + "&Edit: &Copy Ctrl+C, &Paste Ctrl+V, &Delete\n" + Tail);
    // The track document of template 138 keeps the main frame's menu.
    EXPECT_EQ(Describe(138), "");
}

TEST(MenuTables, MenuOfTheThreeDObjectWindows)
{
    EXPECT_EQ(
        Describe(130),
        "&File: &Open... Ctrl+O, &Close, -, Check F4 (32849), Strict (32843), -, Recent File, -, E&xit\n"
        "&View: &Status Bar, -, &3D (32773), &Track 3D (32834), Highlight (32828), Center (32774), Z Buffer (32831), "
        "&Refresh F5 (32789), -, Default &Axis (32815), Positive &Z (32809), Positive &Y (32810), Positive &X (32811), "
        "Negative Z (32812), Negative Y (32813), Negative X (32814), -, Bounds (32805), Viewpoint (32806), -, "
        "Find F3 (32867)\n"
        "&Draw: &None (32800), &All (32801), &Shaded (32829), &Wireframe (32836), -, Billboards (32776), "
        "Cars (32807), Clouds (32796), Cockpit (32826), Crowds (32790), Drivers (32825), Fences (32808), "
        "Grandstands (32794), Grass (32777), Groove (32799), Horizon (32818), Infield (32816), Objects (32775), "
        "People (32792), Track (32778), Track Markings (32797), Trees (32784), Vehicles (32817), Walls (32786), -, "
        "Bounding Boxes (32847)\n"
        "&Texture: &None (32802), &All (32803), &Shaded (32830), -, Billboards (32785), Cars (32819), "
        "Clouds (32798), Cockpit (32827), Crowds (32791), Driver (32824), Fences (32821), Grandstands (32795), "
        "Grass (32780), Groove (32787), Horizon (32820), Infield (32822), Objects (32781), People (32793), "
        "Track (32779), Track Markings (32804), Trees (32788), Vehicles (32823), Walls (32783)\n" +
            WindowHelp);
}

TEST(MenuTables, PopupsOfTheThreeDObjectTree)
{
    EXPECT_EQ(Describe(146), "Root: Insert Handle (34000)\n"
                             "Handle: Insert Object List (34001)\n"
                             "Object List: Insert Number List (34004), Insert Object List (34001), "
                             "Insert Transformation (34002)\n"
                             "Transformation: Insert External Object (34003)\n");
    EXPECT_EQ(CMenuTables::CreatePopupMenu(146, 4), nullptr);
}

// Every table as (modifiers, key, command); tables other than 128, 130 and 132 are empty.
TEST(MenuTables, AcceleratorTables)
{
    typedef std::vector<std::tuple<int, int, int>> Keys;
    const auto keys = [](int id) {
        Keys list;
        for (const CMenuTables::Accelerator& key : CMenuTables::GetAccelerators(id))
            list.emplace_back(key.Flags, key.Key, key.Command);
        return list;
    };
    const struct
    {
        int id;
        Keys expected;
    } tables[] = {
        {128,
         {{wxACCEL_CTRL, 'N', wxID_NEW}, {wxACCEL_CTRL, 'O', wxID_OPEN}, {wxACCEL_CTRL, 'P', 7607},
          {wxACCEL_CTRL, 'S', wxID_SAVE}}},
        {130,
         {{wxACCEL_NORMAL, WXK_F4, 32849 - 20000}, {wxACCEL_NORMAL, WXK_F5, 32789 - 20000},
          {wxACCEL_NORMAL, WXK_F3, 32867 - 20000}}},
        {132,
         {{wxACCEL_NORMAL, WXK_END, 32837 - 20000}, {wxACCEL_NORMAL, WXK_HOME, 32839 - 20000},
          {wxACCEL_NORMAL, WXK_PAGEDOWN, 32840 - 20000}, {wxACCEL_NORMAL, WXK_PAGEUP, 32841 - 20000}}},
        {129, {}},
        {141, {}},
    };
    for (const auto& table : tables)
        EXPECT_EQ(keys(table.id), table.expected) << table.id;
    // The Save key has no menu item anywhere: Ctrl+S is the only way to save.
    for (int id : {128, 129, 130, 132, 133, 134, 135, 136, 137, 140, 141})
        for (const CMenuTables::Menu& menu : CMenuTables::GetMenus(id))
            for (const CMenuTables::Item& item : menu.Items)
                EXPECT_NE(item.Id, ID_FILE_SAVE) << id;
}

// The switches are check items; commands that act once are plain items.
TEST(MenuTables, CheckItems)
{
    for (int id : {ID_STRICT, ID_VIEW_STATUS_BAR, ID_VIEW_3D, ID_VIEW_Z_BUFFER, ID_AXIS_NEGATIVE_X, ID_DRAW_SHADED,
                   ID_DRAW_WIREFRAME, ID_DRAW_BILLBOARDS, ID_DRAW_WALLS, ID_DRAW_BOUNDING_BOXES, ID_TEXTURE_SHADED,
                   ID_TEXTURE_DRIVERS, ID_TEXTURE_WALLS})
        EXPECT_TRUE(CMenuTables::IsCheckItem(id)) << id + 20000;
    for (int id : {ID_FILE_OPEN, ID_CHECK, ID_REFRESH, ID_BOUNDS, ID_VIEWPOINT, ID_FIND, ID_DRAW_NONE, ID_DRAW_ALL,
                   ID_TEXTURE_NONE, ID_TEXTURE_ALL, ID_OPEN_TRACK, ID_EDIT_DELETE})
        EXPECT_FALSE(CMenuTables::IsCheckItem(id)) << id;
}

TEST(MenuTables, CommandIdsStayInTheToolkitsRange)
{
    // Menu ids must stay below 32767; the hexadecimal dump's keys keep their own numbers.
    EXPECT_EQ(AppCommand(32843), 12843);
    EXPECT_EQ(AppCommand(32767), 32767);
    EXPECT_EQ(ID_HEX_END + 20000, 32837);
    EXPECT_EQ(ID_HEX_HOME + 20000, 32839);
    EXPECT_EQ(ID_HEX_PAGE_DOWN + 20000, 32840);
    EXPECT_EQ(ID_HEX_PAGE_UP + 20000, 32841);
    // The named ids that no menu shows.
    EXPECT_EQ(ID_CLIP_TEST + 20000, 32864);
    EXPECT_EQ(ID_INSERT_FIRST + 20000, 34000);
    EXPECT_EQ(ID_INSERT_LAST + 20000, 34999);
    EXPECT_EQ(ID_EDIT_COPY, wxID_COPY);
    EXPECT_EQ(ID_EDIT_PASTE, wxID_PASTE);
}
