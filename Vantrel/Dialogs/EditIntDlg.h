#pragma once
// Edits an integer. Minimum and Maximum narrow what is accepted (all of int by default).
#include <climits>
#include <string>

#include "Vantrel/Dialogs/ValueDialog.h"

class CEditIntDlg : public CValueDialog
{
public:
    static constexpr int ResourceId = 142;
    enum Control
    {
        CaptionId = 1000,
        ValueId = 1001,
    };

    explicit CEditIntDlg(wxWindow* parent = nullptr, int minimum = INT_MIN, int maximum = INT_MAX);

    std::string Caption;
    int Value = 0;
};
