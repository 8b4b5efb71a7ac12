#include "Vantrel/View/RpySplitterFrame.h"

#include "Vantrel/View/Rpy3DView.h"
#include "Vantrel/View/RpyListView.h"
#include "Vantrel/View/RpyTreeView.h"

wxIMPLEMENT_DYNAMIC_CLASS(CRpySplitterFrame, CSplitterFrame);

CRpySplitterFrame::CRpySplitterFrame()
    : CSplitterFrame({Pane::Of<CRpyTreeView>(200), Pane::Of<CRpyListView>(200), Pane::Of<CRpy3DView>(300)})
{
}
