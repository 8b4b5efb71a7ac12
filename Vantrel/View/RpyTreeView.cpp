#include "Vantrel/View/RpyTreeView.h"

#include "Vantrel/Doc/RpyDoc.h"
#include "Vantrel/Rows/RpyTreeRows.h"

wxIMPLEMENT_DYNAMIC_CLASS(CRpyTreeView, CHintTreeView);

void CRpyTreeView::Build(TrkTreeItem& root)
{
    const auto* document = dynamic_cast<CRpyDoc*>(GetDocument());
    const CRpyDoc::ReplayPointer replay = document != nullptr ? document->GetReplay() : CRpyDoc::ReplayPointer();
    RpyTreeRows::Build(replay.Get(), root);
}
