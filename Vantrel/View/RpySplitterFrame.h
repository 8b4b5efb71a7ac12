#pragma once
// The window of a replay document: the tree (200 pixels), the list (200) and the plan with the
// car's path (the rest, 300 to begin with) side by side.
#include "Vantrel/Frame/SplitterFrame.h"

class CRpySplitterFrame : public CSplitterFrame
{
public:
    CRpySplitterFrame();

    wxDECLARE_DYNAMIC_CLASS(CRpySplitterFrame);
};
