#include "Vantrel/View/3DOInstructionView.h"

#include <wx/utils.h>

#include "Vantrel/Dialogs/ValueEditDialogs.h"
#include "Vantrel/Doc/3DODoc.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/View/FieldList.h"
#include "Vantrel/Visitors/ThreeDObjectEditVisitor.h"
#include "Vantrel/Visitors/ThreeDObjectListVisitor.h"

wxIMPLEMENT_DYNAMIC_CLASS(C3DOInstructionView, CVantrelView);

wxWindow* C3DOInstructionView::CreatePane(wxWindow* parent)
{
    m_list = new CFieldList(parent);
    // Bound with this view as the handler, so that the binding goes with the view when the
    // window outlives it.
    m_list->Bind(wxEVT_LIST_ITEM_RIGHT_CLICK, &C3DOInstructionView::OnRightClick, this);
    return m_list;
}

C3DODoc* C3DOInstructionView::GetTdoDocument() const
{
    return dynamic_cast<C3DODoc*>(GetDocument());
}

void C3DOInstructionView::OnUpdate(wxView*, wxObject* hint)
{
    const auto* tdoHint = dynamic_cast<const C3DOHint*>(hint);
    C3DODoc* document = GetTdoDocument();
    if (tdoHint == nullptr || m_list == nullptr || document == nullptr || document->GetFile().Get() == nullptr)
        return;
    const int id = tdoHint->NodeId;
    wxBusyCursor wait;
    CFieldList::Sink rows;
    bool found = false;
    CCatchPattern::Run([&] {
        C3DODoc::File file = document->GetFile();
        Velmo::Papy::TdoFile::Node node = file->GetSubObject(id);
        found = true;
        ThreeDObjectListVisitor list(rows);
        node->Accept(list);
    });
    // A node that is not there leaves the list as it was; a listing that failed on the way
    // shows the rows made before the failure.
    if (!found)
        return;
    m_list->SetRows(std::move(rows.Rows));
    m_shownId = id;
}

void C3DOInstructionView::OnRightClick(wxListEvent& event)
{
    EditRow(int(event.GetIndex()));
}

void C3DOInstructionView::EditRow(int row)
{
    C3DODoc* document = GetTdoDocument();
    if (row < 0 || m_shownId == -1 || m_list == nullptr || row >= m_list->GetRowCount() || document == nullptr ||
        document->GetFile().Get() == nullptr)
        return;
    bool modified = false;
    bool nameChanged = false;
    std::string newName;
    CCatchPattern::Run([&] {
        C3DODoc::File file = document->GetFile();
        Velmo::Papy::TdoFile::Node node = file->GetSubObject(m_shownId);
        CValueEditDialogs dialogs(m_list);
        ThreeDObjectEditVisitor edit(row, m_list->GetLabel(row), dialogs);
        node->Accept(edit);
        modified = edit.Modified();
        nameChanged = edit.NameChanged();
        newName = edit.GetNewName();
    });
    if (!modified)
        return;
    document->Modify(true);
    m_hint.NodeId = m_shownId;
    m_hint.NameChanged = nameChanged;
    m_hint.NewName = nameChanged ? newName : std::string();
    document->UpdateAllViews(nullptr, &m_hint);
}
