#pragma once
// The pane of a scaled bitmap file (".srb", ".pmp"): its information lines and images
// (CBitmapView).
#include "Vantrel/View/BitmapView.h"

class CSrbView : public CBitmapView
{
protected:
    std::optional<BitmapViewModel> MakeModel() override;

    wxDECLARE_DYNAMIC_CLASS(CSrbView);
};
