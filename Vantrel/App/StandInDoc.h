#pragma once
// The document of a template whose own document is not built yet: its file is shown as a
// hexadecimal dump, and it stays out of the recent-file list as its own document will.
#include "Vantrel/Doc/SubDoc.h"

class CStandInDoc : public CSubDoc
{
public:
    bool AddsToHistory(const std::string&) const override { return false; }

    wxDECLARE_DYNAMIC_CLASS(CStandInDoc);
};
