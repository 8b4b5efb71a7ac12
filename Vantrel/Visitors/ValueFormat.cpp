#include "Vantrel/Visitors/ValueFormat.h"

#include <charconv>

#include "Papy/Model/BoundingBox.h"
#include "Papy/Model/Colour.h"
#include "Papy/Model/Normal.h"
#include "Papy/Model/Plane.h"
#include "Papy/Model/TextureVertex.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/Vertex.h"
#include "Util/Angles.h"
#include "Util/Exception.h"

using namespace Velmo;

// std::to_chars writes exactly what a stream imbued with the classic locale writes for the
// same conversion (it is specified as printf in the "C" locale), and never looks at the
// process locale.
namespace
{
template <class... Args>
void AppendChars(std::string& text, Args... args)
{
    // Large enough for any fixed double: 309 integer digits, the point, 6 decimals, the sign.
    char buffer[330];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, args...);
    VELMO_ASSERT(result.ec == std::errc());
    text.append(buffer, result.ptr);
}
} // namespace

void ValueFormat::AppendUnsigned(std::string& text, U32 value)
{
    AppendChars(text, value);
}

void ValueFormat::AppendSigned(std::string& text, S32 value)
{
    AppendChars(text, value);
}

void ValueFormat::AppendHex(std::string& text, U32 value)
{
    AppendChars(text, value, 16);
}

void ValueFormat::AppendFixed(std::string& text, double value)
{
    AppendChars(text, value, std::chars_format::fixed, 6);
}

void ValueFormat::AppendGeneral(std::string& text, float value)
{
    // A stream writes a float as the double of the same value.
    AppendChars(text, double(value), std::chars_format::general, 6);
}

std::string ValueFormat::Unsigned(U32 value)
{
    std::string text;
    AppendUnsigned(text, value);
    return text;
}

std::string ValueFormat::Signed(S32 value)
{
    std::string text;
    AppendSigned(text, value);
    return text;
}

std::string ValueFormat::Reference(int id)
{
    return id == -1 ? std::string() : Unsigned(U32(id));
}

std::string ValueFormat::Reference(const Papy::ThreeDObject* node)
{
    return node == nullptr ? std::string() : Reference(node->GetId());
}

std::string ValueFormat::Fixed(double value)
{
    std::string text;
    AppendFixed(text, value);
    return text;
}

std::string ValueFormat::Angle(double radians)
{
    return Degrees(Util::RadiansToDegrees(radians));
}

std::string ValueFormat::Degrees(double degrees)
{
    std::string text;
    AppendFixed(text, degrees);
    text += DegreeSign;
    return text;
}

std::string ValueFormat::Boolean(bool value)
{
    return value ? "true" : "false";
}

std::string ValueFormat::Colour(const Papy::Colour& colour)
{
    std::string text = "(";
    AppendGeneral(text, colour.GetRed());
    text += ' ';
    AppendGeneral(text, colour.GetGreen());
    text += ' ';
    AppendGeneral(text, colour.GetBlue());
    text += ' ';
    AppendGeneral(text, colour.GetAlpha());
    text += ')';
    return text;
}

std::string ValueFormat::Vertex(double x, double y, double z)
{
    std::string text = "(";
    AppendFixed(text, x);
    text += ' ';
    AppendFixed(text, y);
    text += ' ';
    AppendFixed(text, z);
    text += ')';
    return text;
}

std::string ValueFormat::Vertex(const Papy::Vertex& vertex)
{
    return Vertex(vertex.GetX(), vertex.GetY(), vertex.GetZ());
}

std::string ValueFormat::Vertex(const Papy::Normal& normal)
{
    return Vertex(normal.GetX(), normal.GetY(), normal.GetZ());
}

std::string ValueFormat::TextureVertex(double u, double v)
{
    std::string text = "(";
    AppendFixed(text, u);
    text += ' ';
    AppendFixed(text, v);
    text += ')';
    return text;
}

std::string ValueFormat::TextureVertex(const Papy::TextureVertex& vertex)
{
    return TextureVertex(vertex.GetU(), vertex.GetV());
}

std::string ValueFormat::Plane(const Papy::Plane& plane)
{
    std::string text = "(";
    AppendFixed(text, plane.GetA());
    text += ' ';
    AppendFixed(text, plane.GetB());
    text += ' ';
    AppendFixed(text, plane.GetC());
    text += ' ';
    AppendFixed(text, plane.GetD());
    text += ')';
    return text;
}

std::string ValueFormat::IndexTriple(S32 i, S32 j, S32 k)
{
    std::string text = "(";
    AppendSigned(text, i);
    text += ' ';
    AppendSigned(text, j);
    text += ' ';
    AppendSigned(text, k);
    text += ')';
    return text;
}

std::string ValueFormat::Box(const Papy::BoundingBox& box)
{
    if (box.IsEmpty())
        return "-";
    return Vertex(box.MinVertex) + "-" + Vertex(box.MaxVertex);
}

std::string ValueFormat::UnknownInteger(S32 value)
{
    std::string text;
    AppendUnsigned(text, U32(value));
    text += " (";
    AppendSigned(text, value);
    text += ") (0x";
    AppendHex(text, U32(value));
    text += ')';
    return text;
}
