#pragma once
// The pane of a pure bitmap file (".pbf", ".stp"): its information lines and images
// (CBitmapView).
#include "Vantrel/View/BitmapView.h"

class CPbfView : public CBitmapView
{
protected:
    std::optional<BitmapViewModel> MakeModel() override;

    wxDECLARE_DYNAMIC_CLASS(CPbfView);
};
