#pragma once
// Command ids of the menus and accelerators. The framework's own commands use the toolkit's
// stock ids. The application's commands are numbered 32773 and up (the tree's insert commands
// 34000 to 34999); menu ids must stay below 32767, so each is used less 20000 (AppCommand).
// Who handles what: Strict the application; Open Track the DAT document; Check, the View, Draw
// and Texture commands the 3D-object view; Find and the insert commands the 3D-object tree;
// Copy, Paste and Delete the layout panes; the four dump keys the hexadecimal view.
#include <wx/defs.h>

constexpr int AppCommand(int number)
{
    return number >= 32768 ? number - 20000 : number;
}

enum CommandId
{
    ID_FILE_NEW = wxID_NEW,
    ID_FILE_OPEN = wxID_OPEN,
    ID_FILE_CLOSE = wxID_CLOSE,
    ID_FILE_SAVE = wxID_SAVE,
    ID_APP_EXIT = wxID_EXIT,
    ID_APP_ABOUT = wxID_ABOUT,
    ID_WINDOW_CASCADE = wxID_MDI_WINDOW_CASCADE,
    ID_WINDOW_TILE = wxID_MDI_WINDOW_TILE_HORZ,
    ID_EDIT_COPY = wxID_COPY,     // 57634
    ID_EDIT_PASTE = wxID_PASTE,   // 57637

    ID_FILE_PRINT = 7607,      // Ctrl+P: no command answers it
    ID_FILE_MRU = 7616,        // the recent-file list's place in the File menu
    ID_VIEW_STATUS_BAR = 9393,
    ID_EDIT_DELETE = 145,
    ID_STRICT = AppCommand(32843),
    ID_OPEN_TRACK = AppCommand(32835),
    ID_CHECK = AppCommand(32849),
    ID_FIND = AppCommand(32867),

    // Menu 130's View menu.
    ID_VIEW_3D = AppCommand(32773),
    ID_VIEW_TRACK_3D = AppCommand(32834),
    ID_VIEW_HIGHLIGHT = AppCommand(32828),
    ID_VIEW_CENTER = AppCommand(32774),
    ID_VIEW_Z_BUFFER = AppCommand(32831),
    ID_REFRESH = AppCommand(32789),
    ID_AXIS_DEFAULT = AppCommand(32815),
    ID_AXIS_POSITIVE_Z = AppCommand(32809),
    ID_AXIS_POSITIVE_Y = AppCommand(32810),
    ID_AXIS_POSITIVE_X = AppCommand(32811),
    ID_AXIS_NEGATIVE_Z = AppCommand(32812),
    ID_AXIS_NEGATIVE_Y = AppCommand(32813),
    ID_AXIS_NEGATIVE_X = AppCommand(32814),
    ID_BOUNDS = AppCommand(32805),
    ID_VIEWPOINT = AppCommand(32806),
    ID_CLIP_TEST = AppCommand(32864),  // no menu item or key: the 3D-object view's clip-test request

    // Menu 130's Draw menu.
    ID_DRAW_NONE = AppCommand(32800),
    ID_DRAW_ALL = AppCommand(32801),
    ID_DRAW_SHADED = AppCommand(32829),
    ID_DRAW_WIREFRAME = AppCommand(32836),
    ID_DRAW_BILLBOARDS = AppCommand(32776),
    ID_DRAW_CARS = AppCommand(32807),
    ID_DRAW_CLOUDS = AppCommand(32796),
    ID_DRAW_COCKPIT = AppCommand(32826),
    ID_DRAW_CROWDS = AppCommand(32790),
    ID_DRAW_DRIVERS = AppCommand(32825),
    ID_DRAW_FENCES = AppCommand(32808),
    ID_DRAW_GRANDSTANDS = AppCommand(32794),
    ID_DRAW_GRASS = AppCommand(32777),
    ID_DRAW_GROOVE = AppCommand(32799),
    ID_DRAW_HORIZON = AppCommand(32818),
    ID_DRAW_INFIELD = AppCommand(32816),
    ID_DRAW_OBJECTS = AppCommand(32775),
    ID_DRAW_PEOPLE = AppCommand(32792),
    ID_DRAW_TRACK = AppCommand(32778),
    ID_DRAW_TRACK_MARKINGS = AppCommand(32797),
    ID_DRAW_TREES = AppCommand(32784),
    ID_DRAW_VEHICLES = AppCommand(32817),
    ID_DRAW_WALLS = AppCommand(32786),
    ID_DRAW_BOUNDING_BOXES = AppCommand(32847),

    // Menu 130's Texture menu.
    ID_TEXTURE_NONE = AppCommand(32802),
    ID_TEXTURE_ALL = AppCommand(32803),
    ID_TEXTURE_SHADED = AppCommand(32830),
    ID_TEXTURE_BILLBOARDS = AppCommand(32785),
    ID_TEXTURE_CARS = AppCommand(32819),
    ID_TEXTURE_CLOUDS = AppCommand(32798),
    ID_TEXTURE_COCKPIT = AppCommand(32827),
    ID_TEXTURE_CROWDS = AppCommand(32791),
    ID_TEXTURE_DRIVERS = AppCommand(32824),
    ID_TEXTURE_FENCES = AppCommand(32821),
    ID_TEXTURE_GRANDSTANDS = AppCommand(32795),
    ID_TEXTURE_GRASS = AppCommand(32780),
    ID_TEXTURE_GROOVE = AppCommand(32787),
    ID_TEXTURE_HORIZON = AppCommand(32820),
    ID_TEXTURE_INFIELD = AppCommand(32822),
    ID_TEXTURE_OBJECTS = AppCommand(32781),
    ID_TEXTURE_PEOPLE = AppCommand(32793),
    ID_TEXTURE_TRACK = AppCommand(32779),
    ID_TEXTURE_TRACK_MARKINGS = AppCommand(32804),
    ID_TEXTURE_TREES = AppCommand(32788),
    ID_TEXTURE_VEHICLES = AppCommand(32823),
    ID_TEXTURE_WALLS = AppCommand(32783),

    // Menu 146, the 3D-object tree's context menu: insert a child node (34000 to 34999).
    ID_INSERT_HANDLE = AppCommand(34000),
    ID_INSERT_OBJECT_LIST = AppCommand(34001),
    ID_INSERT_TRANSFORMATION = AppCommand(34002),
    ID_INSERT_EXTERNAL_OBJECT = AppCommand(34003),
    ID_INSERT_NUMBER_LIST = AppCommand(34004),
    ID_INSERT_FIRST = AppCommand(34000),
    ID_INSERT_LAST = AppCommand(34999),

    // The hexadecimal dump's keys.
    ID_HEX_END = AppCommand(32837),
    ID_HEX_HOME = AppCommand(32839),
    ID_HEX_PAGE_DOWN = AppCommand(32840),
    ID_HEX_PAGE_UP = AppCommand(32841),
};
