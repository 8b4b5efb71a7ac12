#include "Vantrel/Frame/MenuTables.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "Vantrel/Frame/CommandIds.h"

namespace
{
typedef CMenuTables::Item Item;
typedef CMenuTables::Menu Menu;

const Item Separator = {"-", 0};
const Item Open = {"&Open...\tCtrl+O", ID_FILE_OPEN};
const Item Close = {"&Close", ID_FILE_CLOSE};
const Item Strict = {"Strict", ID_STRICT};
const Item Recent = {"Recent File", ID_FILE_MRU};
const Item Exit = {"E&xit", ID_APP_EXIT};

const Menu View = {"&View", {{"&Status Bar", ID_VIEW_STATUS_BAR}}};
const Menu Window = {"&Window", {{"&Cascade", ID_WINDOW_CASCADE}, {"&Tile", ID_WINDOW_TILE}}};
const Menu Help = {"&Help", {{"&About Vantrel...", ID_APP_ABOUT}}};

const Menu File = {"&File", {Open, Close, Separator, Strict, Separator, Recent, Separator, Exit}};

std::vector<Menu> Document(const Menu& file)
{
    return {file, View, Window, Help};
}

const Menu Draw = {"&Draw",
                   {{"&None", ID_DRAW_NONE}, {"&All", ID_DRAW_ALL}, {"&Shaded", ID_DRAW_SHADED},
                    {"&Wireframe", ID_DRAW_WIREFRAME}, Separator, {"Billboards", ID_DRAW_BILLBOARDS},
                    {"Cars", ID_DRAW_CARS}, {"Clouds", ID_DRAW_CLOUDS}, {"Cockpit", ID_DRAW_COCKPIT},
                    {"Crowds", ID_DRAW_CROWDS}, {"Drivers", ID_DRAW_DRIVERS}, {"Fences", ID_DRAW_FENCES},
                    {"Grandstands", ID_DRAW_GRANDSTANDS}, {"Grass", ID_DRAW_GRASS}, {"Groove", ID_DRAW_GROOVE},
                    {"Horizon", ID_DRAW_HORIZON}, {"Infield", ID_DRAW_INFIELD}, {"Objects", ID_DRAW_OBJECTS},
                    {"People", ID_DRAW_PEOPLE}, {"Track", ID_DRAW_TRACK}, {"Track Markings", ID_DRAW_TRACK_MARKINGS},
                    {"Trees", ID_DRAW_TREES}, {"Vehicles", ID_DRAW_VEHICLES}, {"Walls", ID_DRAW_WALLS}, Separator,
                    {"Bounding Boxes", ID_DRAW_BOUNDING_BOXES}}};

const Menu Texture = {"&Texture",
                      {{"&None", ID_TEXTURE_NONE}, {"&All", ID_TEXTURE_ALL}, {"&Shaded", ID_TEXTURE_SHADED}, Separator,
                       {"Billboards", ID_TEXTURE_BILLBOARDS}, {"Cars", ID_TEXTURE_CARS}, {"Clouds", ID_TEXTURE_CLOUDS},
                       {"Cockpit", ID_TEXTURE_COCKPIT}, {"Crowds", ID_TEXTURE_CROWDS}, {"Driver", ID_TEXTURE_DRIVERS},
                       {"Fences", ID_TEXTURE_FENCES}, {"Grandstands", ID_TEXTURE_GRANDSTANDS},
                       {"Grass", ID_TEXTURE_GRASS}, {"Groove", ID_TEXTURE_GROOVE}, {"Horizon", ID_TEXTURE_HORIZON},
                       {"Infield", ID_TEXTURE_INFIELD}, {"Objects", ID_TEXTURE_OBJECTS}, {"People", ID_TEXTURE_PEOPLE},
                       {"Track", ID_TEXTURE_TRACK}, {"Track Markings", ID_TEXTURE_TRACK_MARKINGS},
                       {"Trees", ID_TEXTURE_TREES}, {"Vehicles", ID_TEXTURE_VEHICLES}, {"Walls", ID_TEXTURE_WALLS}}};

const Menu View3D = {"&View",
                     {{"&Status Bar", ID_VIEW_STATUS_BAR}, Separator, {"&3D", ID_VIEW_3D},
                      {"&Track 3D", ID_VIEW_TRACK_3D}, {"Highlight", ID_VIEW_HIGHLIGHT}, {"Center", ID_VIEW_CENTER},
                      {"Z Buffer", ID_VIEW_Z_BUFFER}, {"&Refresh\tF5", ID_REFRESH}, Separator,
                      {"Default &Axis", ID_AXIS_DEFAULT}, {"Positive &Z", ID_AXIS_POSITIVE_Z},
                      {"Positive &Y", ID_AXIS_POSITIVE_Y}, {"Positive &X", ID_AXIS_POSITIVE_X},
                      {"Negative Z", ID_AXIS_NEGATIVE_Z}, {"Negative Y", ID_AXIS_NEGATIVE_Y},
                      {"Negative X", ID_AXIS_NEGATIVE_X}, Separator, {"Bounds", ID_BOUNDS},
                      {"Viewpoint", ID_VIEWPOINT}, Separator, {"Find\tF3", ID_FIND}}};

// The 3D-object tree's context menu, a popup per node kind (Root, Handle, Object List,
// Transformation).
const std::vector<Menu> TreePopups = {
    {"Root", {{"Insert Handle", ID_INSERT_HANDLE}}},
    {"Handle", {{"Insert Object List", ID_INSERT_OBJECT_LIST}}},
    {"Object List", {{"Insert Number List", ID_INSERT_NUMBER_LIST}, {"Insert Object List", ID_INSERT_OBJECT_LIST},
                     {"Insert Transformation", ID_INSERT_TRANSFORMATION}}},
    {"Transformation", {{"Insert External Object", ID_INSERT_EXTERNAL_OBJECT}}},
};

const std::map<int, std::vector<Menu>>& Menus()
{
    static const std::map<int, std::vector<Menu>> menus = {
        {128, {{"&File", {Open, Separator, Strict, Separator, Recent, Separator, Exit}}, View, Help}},
        {132, Document(File)},
        {133, Document(File)},
        {134, Document(File)},
        {135, Document(File)},
        {136, Document(File)},
        {140, Document(File)},
        {137, Document({"&File", {Open, Close, Separator, Strict, Separator, Recent, Separator}})},
        {129, Document({"&File", {Open, {"Open &Track", ID_OPEN_TRACK}, Close, Separator, Strict, Separator,
                                  Recent, Separator, Exit}})},
        {141, {File,
               {"&Edit", {{"&Copy\tCtrl+C", ID_EDIT_COPY}, {"&Paste\tCtrl+V", ID_EDIT_PASTE},
                          {"&Delete", ID_EDIT_DELETE}}},
               View, Window, Help}},
        {130, {{"&File", {Open, Close, Separator, {"Check\tF4", ID_CHECK}, Strict, Separator, Recent,
                          Separator, Exit}},
               View3D, Draw, Texture, Window, Help}},
        {146, TreePopups},
    };
    return menus;
}
} // namespace

