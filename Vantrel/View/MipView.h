#pragma once
// The pane of a multipart bitmap file (".mip", ".m16"): its information lines and images
// (CBitmapView).
#include "Vantrel/View/BitmapView.h"

class CMipView : public CBitmapView
{
protected:
    std::optional<BitmapViewModel> MakeModel() override;

    wxDECLARE_DYNAMIC_CLASS(CMipView);
};
