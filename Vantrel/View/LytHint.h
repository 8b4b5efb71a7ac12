#pragma once
// The update hint between the layout panes: control index + 1, 0 naming nothing.
#include <wx/object.h>

class CLytHint : public wxObject
{
public:
    explicit CLytHint(int hint = 0) : Hint(hint) {}
    int Hint;

    // The number of an update's hint object; 0 for none or another kind of hint.
    static int Of(const wxObject* hint);
};
