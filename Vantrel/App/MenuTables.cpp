#include "Vantrel/App/MenuTables.h"

#include <map>

#include "Vantrel/App/CommandIds.h"

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
                   {{"&None", AppCommand(32800)}, {"&All", AppCommand(32801)}, {"&Shaded", AppCommand(32829)}, {"&Wireframe", AppCommand(32836)}, Separator,
                    {"Billboards", AppCommand(32776)}, {"Cars", AppCommand(32807)}, {"Clouds", AppCommand(32796)}, {"Cockpit", AppCommand(32826)},
                    {"Crowds", AppCommand(32790)}, {"Drivers", AppCommand(32825)}, {"Fences", AppCommand(32808)}, {"Grandstands", AppCommand(32794)},
                    {"Grass", AppCommand(32777)}, {"Groove", AppCommand(32799)}, {"Horizon", AppCommand(32818)}, {"Infield", AppCommand(32816)},
                    {"Objects", AppCommand(32775)}, {"People", AppCommand(32792)}, {"Track", AppCommand(32778)}, {"Track Markings", AppCommand(32797)},
                    {"Trees", AppCommand(32784)}, {"Vehicles", AppCommand(32817)}, {"Walls", AppCommand(32786)}, Separator,
                    {"Bounding Boxes", AppCommand(32847)}}};

const Menu Texture = {"&Texture",
                      {{"&None", AppCommand(32802)}, {"&All", AppCommand(32803)}, {"&Shaded", AppCommand(32830)}, Separator,
                       {"Billboards", AppCommand(32785)}, {"Cars", AppCommand(32819)}, {"Clouds", AppCommand(32798)}, {"Cockpit", AppCommand(32827)},
                       {"Crowds", AppCommand(32791)}, {"Driver", AppCommand(32824)}, {"Fences", AppCommand(32821)}, {"Grandstands", AppCommand(32795)},
                       {"Grass", AppCommand(32780)}, {"Groove", AppCommand(32787)}, {"Horizon", AppCommand(32820)}, {"Infield", AppCommand(32822)},
                       {"Objects", AppCommand(32781)}, {"People", AppCommand(32793)}, {"Track", AppCommand(32779)}, {"Track Markings", AppCommand(32804)},
                       {"Trees", AppCommand(32788)}, {"Vehicles", AppCommand(32823)}, {"Walls", AppCommand(32783)}}};

const Menu View3D = {"&View",
                     {{"&Status Bar", ID_VIEW_STATUS_BAR}, Separator, {"&3D", AppCommand(32773)}, {"&Track 3D", AppCommand(32834)},
                      {"Highlight", AppCommand(32828)}, {"Center", AppCommand(32774)}, {"Z Buffer", AppCommand(32831)}, {"&Refresh\tF5", ID_REFRESH},
                      Separator, {"Default &Axis", AppCommand(32815)}, {"Positive &Z", AppCommand(32809)}, {"Positive &Y", AppCommand(32810)},
                      {"Positive &X", AppCommand(32811)}, {"Negative Z", AppCommand(32812)}, {"Negative Y", AppCommand(32813)},
                      {"Negative X", AppCommand(32814)}, Separator, {"Bounds", AppCommand(32805)}, {"Viewpoint", AppCommand(32806)}, Separator,
                      {"Find\tF3", ID_FIND}}};

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

const std::set<int>& CMenuTables::HandledCommands()
{
    static const std::set<int> handled = {ID_FILE_OPEN, ID_FILE_CLOSE, ID_STRICT, ID_FILE_MRU,
                                          ID_APP_EXIT, ID_VIEW_STATUS_BAR, ID_WINDOW_CASCADE,
                                          ID_WINDOW_TILE, ID_APP_ABOUT};
    return handled;
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
            else if (item.Id == ID_STRICT || item.Id == ID_VIEW_STATUS_BAR)
                items->AppendCheckItem(item.Id, label);
            else
            {
                items->Append(item.Id, label);
                if (HandledCommands().count(item.Id) == 0)
                    items->Enable(item.Id, false);
            }
        }
        bar->Append(items, wxString::FromUTF8(menu.Title));
    }
    return bar;
}

wxAcceleratorTable CMenuTables::CreateAccelerators(int id)
{
    std::vector<wxAcceleratorEntry> entries;
    if (id == 128)
        entries = {{wxACCEL_CTRL, 'N', ID_FILE_NEW},
                   {wxACCEL_CTRL, 'O', ID_FILE_OPEN},
                   {wxACCEL_CTRL, 'P', ID_FILE_PRINT},
                   {wxACCEL_CTRL, 'S', ID_FILE_SAVE}};
    else if (id == 130)
        entries = {{wxACCEL_NORMAL, WXK_F4, ID_CHECK},
                   {wxACCEL_NORMAL, WXK_F5, ID_REFRESH},
                   {wxACCEL_NORMAL, WXK_F3, ID_FIND}};
    else if (id == 132)
        entries = {{wxACCEL_NORMAL, WXK_END, ID_HEX_END},
                   {wxACCEL_NORMAL, WXK_HOME, ID_HEX_HOME},
                   {wxACCEL_NORMAL, WXK_PAGEDOWN, ID_HEX_PAGE_DOWN},
                   {wxACCEL_NORMAL, WXK_PAGEUP, ID_HEX_PAGE_UP}};
    return wxAcceleratorTable(int(entries.size()), entries.data());
}