const std::vector<Menu>& CMenuTables::GetMenus(int id)
{
    static const std::vector<Menu> none;
    auto found = Menus().find(id);
    return found != Menus().end() ? found->second : none;
}

bool CMenuTables::IsCheckItem(int id)
{
    static const std::set<int> checks = {
        ID_STRICT, ID_VIEW_STATUS_BAR, ID_VIEW_3D, ID_VIEW_TRACK_3D, ID_VIEW_HIGHLIGHT, ID_VIEW_CENTER,
        ID_VIEW_Z_BUFFER, ID_AXIS_DEFAULT, ID_AXIS_POSITIVE_Z, ID_AXIS_POSITIVE_Y, ID_AXIS_POSITIVE_X,
        ID_AXIS_NEGATIVE_Z, ID_AXIS_NEGATIVE_Y, ID_AXIS_NEGATIVE_X, ID_DRAW_SHADED, ID_DRAW_WIREFRAME,
        ID_DRAW_BOUNDING_BOXES, ID_TEXTURE_SHADED};
    if (checks.count(id) != 0)
        return true;
    // The display categories of the Draw and Texture menus (after None, All, Shaded, Wireframe).
    for (const Menu& menu : GetMenus(130))
        if (std::string(menu.Title) == "&Draw" || std::string(menu.Title) == "&Texture")
        {
            bool categories = false;
            for (const Item& item : menu.Items)
            {
                if (std::string(item.Label) == "-")
                    categories = true;
                else if (categories && item.Id == id)
                    return true;
            }
        }
    return false;
}

