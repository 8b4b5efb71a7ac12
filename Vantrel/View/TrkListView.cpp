#include "Vantrel/View/TrkListView.h"

#include "Vantrel/Doc/TrkDoc.h"
#include "Vantrel/Rows/TrkListRows.h"
#include "Vantrel/Text/CodePage1252.h"

wxIMPLEMENT_DYNAMIC_CLASS(CTrkListView, CHintListView);

namespace
{
CTrkDoc::TrackPointer TrackOf(wxDocument* document)
{
    const auto* track = dynamic_cast<CTrkDoc*>(document);
    return track != nullptr ? track->GetTrack() : CTrkDoc::TrackPointer();
}
} // namespace

bool CTrkListView::Changes(int code)
{
    return TrkListRows::Changes(TrackOf(GetDocument()).Get(), code);
}

void CTrkListView::AddRows(int code, std::vector<TrkRow>& rows)
{
    const CTrkDoc::TrackPointer track = TrackOf(GetDocument());
    if (!track)
        return;
    // The rows in code page 1252 become UTF-8, those made before a failure too.
    struct ToUtf8
    {
        std::vector<TrkRow>& Rows;
        const std::size_t First;
        ~ToUtf8()
        {
            for (std::size_t i = First; i < Rows.size(); ++i)
                Rows[i].Value = CodePage1252::ToUtf8(Rows[i].Value);
        }
    } convert{rows, rows.size()};
    TrkListRows::Add(*track, code, rows);
}
