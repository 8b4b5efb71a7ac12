#include "Vantrel/View/MipView.h"

#include "Vantrel/Doc/MipDoc.h"

wxIMPLEMENT_DYNAMIC_CLASS(CMipView, CBitmapView);

std::optional<BitmapViewModel> CMipView::MakeModel()
{
    auto* document = dynamic_cast<CMipDoc*>(GetDocument());
    if (document == nullptr || !document->GetFile())
        return std::nullopt;
    return BitmapViewModel::ForMip(document->GetFile());
}
