#include "Vantrel/View/SrbView.h"

#include "Vantrel/Doc/SrbDoc.h"

wxIMPLEMENT_DYNAMIC_CLASS(CSrbView, CBitmapView);

std::optional<BitmapViewModel> CSrbView::MakeModel()
{
    auto* document = dynamic_cast<CSrbDoc*>(GetDocument());
    if (document == nullptr || !document->GetFile())
        return std::nullopt;
    return BitmapViewModel::ForSrb(document->GetFile());
}
