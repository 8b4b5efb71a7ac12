#include "Vantrel/View/RpyListView.h"

#include "Vantrel/Doc/RpyDoc.h"
#include "Vantrel/Rows/RpyListRows.h"

wxIMPLEMENT_DYNAMIC_CLASS(CRpyListView, CHintListView);

namespace
{
CRpyDoc::ReplayPointer ReplayOf(wxDocument* document)
{
    const auto* replay = dynamic_cast<CRpyDoc*>(document);
    return replay != nullptr ? replay->GetReplay() : CRpyDoc::ReplayPointer();
}
} // namespace

bool CRpyListView::Changes(int code)
{
    return RpyListRows::Changes(ReplayOf(GetDocument()).Get(), code);
}

void CRpyListView::AddRows(int code, std::vector<TrkRow>& rows)
{
    const CRpyDoc::ReplayPointer replay = ReplayOf(GetDocument());
    if (replay)
        RpyListRows::Add(*replay, code, rows);
}
