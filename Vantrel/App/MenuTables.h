#pragma once
// The menus and accelerator tables, built from tables. Every document window's menu begins with
// the same File menu unless its table says otherwise. Items that no handler answers yet are
// built disabled.
#include <set>
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

    // The menu of a resource id (128 the main frame, else a template's); empty when it has none.
    static const std::vector<Menu>& GetMenus(int id);
    // A new menu bar for the id; the recent-file submenus it holds are returned in mruMenus.
    static wxMenuBar* CreateMenuBar(int id, std::vector<wxMenu*>& mruMenus);
    // The accelerators of a table: 128 (main frame) and 132 (hexadecimal dump windows) and 130.
    static wxAcceleratorTable CreateAccelerators(int id);

    // The commands that have a handler; every other item is disabled.
    static const std::set<int>& HandledCommands();
};
