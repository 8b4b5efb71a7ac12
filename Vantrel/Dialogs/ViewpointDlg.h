#pragma once
// Shows the camera of the 3D view: where it looks from and to, which axis is up, and the near
// and far clip planes. Nothing is read back.
#include "Vantrel/Dialogs/ValueDialog.h"

class CViewpointDlg : public CValueDialog
{
public:
    static constexpr int ResourceId = 131;
    enum Control
    {
        FromXId = 1001,
        ToXId = 1002,
        FromYId = 1003,
        ToYId = 1004,
        FromZId = 1005,
        ToZId = 1006,
        NearId = 1007,
        FarId = 1008,
        VerticalId = 1010,
    };
    // The items of the Vertical box, by index.
    static constexpr const char* VerticalNames[6] = {"Positive Z", "Positive Y", "Positive X",
                                                     "Negative Z", "Negative Y", "Negative X"};

    explicit CViewpointDlg(wxWindow* parent = nullptr);

    double Near = 0.0;
    double FromX = 0.0;
    double FromY = 0.0;
    double FromZ = 0.0;
    double ToX = 0.0;
    double ToY = 0.0;
    double ToZ = 0.0;
    int Vertical = 0;
    double Far = 0.0;
};
