#pragma once
// Shows the bounds of the node in the 3D view: per axis its minimum and maximum. Nothing is
// read back.
#include "Vantrel/Dialogs/ValueDialog.h"

class CBoundsDlg : public CValueDialog
{
public:
    static constexpr int ResourceId = 137;
    enum Control
    {
        MinXId = 1000,
        MaxXId = 1001,
        MinYId = 1002,
        MaxYId = 1003,
        MinZId = 1004,
        MaxZId = 1005,
    };

    explicit CBoundsDlg(wxWindow* parent = nullptr);

    double MaxX = 0.0;
    double MaxY = 0.0;
    double MaxZ = 0.0;
    double MinX = 0.0;
    double MinY = 0.0;
    double MinZ = 0.0;
};
