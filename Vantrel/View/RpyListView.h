#pragma once
// The list pane of the replay document: the values of the replay, driver or lap a code names
// (RpyListRows).
#include "Vantrel/View/HintListView.h"

class CRpyListView : public CHintListView
{
protected:
    bool Changes(int code) override;
    void AddRows(int code, std::vector<TrkRow>& rows) override;

    wxDECLARE_DYNAMIC_CLASS(CRpyListView);
};
