#pragma once
// The window of a track document: the tree (200 pixels), the list (200) and the plan (the rest,
// 1000 to begin with) side by side.
#include "Vantrel/Frame/SplitterFrame.h"

class CTrkSplitterFrame : public CSplitterFrame
{
public:
    CTrkSplitterFrame();

    wxDECLARE_DYNAMIC_CLASS(CTrkSplitterFrame);
};
