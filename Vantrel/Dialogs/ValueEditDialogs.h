#pragma once
// The dialogs of the field editor as the application shows them: each value editor runs its
// dialog modally over the parent window, the question and the message are message boxes with
// the application's title.
#include "Vantrel/Visitors/ThreeDObjectEditDialogs.h"

class wxWindow;

class CValueEditDialogs : public ThreeDObjectEditDialogs
{
public:
    explicit CValueEditDialogs(wxWindow* parent) : m_parent(parent) {}

    bool EditFloat(const std::string& caption, double& value) override;
    bool EditInt(const std::string& caption, int& value, int minimum, int maximum) override;
    bool EditString(const std::string& caption, std::string& value, int maxLength) override;
    bool EditBool(const std::string& caption, bool& value) override;
    bool EditColour(const std::string& caption, Velmo::Papy::Colour& value) override;
    bool EditVertex(const std::string& caption, double& x, double& y, double& z, bool noZ) override;
    bool AskOkCancel(const std::string& text) override;
    void ShowMessage(const std::string& text) override;

private:
    wxWindow* m_parent;
};
