#pragma once
// What the field editor asks of the user, apart from any toolkit: one value editor per kind of
// value, a question with OK and Cancel, and a message. The application shows its value
// dialogs through it; the tests answer it from a script.
//
// Every value editor shows the caption as the name of the value and starts from the value it
// is given. On OK it returns true with the edited value in place; on Cancel it returns false
// and leaves the value as it was. Texts are 8-bit strings in code page 1252, as the nodes keep
// them.
#include <string>

namespace Velmo::Papy
{
class Colour;
}

class ThreeDObjectEditDialogs
{
public:
    virtual ~ThreeDObjectEditDialogs() = default;

    virtual bool EditFloat(const std::string& caption, double& value) = 0;
    // Accepts only minimum to maximum.
    virtual bool EditInt(const std::string& caption, int& value, int minimum, int maximum) = 0;
    // A change of the text cuts it to maxLength characters, and only characters of the code page
    // get in; a text left alone comes back as it was given.
    virtual bool EditString(const std::string& caption, std::string& value, int maxLength) = 0;
    virtual bool EditBool(const std::string& caption, bool& value) = 0;
    // Each component from 0 to 1.
    virtual bool EditColour(const std::string& caption, Velmo::Papy::Colour& value) = 0;
    // With noZ, z is shown but cannot be changed, and comes back as it was given.
    virtual bool EditVertex(const std::string& caption, double& x, double& y, double& z, bool noZ) = 0;

    // True on OK, false on Cancel.
    virtual bool AskOkCancel(const std::string& text) = 0;
    virtual void ShowMessage(const std::string& text) = 0;

protected:
    ThreeDObjectEditDialogs() = default;
    ThreeDObjectEditDialogs(const ThreeDObjectEditDialogs&) = default;
    ThreeDObjectEditDialogs& operator=(const ThreeDObjectEditDialogs&) = default;
};
