#include "Vantrel/View/DatEntryListCtrl.h"

#include "Vantrel/Rows/DatEntryList.h"
#include "Vantrel/Text/CodePage1252.h"

CDatEntryListCtrl::CDatEntryListCtrl(wxWindow* parent, std::shared_ptr<const DatEntryList> list)
    : wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxLC_REPORT | wxLC_VIRTUAL | wxLC_SINGLE_SEL),
      m_list(list ? std::move(list)
                  : std::make_shared<const DatEntryList>(Velmo::Util::CountedPointer<Velmo::Papy::DatFile>()))
{
    for (int column = 0; column < DatEntryList::ColumnCount; ++column)
        AppendColumn(DatEntryList::Columns[column].Heading, wxLIST_FORMAT_LEFT, DatEntryList::Columns[column].Width);
    Reload();
}

void CDatEntryListCtrl::Reload()
{
    SetItemCount(m_list->GetRowCount());
    if (m_list->GetRowCount() > 0)
        RefreshItems(0, m_list->GetRowCount() - 1);
}

wxString CDatEntryListCtrl::OnGetItemText(long item, long column) const
{
    if (item < 0 || item >= m_list->GetRowCount() || column < 0 || column >= DatEntryList::ColumnCount)
        return wxString();
    return wxString::FromUTF8(CodePage1252::ToUtf8(m_list->GetText(int(item), int(column))));
}
