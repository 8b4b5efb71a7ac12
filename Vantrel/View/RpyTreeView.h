#pragma once
// The tree pane of the replay document: "root", an item per driver and its "Lap i:g" items
// (RpyTreeRows), each sending its code (RpyHint).
#include "Vantrel/View/HintTreeView.h"

class CRpyTreeView : public CHintTreeView
{
protected:
    void Build(TrkTreeItem& root) override;

    wxDECLARE_DYNAMIC_CLASS(CRpyTreeView);
};
