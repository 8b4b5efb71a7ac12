#include "Vantrel/View/LytSplitterFrame.h"

#include "Vantrel/View/LytListView.h"
#include "Vantrel/View/LytTreeView.h"

wxIMPLEMENT_DYNAMIC_CLASS(CLytSplitterFrame, CSplitterFrame);

CLytSplitterFrame::CLytSplitterFrame()
    : CSplitterFrame({Pane::Of<CLytTreeView>(192), Pane::Of<CLytListView>(192)})
{
}
