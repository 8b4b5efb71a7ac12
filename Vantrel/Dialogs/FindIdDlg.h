#pragma once
// Asks for the id of a node to find.
#include "Vantrel/Dialogs/ValueDialog.h"

class CFindIdDlg : public CValueDialog
{
public:
    static constexpr int ResourceId = 143;
    enum Control
    {
        IdId = 1005,
    };

    explicit CFindIdDlg(wxWindow* parent = nullptr);

    int Id = 0;
};
