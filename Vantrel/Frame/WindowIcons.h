#pragma once
// The icons of the program's windows: the main window's (128) and one per document kind (the
// template ids 129, 130, 133 to 137, 140 and 141; the ".track" template, 138, has none).
#include <wx/icon.h>

// The icon of the resource id; an empty icon (IsOk false) for an id without one.
wxIcon GetWindowIcon(int resourceId);
