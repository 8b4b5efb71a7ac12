#include "Vantrel/View/3DOSplitterFrame.h"

#include "Vantrel/View/3DO3DView.h"
#include "Vantrel/View/3DOInstructionView.h"
#include "Vantrel/View/3DOTreeView.h"

wxIMPLEMENT_DYNAMIC_CLASS(C3DOSplitterFrame, CSplitterFrame);

C3DOSplitterFrame::C3DOSplitterFrame()
    : CSplitterFrame({Pane::Of<C3DOTreeView>(PaneWidth), Pane::Of<C3DOInstructionView>(PaneWidth),
                      Pane::Of<C3DO3DView>(PaneWidth)})
{
}