wxMenuBar* CMenuTables::CreateMenuBar(int id, std::vector<wxMenu*>& mruMenus)
{
    const std::vector<Menu>& menus = GetMenus(id);
    if (menus.empty())
        return nullptr;
    auto* bar = new wxMenuBar;
    for (const Menu& menu : menus)
    {
        auto* items = new wxMenu;
        for (const Item& item : menu.Items)
        {
            const wxString label = wxString::FromUTF8(item.Label);
            if (label == "-")
                items->AppendSeparator();
            else if (item.Id == ID_FILE_MRU)
            {
                auto* recent = new wxMenu;
                mruMenus.push_back(recent);
                items->AppendSubMenu(recent, label);
            }
            else if (IsCheckItem(item.Id))
                items->AppendCheckItem(item.Id, label);
            else
                items->Append(item.Id, label);
        }
        bar->Append(items, wxString::FromUTF8(menu.Title));
    }
    return bar;
}

wxMenu* CMenuTables::CreatePopupMenu(int id, std::size_t index)
{
    const std::vector<Menu>& menus = GetMenus(id);
    if (index >= menus.size())
        return nullptr;
    auto* popup = new wxMenu;
    for (const Item& item : menus[index].Items)
    {
        if (std::string(item.Label) == "-")
            popup->AppendSeparator();
        else
            popup->Append(item.Id, wxString::FromUTF8(item.Label));
    }
    return popup;
}

const std::vector<CMenuTables::Accelerator>& CMenuTables::GetAccelerators(int id)
{
    static const std::map<int, std::vector<Accelerator>> tables = {
        {128,
         {{wxACCEL_CTRL, 'N', ID_FILE_NEW},
          {wxACCEL_CTRL, 'O', ID_FILE_OPEN},
          {wxACCEL_CTRL, 'P', ID_FILE_PRINT},
          {wxACCEL_CTRL, 'S', ID_FILE_SAVE}}},
        {130, {{wxACCEL_NORMAL, WXK_F4, ID_CHECK}, {wxACCEL_NORMAL, WXK_F5, ID_REFRESH}, {wxACCEL_NORMAL, WXK_F3, ID_FIND}}},
        {132,
         {{wxACCEL_NORMAL, WXK_END, ID_HEX_END},
          {wxACCEL_NORMAL, WXK_HOME, ID_HEX_HOME},
          {wxACCEL_NORMAL, WXK_PAGEDOWN, ID_HEX_PAGE_DOWN},
          {wxACCEL_NORMAL, WXK_PAGEUP, ID_HEX_PAGE_UP}}},
    };
    static const std::vector<Accelerator> none;
    auto found = tables.find(id);
    return found != tables.end() ? found->second : none;
}

wxAcceleratorTable CMenuTables::CreateAccelerators(int id)
{
    return CreateAccelerators(std::vector<int>{id});
}

wxAcceleratorTable CMenuTables::CreateAccelerators(const std::vector<int>& ids)
{
    std::vector<wxAcceleratorEntry> entries;
    std::vector<int> done;
    for (int id : ids)
    {
        if (std::find(done.begin(), done.end(), id) != done.end())
            continue;
        done.push_back(id);
        for (const Accelerator& key : GetAccelerators(id))
            entries.emplace_back(key.Flags, key.Key, key.Command);
    }
    return wxAcceleratorTable(int(entries.size()), entries.data());
}
