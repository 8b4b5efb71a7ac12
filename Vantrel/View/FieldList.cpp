#include "Vantrel/View/FieldList.h"

#include <algorithm>

#include "Vantrel/Text/CodePage1252.h"

CFieldList::CFieldList(wxWindow* parent)
    : wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                 wxLC_REPORT | wxLC_VIRTUAL | wxLC_SINGLE_SEL | wxLC_NO_SORT_HEADER)
{
    AppendColumn("Field", wxLIST_FORMAT_LEFT, 100);
    AppendColumn("Value", wxLIST_FORMAT_LEFT, 500);
}

void CFieldList::SetRows(std::vector<Row> rows, bool keepPosition)
{
    const long top = keepPosition && GetItemCount() > 0 ? GetTopItem() : 0;
    m_rows = std::move(rows);
    if (GetItemCount() > 0)
        DeleteAllItems();
    const long count = long(m_rows.size());
    SetItemCount(count);
    if (top > 0 && count > 0)
    {
        // The page that ended below the old top first, then the top itself: it comes to stand
        // at the top again.
        EnsureVisible(std::min(count - 1, top + std::max(GetCountPerPage(), 1) - 1));
        EnsureVisible(std::min(count - 1, top));
    }
    Refresh(false);
}

void CFieldList::Clear()
{
    SetRows({});
}

std::string CFieldList::GetLabel(int row) const
{
    return row >= 0 && std::size_t(row) < m_rows.size() ? m_rows[std::size_t(row)].Label : std::string();
}

std::string CFieldList::GetValue(int row) const
{
    return row >= 0 && std::size_t(row) < m_rows.size() ? m_rows[std::size_t(row)].Value : std::string();
}

wxString CFieldList::OnGetItemText(long item, long column) const
{
    if (item < 0 || std::size_t(item) >= m_rows.size())
        return wxString();
    const Row& row = m_rows[std::size_t(item)];
    return wxString::FromUTF8(CodePage1252::ToUtf8(column == 0 ? row.Label : row.Value));
}
