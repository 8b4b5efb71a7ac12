#include "Vantrel/Rows/CamText.h"

#include <iomanip>
#include <locale>
#include <sstream>

#include "Util/Angles.h"

using namespace Velmo;

namespace
{
class Writer
{
public:
    Writer()
    {
        m_text.imbue(std::locale::classic());
        m_text << std::right << std::fixed;
    }

    void Label(const char* label)
    {
        m_text << std::left << std::setw(CamText::LabelWidth) << label << std::right;
    }
    void Value(double value, int precision) { m_text << std::setprecision(precision) << value; }
    void Triple(double a, double b, double c, int precision)
    {
        m_text << std::setprecision(precision) << '(' << a << ' ' << b << ' ' << c << ')';
    }
    void Text(const std::string& text) { m_text << text; }
    void Integer(int value) { m_text << value; }
    void End() { m_text << '\n'; }

    std::string Get() const { return m_text.str(); }

private:
    std::ostringstream m_text;
};
} // namespace

std::string CamText::Make(const Papy::CamFile& file)
{
    std::string text;
    for (int i = 0; i < file.GetCameraCount(); ++i)
        text += MakeBlock(*file.GetCamera(i));
    return text;
}

std::string CamText::MakeBlock(const Papy::Camera& camera)
{
    Writer w;
    w.Label("Type:");
    w.Text(Papy::Camera::GetTypeName(camera.GetType()));
    w.End();
    const bool fixed = camera.IsFixed();
    w.Text(fixed ? "Fixed" : "Free");
    w.End();

    if (camera.HasPosition() || camera.HasTrackPosition())
        w.Label("Position:");
    if (camera.HasPosition())
    {
        w.Triple(camera.GetX(), camera.GetY(), camera.GetZ(), 1);
        w.End();
    }
    if (camera.HasTrackPosition())
    {
        w.Triple(camera.GetTrackPosition1(), camera.GetTrackPosition2(), camera.GetTrackPosition3(), 1);
        w.End();
        w.Label("Switch Offset:");
        w.Value(camera.GetSwitchOffset(), 1);
        w.End();
    }

    if (fixed)
    {
        w.Label("Rotation:");
        w.Triple(Util::RadiansToDegrees(camera.GetRotation1()), Util::RadiansToDegrees(camera.GetRotation2()),
                 Util::RadiansToDegrees(camera.GetRotation3()), 1);
        w.End();
        w.Label("Field of Vision:");
        w.Triple(Util::RadiansToDegrees(camera.GetFieldOfVision1()), camera.GetFieldOfVision2(),
                 camera.GetFieldOfVision3(), 1);
        w.End();
    }
    else if (camera.IsZoomed())
    {
        w.Label("Start Zoom:");
        w.Value(camera.GetStartZoom(), 2);
        w.End();
        w.Label("Mid Zoom:");
        w.Value(camera.GetMidZoom(), 2);
        w.End();
        w.Label("End Zoom:");
        w.Value(camera.GetEndZoom(), 2);
        w.End();
    }
    w.End();

    if (camera.GetIntegerCount() > 0)
    {
        w.Label("Unknown values:");
        for (int k = 0; k < camera.GetIntegerCount(); ++k)
        {
            w.Integer(camera.GetInteger(k));
            w.Text(" ");
        }
        w.End();
    }
    if (camera.GetRealCount() > 0)
    {
        w.Label("Unknown values:");
        for (int k = 0; k < camera.GetRealCount(); ++k)
        {
            w.Value(camera.GetReal(k), 1);
            w.Text(" ");
        }
        w.End();
    }
    w.End();
    return w.Get();
}
