#include "Vantrel/View/BinView.h"

#include "Vantrel/Doc/SubDoc.h"
#include "Vantrel/Frame/CommandBinding.h"
#include "Vantrel/Frame/CommandIds.h"
#include "Vantrel/View/BinCanvas.h"

wxIMPLEMENT_DYNAMIC_CLASS(CBinView, CVantrelView);

CBinView::~CBinView()
{
    // The window goes with the frame, perhaps after the document: it must not read it again.
    if (m_canvas != nullptr && GetPane() == m_canvas)
        m_canvas->ForgetDocument();
}

wxWindow* CBinView::CreatePane(wxWindow* parent)
{
    m_canvas = new CBinCanvas(parent, dynamic_cast<CSubDoc*>(GetDocument()));
    for (int command : {ID_HEX_END, ID_HEX_HOME, ID_HEX_PAGE_DOWN, ID_HEX_PAGE_UP})
        BindCommand(*this, command, [this](wxCommandEvent& event) { OnCommand(event); });
    return m_canvas;
}

void CBinView::OnInitialUpdate()
{
    m_canvas->UpdateLayout();
    m_canvas->Home();
}

void CBinView::OnUpdate(wxView*, wxObject*)
{
    if (m_canvas != nullptr)
        m_canvas->UpdateLayout();
}

void CBinView::OnCommand(wxCommandEvent& event)
{
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
