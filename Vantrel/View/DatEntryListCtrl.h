#pragma once
// The list control of the DAT pane: a virtual report list over a DatEntryList, so that only the
// rows on screen are formatted (an archive of 10,000 entries lists at once). Names are shown
// from the archive's code page. The control holds the list it shows for as long as it lives.
#include <memory>

#include <wx/listctrl.h>

class DatEntryList;

class CDatEntryListCtrl : public wxListCtrl
{
public:
    CDatEntryListCtrl(wxWindow* parent, std::shared_ptr<const DatEntryList> list);

    // Takes the list's rows again (after a sort).
    void Reload();

protected:
    wxString OnGetItemText(long item, long column) const override;

private:
    std::shared_ptr<const DatEntryList> m_list;
};
