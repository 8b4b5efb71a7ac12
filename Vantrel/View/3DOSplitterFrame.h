#pragma once
// The window of a 3D-object document: the node tree, the field list and the 3D view side by
// side, each 192 pixels wide to start with (the 3D view takes what is left).
#include "Vantrel/Frame/SplitterFrame.h"

class C3DOSplitterFrame : public CSplitterFrame
{
public:
    C3DOSplitterFrame();

    static constexpr int PaneWidth = 192;

    wxDECLARE_DYNAMIC_CLASS(C3DOSplitterFrame);
};
