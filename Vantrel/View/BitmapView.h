#pragma once
// The base of the three bitmap panes (CMipView, CPbfView, CSrbView): a scrolling page
// (CBitmapCanvas) of the file's information lines and its images, made once when the pane is
// first shown. A bitmap whose pixels fail to decode stops the making: the images made before it
// are shown, and its message comes once the window is up. A document without a file shows an
// empty page.
#include <optional>

#include "Vantrel/Frame/VantrelView.h"
#include "Vantrel/Rows/BitmapViewModel.h"

class CBitmapCanvas;

class CBitmapView : public CVantrelView
{
public:
    wxWindow* CreatePane(wxWindow* parent) override;
    void OnInitialUpdate() override;
    void OnUpdate(wxView*, wxObject*) override {}

    CBitmapCanvas* GetCanvas() const { return m_canvas; }

protected:
    // The page of the document's file; nothing when the document has no file. Errors of the
    // file pass to the caller.
    virtual std::optional<BitmapViewModel> MakeModel() = 0;

private:
    CBitmapCanvas* m_canvas = nullptr;

    wxDECLARE_ABSTRACT_CLASS(CBitmapView);
};
