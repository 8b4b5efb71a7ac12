#pragma once
// The update hint of the track and replay panes: the code of the part that the tree selected
// (TrkHint, RpyHint), carried through the document's UpdateAllViews. 0 names nothing.
#include <wx/object.h>

class CTrkUpdateHint : public wxObject
{
public:
    explicit CTrkUpdateHint(int code = 0) : m_code(code) {}

    int GetCode() const { return m_code; }

    // The code of the hint a view's update received: 0 for none, or a hint of another kind.
    static int CodeOf(const wxObject* hint);

private:
    int m_code;
};
