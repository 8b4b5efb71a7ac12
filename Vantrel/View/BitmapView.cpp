#include "Vantrel/View/BitmapView.h"

#include <new>

#include <wx/utils.h>

#include "Util/PathName.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/PathText.h"
#include "Vantrel/View/BitmapCanvas.h"

wxIMPLEMENT_ABSTRACT_CLASS(CBitmapView, CVantrelView);

wxWindow* CBitmapView::CreatePane(wxWindow* parent)
{
    wxBusyCursor wait;
    const std::string file = GetDocument() != nullptr ? CPathText::FromWx(GetDocument()->GetFilename()) : "";
    const std::string name = file.empty() ? std::string("The bitmap") : Velmo::Util::PathName(file).GetFileName();
    Velmo::U64 bytes = 0;
    std::string refusal;
    try
    {
        m_model = MakeModel();
        if (m_model)
        {
            bytes = CBitmapCanvas::BytesFor(*m_model);
            m_reservation = Velmo::Util::MemoryBound::Reservation(name, bytes);
            // Made before the window is, so that a bound met by the decoding of the levels
            // refuses the window too.
            m_model->MakeImages();
        }
    }
    catch (const Velmo::Util::XMemoryBound& bound)
    {
        refusal = bound.GetText();
    }
    catch (const std::bad_alloc&)
    {
        refusal = name + " needs more memory than the system gives (" + std::to_string(bytes) + " bytes for its images)\n";
    }
    catch (...)
    {
        // The images made before the failure are shown; its message once the window is up.
        m_failure = CCatchPattern::DescribeCurrentException();
    }
    if (!refusal.empty())
    {
        m_model.reset();
        m_reservation.Release();
        CCatchPattern::ShowMessage(TooLargeText + refusal);
        return nullptr;
    }
    m_canvas = new CBitmapCanvas(parent);
    return m_canvas;
}

void CBitmapView::OnInitialUpdate()
{
    if (m_canvas == nullptr)
        return;
    if (m_model)
    {
        m_canvas->SetModel(std::move(*m_model), std::move(m_reservation));
        m_model.reset();
    }
    if (m_failure.empty())
        return;
    const std::string failure = std::move(m_failure);
    m_failure.clear();
    if (m_canvas->GetModel() == nullptr)
        CCatchPattern::ShowMessage(failure);
    else
        m_canvas->CallAfter([failure] { CCatchPattern::ShowMessage(failure); });
}
