#pragma once
// The menus and accelerator tables, built from tables. Every document window's menu begins with
// the same File menu unless its table says otherwise. Items are built enabled; the frames
// enable or disable them through update-UI (an item whose command no handler answers is
// disabled).
#include <cstddef>
#include <vector>

#include <wx/accel.h>
#include <wx/menu.h>

class CMenuTables
{
public:
    struct Item
    {
        const char* Label;  // "-" is a separator
        int Id;
    };
    struct Menu
    {
        const char* Title;
        std::vector<Item> Items;
    };
    struct Accelerator
    {
        int Flags;  // wxACCEL_NORMAL, wxACCEL_CTRL
        int Key;    // a character or a WXK_ code
        int Command;
    };

    // The menu of a resource id (128 the main frame, else a template's; 146 the popups of the
    // 3D-object tree, by index); empty when it has none.
    static const std::vector<Menu>& GetMenus(int id);
    // Whether the item of a command is built as a check item (a switch whose update-UI sets the
    // check mark): Strict, Status Bar, and the 3D-object view's toggles, axes and categories.
    static bool IsCheckItem(int id);
    // A new menu bar for the id, null when it has no menu; the recent-file submenus it holds
    // are returned in mruMenus.
    static wxMenuBar* CreateMenuBar(int id, std::vector<wxMenu*>& mruMenus);
    // A new popup menu: the index-th menu of the id (menu 146), null when there is none.
    static wxMenu* CreatePopupMenu(int id, std::size_t index);

    // The keys of an accelerator table: 128 (main frame), 130 (3D-object windows), 132
    // (hexadecimal dump windows); empty for any other id.
    static const std::vector<Accelerator>& GetAccelerators(int id);
    static wxAcceleratorTable CreateAccelerators(int id);
    // The table of several ids joined (a window's template and the keys of its panes).
    static wxAcceleratorTable CreateAccelerators(const std::vector<int>& ids);
};
