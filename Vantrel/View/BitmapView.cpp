#include "Vantrel/View/BitmapView.h"

#include <wx/utils.h>

#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/View/BitmapCanvas.h"

wxIMPLEMENT_ABSTRACT_CLASS(CBitmapView, CVantrelView);

wxWindow* CBitmapView::CreatePane(wxWindow* parent)
{
    m_canvas = new CBitmapCanvas(parent);
    return m_canvas;
}

void CBitmapView::OnInitialUpdate()
{
    if (m_canvas == nullptr)
        return;
    wxBusyCursor wait;
    std::optional<BitmapViewModel> model;
    if (!CCatchPattern::Run([&] { model = MakeModel(); }) || !model)
        return;
    std::string failure;
    try
    {
        model->MakeImages();
    }
    catch (...)
    {
        failure = CCatchPattern::DescribeCurrentException();
    }
    m_canvas->SetModel(std::move(*model));
    if (!failure.empty())
        m_canvas->CallAfter([failure] { CCatchPattern::ShowMessage(failure); });
}
