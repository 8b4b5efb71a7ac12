#pragma once
// Edits a colour: red, green, blue and alpha, each a float from 0 to 1.
#include <string>

#include "Vantrel/Dialogs/ValueDialog.h"

class CEditColourDlg : public CValueDialog
{
public:
    static constexpr int ResourceId = 144;
    enum Control
    {
        CaptionId = 1000,
        RedId = 1011,
        GreenId = 1012,
        BlueId = 1013,
        AlphaId = 1014,
    };

    explicit CEditColourDlg(wxWindow* parent = nullptr);

    float Red = 1.0f;
    float Green = 1.0f;
    float Blue = 1.0f;
    float Alpha = 1.0f;
    std::string Caption;
};
