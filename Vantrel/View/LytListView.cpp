#include "Vantrel/View/LytListView.h"

#include <wx/dataview.h>

#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/LytDoc.h"
#include "Vantrel/Rows/LytFieldRows.h"
#include "Vantrel/View/LytHint.h"
#include "Vantrel/Text/CodePage1252.h"

wxIMPLEMENT_DYNAMIC_CLASS(CLytListView, CVantrelView);

wxWindow* CLytListView::CreatePane(wxWindow* parent)
{
    m_list = new wxDataViewListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                    wxDV_SINGLE | wxDV_ROW_LINES);
    m_list->AppendTextColumn(LytFieldColumns::FieldHeading, wxDATAVIEW_CELL_INERT, LytFieldColumns::FieldWidth);
    m_list->AppendTextColumn(LytFieldColumns::ValueHeading, wxDATAVIEW_CELL_EDITABLE, LytFieldColumns::ValueWidth);
    m_list->Bind(wxEVT_DATAVIEW_ITEM_EDITING_DONE, &CLytListView::OnEditingDone, this);
    return m_list;
}

CLytDoc* CLytListView::GetLytDocument() const
{
    return dynamic_cast<CLytDoc*>(GetDocument());
}

int CLytListView::GetShownControl() const
{
    CLytDoc* document = GetLytDocument();
    return document != nullptr ? document->GetEditor().GetShownControl() : -1;
}

void CLytListView::OnUpdate(wxView*, wxObject* hint)
{
    CLytDoc* document = GetLytDocument();
    if (document == nullptr || m_list == nullptr)
        return;
    const int number = CLytHint::Of(hint);
    CCatchPattern::Run([&] {
        if (number > 0)
            document->GetEditor().Show(LytEditor::ControlOfHint(number));
    });
    Rebuild();
}

void CLytListView::Rebuild()
{
    std::vector<LytFieldRow> rows;
    CCatchPattern::Run([&] { rows = GetLytDocument()->GetEditor().GetRows(); });
    m_list->DeleteAllItems();
    for (const LytFieldRow& row : rows)
    {
        wxVector<wxVariant> values;
        values.push_back(wxVariant(wxString::FromUTF8(row.Label)));
        values.push_back(wxVariant(wxString::FromUTF8(CodePage1252::ToUtf8(row.Value))));
        m_list->AppendItem(values);
    }
}

std::vector<std::pair<std::string, std::string>> CLytListView::GetRows() const
{
    std::vector<std::pair<std::string, std::string>> rows;
    for (int row = 0; m_list != nullptr && row < m_list->GetItemCount(); ++row)
        rows.emplace_back(m_list->GetTextValue(row, 0).utf8_string(), m_list->GetTextValue(row, 1).utf8_string());
    return rows;
}

void CLytListView::OnEditingDone(wxDataViewEvent& event)
{
    if (event.IsEditCancelled() || m_list == nullptr)
        return;
    // The control keeps its old text: the list is built again from the file.
    event.Veto();
    EndEdit(m_list->ItemToRow(event.GetItem()), event.GetValue().GetString().utf8_string());
}

void CLytListView::EndEdit(int row, const std::string& text)
{
    CLytDoc* document = GetLytDocument();
    if (document == nullptr)
        return;
    LytEditor::Typed result = LytEditor::Typed::Unchanged;
    const bool edited = CCatchPattern::Run([&] { result = document->EditShown(row, text); });
    // Never inside the edit's event: the rows it edits would go under it (nor the refusal's
    // message, whose modal loop would run inside it).
    const int hint = LytEditor::HintOf(document->GetEditor().GetShownControl());
    const bool written = edited && result == LytEditor::Typed::Written;
    const bool refused = edited && result == LytEditor::Typed::Refused;
    CallAfter([this, written, refused, hint] {
        CLytDoc* current = GetLytDocument();
        if (current == nullptr)
            return;
        if (!written)
        {
            Rebuild();
            if (refused)
                CCatchPattern::ShowMessage(LytEditor::NameRefusedText);
            return;
        }
        CLytHint update(hint);
        current->UpdateAllViews(nullptr, &update);
    });
}
