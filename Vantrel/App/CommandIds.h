#pragma once
// Command ids of the menus and accelerators. The framework's own commands use the toolkit's
// stock ids. The application's commands are numbered 32773 and up; menu ids must stay below
// 32767, so each is used less 20000 (AppCommand).
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
    ID_EDIT_COPY = wxID_COPY,
    ID_EDIT_PASTE = wxID_PASTE,

    ID_FILE_PRINT = 7607,      // Ctrl+P: no command answers it
    ID_FILE_MRU = 7616,        // the recent-file list's place in the File menu
    ID_VIEW_STATUS_BAR = 9393,
    ID_STRICT = AppCommand(32843),
    ID_OPEN_TRACK = AppCommand(32835),
    ID_CHECK = AppCommand(32849),
    ID_REFRESH = AppCommand(32789),
    ID_FIND = AppCommand(32867),
    ID_EDIT_DELETE = 145,

    // The hexadecimal dump's keys.
    ID_HEX_END = AppCommand(32837),
    ID_HEX_HOME = AppCommand(32839),
    ID_HEX_PAGE_DOWN = AppCommand(32840),
    ID_HEX_PAGE_UP = AppCommand(32841),
};
