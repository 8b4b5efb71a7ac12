#pragma once
// Edits a number, shown with 15 significant digits.
#include <string>

#include "Vantrel/Dialogs/ValueDialog.h"

class CEditFloatDlg : public CValueDialog
{
public:
    static constexpr int ResourceId = 139;
    enum Control
    {
        CaptionId = 1000,
        ValueId = 1001,
    };

    explicit CEditFloatDlg(wxWindow* parent = nullptr);

    std::string Caption;
    double Value = 0.0;
};
