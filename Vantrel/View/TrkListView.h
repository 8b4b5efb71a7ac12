#pragma once
// The list pane of the track document: the values of the part a code names (TrkListRows), the
// degree sign of the angles shown as "°".
#include "Vantrel/View/HintListView.h"

class CTrkListView : public CHintListView
{
protected:
    bool Changes(int code) override;
    void AddRows(int code, std::vector<TrkRow>& rows) override;

    wxDECLARE_DYNAMIC_CLASS(CTrkListView);
};
