#pragma once
// Edits a vertex: X, Y and Z with 15 significant digits. With NoZ set, Z is greyed out and
// comes back exactly as it was given.
#include <string>

#include "Vantrel/Dialogs/ValueDialog.h"

class CEditVertexDlg : public CValueDialog
{
public:
    static constexpr int ResourceId = 141;
    enum Control
    {
        CaptionId = 1000,
        YId = 1002,
        ZId = 1003,
        XId = 1004,
    };

    explicit CEditVertexDlg(wxWindow* parent = nullptr);

    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
    int NoZ = 0;
    std::string Caption;

    bool TransferDataToWindow() override;

private:
    wxTextCtrl* m_zEdit = nullptr;
};
