#pragma once
// The dialogs of the field editor answered from a script: every request is written down as a
// line, and each editor answers OK with the scripted value (or the value it was given) or
// Cancel.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Papy/Model/Colour.h"
#include "Vantrel/Visitors/ThreeDObjectEditDialogs.h"
#include "Vantrel/Visitors/ValueParse.h"

namespace VelmoTest
{
class ScriptedDialogs : public ThreeDObjectEditDialogs
{
public:
    // The answer of the next editors and questions: OK or Cancel, and the value of an OK (the
    // value given to the editor when none is scripted).
    bool ok = true;
    std::optional<double> number;
    std::optional<int> integer;
    std::optional<std::string> text;
    std::optional<bool> flag;
    std::optional<Velmo::Papy::Colour> colour;
    std::optional<double> x, y, z;
    // The answer to "Delete Child ?"; the same as ok when none is scripted.
    std::optional<bool> confirm;

    // One line per request, as "Kind|caption|shown value".
    std::vector<std::string> asked;

    bool EditFloat(const std::string& caption, double& value) override
    {
        Ask("Float", caption, ValueParse::FormatDouble(value));
        if (ok && number)
            value = *number;
        return ok;
    }
    bool EditInt(const std::string& caption, int& value, int minimum, int maximum) override
    {
        Ask("Int " + std::to_string(minimum) + ".." + std::to_string(maximum), caption, std::to_string(value));
        if (ok && integer)
            value = *integer;
        return ok;
    }
    bool EditString(const std::string& caption, std::string& value, int maxLength) override
    {
        Ask("String(" + std::to_string(maxLength) + ")", caption, value);
        if (ok && text)
            value = *text;
        return ok;
    }
    bool EditBool(const std::string& caption, bool& value) override
    {
        Ask("Bool", caption, value ? "true" : "false");
        if (ok && flag)
            value = *flag;
        return ok;
    }
    bool EditColour(const std::string& caption, Velmo::Papy::Colour& value) override
    {
        Ask("Colour", caption,
            ValueParse::FormatFloat(value.GetRed()) + " " + ValueParse::FormatFloat(value.GetGreen()) + " " +
                ValueParse::FormatFloat(value.GetBlue()) + " " + ValueParse::FormatFloat(value.GetAlpha()));
        if (ok && colour)
            value = *colour;
        return ok;
    }
    bool EditVertex(const std::string& caption, double& vx, double& vy, double& vz, bool noZ) override
    {
        Ask(noZ ? "Vertex NoZ" : "Vertex", caption,
            ValueParse::FormatDouble(vx) + " " + ValueParse::FormatDouble(vy) + " " + ValueParse::FormatDouble(vz));
        if (ok)
        {
            vx = x.value_or(vx);
            vy = y.value_or(vy);
            // A dialog that ignored NoZ: the editor must still keep the given Z.
            vz = z.value_or(vz);
        }
        return ok;
    }
    bool AskOkCancel(const std::string& question) override
    {
        asked.push_back("Ask|" + question);
        return confirm.value_or(ok);
    }
    void ShowMessage(const std::string& message) override { asked.push_back("Message|" + message); }

private:
    void Ask(const std::string& kind, const std::string& caption, const std::string& shown)
    {
        asked.push_back(kind + "|" + caption + "|" + shown);
    }
};
} // namespace VelmoTest
