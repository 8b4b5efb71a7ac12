#pragma once
// Command ids of the menus and accelerators. The framework's own commands use the toolkit's
// stock ids; the application's commands keep their numbers.
#include <wx/defs.h>

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

    ID_FILE_PRINT = 57607,     // Ctrl+P: no command answers it
    ID_FILE_MRU = 57616,       // the recent-file list's place in the File menu
    ID_VIEW_STATUS_BAR = 59393,
    ID_STRICT = 32843,
    ID_OPEN_TRACK = 32835,
    ID_CHECK = 32849,
    ID_REFRESH = 32789,
    ID_FIND = 32867,
    ID_EDIT_DELETE = 145,

    // The hexadecimal dump's keys.
    ID_HEX_END = 32837,
    ID_HEX_HOME = 32839,
    ID_HEX_PAGE_DOWN = 32840,
    ID_HEX_PAGE_UP = 32841,
};
