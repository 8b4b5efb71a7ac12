#pragma once
// The list pane of the track and replay documents: the "Field" (width 100) and "Value" (width
// 500) rows of the part that a code names, rebuilt from scratch on every code the tree sends.
// The rows come from a subclass (plain rows, apart from the control). What the model throws is
// shown once; the rows made before stay.
#include <vector>

#include <wx/listctrl.h>

#include "Vantrel/Frame/VantrelView.h"
#include "Vantrel/Rows/TrkRow.h"

class CHintListView : public CVantrelView
{
public:
    wxWindow* CreatePane(wxWindow* parent) override;
    void OnUpdate(wxView* sender, wxObject* hint = nullptr) override;

    wxListCtrl* GetList() const { return m_list; }
    // The rows shown, as the control holds them (UTF-8).
    std::vector<TrkRow> GetRows() const;

protected:
    // Whether a code changes the list (a code of 0, or no model, leaves it as it is).
    virtual bool Changes(int code) = 0;
    // Appends the rows of a code, in UTF-8; what the model throws propagates.
    virtual void AddRows(int code, std::vector<TrkRow>& rows) = 0;

private:
    wxListCtrl* m_list = nullptr;

    wxDECLARE_ABSTRACT_CLASS(CHintListView);
};
