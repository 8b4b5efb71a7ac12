#pragma once
// The tree pane of the track document: "root", a "Segment i" item per segment and its "Trace",
// "Surface" and "Wall" items (TrkTreeRows), each sending its code (TrkHint); on a track of more
// segments than codes name, a last row that says so, which names nothing.
#include "Vantrel/View/HintTreeView.h"

class CTrkTreeView : public CHintTreeView
{
protected:
    void Build(TrkTreeItem& root) override;

    wxDECLARE_DYNAMIC_CLASS(CTrkTreeView);
};
