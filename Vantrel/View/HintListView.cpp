#include "Vantrel/View/HintListView.h"

#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/View/TrkUpdateHint.h"

wxIMPLEMENT_ABSTRACT_CLASS(CHintListView, CVantrelView);

wxWindow* CHintListView::CreatePane(wxWindow* parent)
{
    m_list = new wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                            wxLC_REPORT | wxLC_NO_SORT_HEADER | wxBORDER_NONE);
    m_list->AppendColumn("Field", wxLIST_FORMAT_LEFT, 100);
    m_list->AppendColumn("Value", wxLIST_FORMAT_LEFT, 500);
    return m_list;
}

void CHintListView::OnUpdate(wxView*, wxObject* hint)
{
    const int code = CTrkUpdateHint::CodeOf(hint);
    std::vector<TrkRow> rows;
    bool changes = false;
    CCatchPattern::Run([&] {
        changes = Changes(code);
        if (changes)
            AddRows(code, rows);
    });
    if (!changes)
        return;
    m_list->Freeze();
    m_list->DeleteAllItems();
    for (const TrkRow& row : rows)
    {
        const long index = m_list->InsertItem(m_list->GetItemCount(), wxString::FromUTF8(row.Field));
        m_list->SetItem(index, 1, wxString::FromUTF8(row.Value));
    }
    m_list->Thaw();
}

std::vector<TrkRow> CHintListView::GetRows() const
{
    std::vector<TrkRow> rows;
    for (long i = 0; i < m_list->GetItemCount(); ++i)
        rows.push_back({m_list->GetItemText(i, 0).utf8_string(), m_list->GetItemText(i, 1).utf8_string()});
    return rows;
}
