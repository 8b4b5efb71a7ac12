#include "Vantrel/View/BinView.h"

#include <wx/app.h>
#include <wx/docmdi.h>
#include <wx/sizer.h>

#include "Vantrel/App/CommandIds.h"
#include "Vantrel/App/MenuTables.h"
#include "Vantrel/Doc/SubDoc.h"
#include "Vantrel/View/BinCanvas.h"

wxIMPLEMENT_DYNAMIC_CLASS(CBinView, wxView);

bool CBinView::OnCreate(wxDocument* document, long)
{
    auto* parent = dynamic_cast<wxDocMDIParentFrame*>(wxTheApp->GetTopWindow());
    if (parent == nullptr)
        return false;
    auto* frame = new wxDocMDIChildFrame(document, this, parent, wxID_ANY, document->GetUserReadableName(),
                                         wxDefaultPosition, wxSize(700, 500));
    auto* subDoc = dynamic_cast<CSubDoc*>(document);
    const int id = subDoc != nullptr ? subDoc->GetTemplateId() : 0;
    if (wxMenuBar* bar = CMenuTables::CreateMenuBar(id, m_mruMenus))
        frame->SetMenuBar(bar);
    for (wxMenu* menu : m_mruMenus)
    {
        document->GetDocumentManager()->FileHistoryUseMenu(menu);
        document->GetDocumentManager()->FileHistoryAddFilesToMenu(menu);
    }
    frame->SetAcceleratorTable(CMenuTables::CreateAccelerators(132));
    m_canvas = new CBinCanvas(frame, subDoc);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_canvas, 1, wxEXPAND);
    frame->SetSizer(sizer);
    SetFrame(frame);
    for (int command : {ID_HEX_END, ID_HEX_HOME, ID_HEX_PAGE_DOWN, ID_HEX_PAGE_UP})
        Bind(wxEVT_MENU, &CBinView::OnCommand, this, command);
    frame->Show(true);
    frame->Layout();
    m_canvas->UpdateLayout();
    m_canvas->Home();
    m_canvas->SetFocus();
    return true;
}

void CBinView::OnDraw(wxDC*)
{
    // The dump window paints itself.
}

void CBinView::OnUpdate(wxView*, wxObject*)
{
    if (m_canvas != nullptr)
        m_canvas->UpdateLayout();
}

void CBinView::OnCommand(wxCommandEvent& event)
{
    if (m_canvas == nullptr)
        return;
    switch (event.GetId())
    {
    case ID_HEX_HOME:
        m_canvas->Home();
        break;
    case ID_HEX_END:
        m_canvas->End();
        break;
    case ID_HEX_PAGE_UP:
        m_canvas->PageUp();
        break;
    case ID_HEX_PAGE_DOWN:
        m_canvas->PageDown();
        break;
    }
}

void CBinView::ForgetMenus()
{
    if (GetDocument() != nullptr && GetDocument()->GetDocumentManager() != nullptr)
        for (wxMenu* menu : m_mruMenus)
            GetDocument()->GetDocumentManager()->FileHistoryRemoveMenu(menu);
    m_mruMenus.clear();
}

bool CBinView::OnClose(bool deleteWindow)
{
    if (!wxView::OnClose(deleteWindow))
        return false;
    Activate(false);
    ForgetMenus();
    if (deleteWindow && GetFrame() != nullptr)
    {
        GetFrame()->Destroy();
        SetFrame(nullptr);
        m_canvas = nullptr;
    }
    return true;
}
