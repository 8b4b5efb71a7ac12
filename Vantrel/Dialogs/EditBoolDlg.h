#pragma once
// Edits a boolean: the check box "Value Data" under the name of the value.
#include <string>

#include "Vantrel/Dialogs/ValueDialog.h"

class CEditBoolDlg : public CValueDialog
{
public:
    static constexpr int ResourceId = 140;
    enum Control
    {
        CaptionId = 1000,
        ValueId = 1001,
    };

    explicit CEditBoolDlg(wxWindow* parent = nullptr);

    bool Value = false;
    std::string Caption;
};
