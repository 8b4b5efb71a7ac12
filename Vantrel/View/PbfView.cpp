#include "Vantrel/View/PbfView.h"

#include "Vantrel/Doc/PbfDoc.h"

wxIMPLEMENT_DYNAMIC_CLASS(CPbfView, CBitmapView);

std::optional<BitmapViewModel> CPbfView::MakeModel()
{
    auto* document = dynamic_cast<CPbfDoc*>(GetDocument());
    if (document == nullptr || !document->GetFile())
        return std::nullopt;
    return BitmapViewModel::ForPbf(document->GetFile());
}
