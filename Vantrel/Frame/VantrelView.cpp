#include "Vantrel/Frame/VantrelView.h"

#include "Vantrel/Frame/DocChildFrame.h"

wxIMPLEMENT_ABSTRACT_CLASS(CVantrelView, wxView);

CVantrelView::~CVantrelView()
{
    // Before the framework's part removes the view from its document (which may delete the
    // document): the frame must no longer offer it anything.
    if (m_childFrame != nullptr)
        m_childFrame->ForgetView(this);
}

void CVantrelView::OnInitialUpdate()
{
    OnUpdate(nullptr, nullptr);
}

void CVantrelView::OnDraw(wxDC*)
{
}

bool CVantrelView::OnClose(bool)
{
    return true;
}

bool CVantrelView::TryBefore(wxEvent&)
{
    return false;
}
