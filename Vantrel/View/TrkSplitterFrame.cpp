#include "Vantrel/View/TrkSplitterFrame.h"

#include "Vantrel/View/Trk3DView.h"
#include "Vantrel/View/TrkListView.h"
#include "Vantrel/View/TrkTreeView.h"

wxIMPLEMENT_DYNAMIC_CLASS(CTrkSplitterFrame, CSplitterFrame);

CTrkSplitterFrame::CTrkSplitterFrame()
    : CSplitterFrame({Pane::Of<CTrkTreeView>(200), Pane::Of<CTrkListView>(200), Pane::Of<CTrk3DView>(1000)})
{
}
