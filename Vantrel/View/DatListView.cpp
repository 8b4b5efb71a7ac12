#include "Vantrel/View/DatListView.h"

#include <wx/listctrl.h>
#include <wx/utils.h>

#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/DatDoc.h"
#include "Vantrel/Frame/CommandBinding.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/View/DatEntryListCtrl.h"

wxIMPLEMENT_DYNAMIC_CLASS(CDatListView, CVantrelView);

wxWindow* CDatListView::CreatePane(wxWindow* parent)
{
    m_list = std::make_shared<DatEntryList>(CDatDoc::File());
    m_control = new CDatEntryListCtrl(parent, m_list);
    // Bound with the view as the handler: the binding goes with the view.
    m_control->Bind(wxEVT_LIST_COL_CLICK, &CDatListView::OnColumnClick, this);
    m_control->Bind(wxEVT_LIST_ITEM_ACTIVATED, &CDatListView::OnItemActivated, this);
    BindCommand(*this, ID_OPEN_TRACK, [this](wxCommandEvent&) { OpenTrack(); }, [this](wxUpdateUIEvent& event) {
        auto* document = dynamic_cast<CDatDoc*>(GetDocument());
        event.Enable(document != nullptr && document->GetFactory().Get() != nullptr);
    });
    return m_control;
}

void CDatListView::OnInitialUpdate()
{
    auto* document = dynamic_cast<CDatDoc*>(GetDocument());
    if (document == nullptr || m_control == nullptr)
        return;
    wxBusyCursor wait;
    CCatchPattern::Run([&] { *m_list = DatEntryList(document->GetFile()); });
    m_control->Reload();
}

void CDatListView::OnColumnClick(wxListEvent& event)
{
    ClickColumn(event.GetColumn());
}

void CDatListView::OnItemActivated(wxListEvent& event)
{
    OpenRow(event.GetIndex());
}

void CDatListView::ClickColumn(int column)
{
    if (column < 0 || column >= DatEntryList::ColumnCount)
        return;
    CCatchPattern::Run([&] { m_list->ClickColumn(column); });
    m_control->Reload();
}

wxDocument* CDatListView::OpenRow(long row)
{
    auto* document = dynamic_cast<CDatDoc*>(GetDocument());
    if (document == nullptr || row < 0 || row >= m_list->GetRowCount())
        return nullptr;
    return document->OpenEntry(m_list->GetEntry(int(row)));
}

wxDocument* CDatListView::OpenTrack()
{
    auto* document = dynamic_cast<CDatDoc*>(GetDocument());
    return document != nullptr ? document->OpenTrack() : nullptr;
}
