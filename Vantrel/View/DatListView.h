#pragma once
// The pane of a DAT document: the archive's entries in five columns ("Name", "Type",
// "Directory", "Size", "Compressed Size"), in load order until a column heading is clicked:
// the first click sorts by that column ascending, the next descending, and so on. A double
// click (or Enter) on a row opens that entry as a document of its own; Open Track (32835) opens
// the track of the archive's folder.
//
// The list control may outlive the view by a moment (its window goes with the frame, perhaps
// later): the control shares the entry list it shows, and its events reach the view only while
// the view exists.
#include <memory>

#include "Vantrel/Frame/VantrelView.h"
#include "Vantrel/Rows/DatEntryList.h"

class CDatEntryListCtrl;
class wxListEvent;

class CDatListView : public CVantrelView
{
public:
    wxWindow* CreatePane(wxWindow* parent) override;
    void OnInitialUpdate() override;
    void OnUpdate(wxView*, wxObject*) override {}

    CDatEntryListCtrl* GetList() const { return m_control; }
    const DatEntryList& GetEntries() const { return *m_list; }

    // What a click on a column heading does.
    void ClickColumn(int column);
    // What a double click on a row does; the opened document, or null.
    wxDocument* OpenRow(long row);
    // What Open Track does.
    wxDocument* OpenTrack();

private:
    void OnColumnClick(wxListEvent& event);
    void OnItemActivated(wxListEvent& event);

    std::shared_ptr<DatEntryList> m_list;
    CDatEntryListCtrl* m_control = nullptr;

    wxDECLARE_DYNAMIC_CLASS(CDatListView);
};
