#pragma once
// The window of a layout document: the controls' tree (CLytTreeView, 192 pixels) and the
// selected control's fields (CLytListView, 192 pixels and the rest) side by side.
#include "Vantrel/Frame/SplitterFrame.h"

class CLytSplitterFrame : public CSplitterFrame
{
public:
    CLytSplitterFrame();

    wxDECLARE_DYNAMIC_CLASS(CLytSplitterFrame);
};
