#include "Vantrel/View/TrkTreeView.h"

#include "Vantrel/Doc/TrkDoc.h"
#include "Vantrel/Rows/TrkTreeRows.h"

wxIMPLEMENT_DYNAMIC_CLASS(CTrkTreeView, CHintTreeView);

void CTrkTreeView::Build(TrkTreeItem& root)
{
    const auto* document = dynamic_cast<CTrkDoc*>(GetDocument());
    const CTrkDoc::TrackPointer track = document != nullptr ? document->GetTrack() : CTrkDoc::TrackPointer();
    TrkTreeRows::Build(track.Get(), root);
}
