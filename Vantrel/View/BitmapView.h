#pragma once
// The base of the three bitmap panes (CMipView, CPbfView, CSrbView): a scrolling page
// (CBitmapCanvas) of the file's information lines and its images, made once, as the pane is
// made. First the bytes that its images and their tiles will take are reserved in the memory
// bound; then the images are made. Past the bound (this reservation, or the decoding of the
// levels) or when the system has no memory for them, the window is refused with "The bitmap is
// too large to show: " and the reason, and the document does not open. A bitmap whose pixels
// fail to decode stops the making: the images made before it are shown, and its message comes
// once the window is up. A document without a file shows an empty page.
#include <optional>
#include <string>

#include "Util/MemoryBound.h"
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

    static constexpr const char* TooLargeText = "The bitmap is too large to show: ";

protected:
    // The page of the document's file; nothing when the document has no file. Errors of the
    // file pass to the caller.
    virtual std::optional<BitmapViewModel> MakeModel() = 0;

private:
    CBitmapCanvas* m_canvas = nullptr;
    // Between the pane's making and its initial update: the model and what it holds in the
    // bound, and the message of a file that failed.
    std::optional<BitmapViewModel> m_model;
    Velmo::Util::MemoryBound::Reservation m_reservation;
    std::string m_failure;

    wxDECLARE_ABSTRACT_CLASS(CBitmapView);
};
