#pragma once
// The texts of the values in the field pane. Numbers are written as the classic locale writes
// them, whatever the process locale: a point before the decimals and no digit grouping. Texts
// are 8-bit (code page 1252).
#include <string>

#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class BoundingBox;
class Colour;
class Normal;
class Plane;
class TextureVertex;
class ThreeDObject;
class Vertex;
} // namespace Velmo::Papy

class ValueFormat
{
public:
    // The degree sign of code page 1252.
    static constexpr char DegreeSign = '\xB0';

    // Unsigned decimal: -1 reads 4294967295.
    static std::string Unsigned(Velmo::U32 value);
    // Signed decimal.
    static std::string Signed(Velmo::S32 value);
    // A node id: empty for -1 (no node), else unsigned decimal.
    static std::string Reference(int id);
    // The id of a node in reference format; empty for no node.
    static std::string Reference(const Velmo::Papy::ThreeDObject* node);
    template <class Node>
    static std::string Reference(const Velmo::Util::CountedPointer<Node>& node)
    {
        return Reference(static_cast<const Velmo::Papy::ThreeDObject*>(node.Get()));
    }
    // Fixed notation with 6 decimals: 1.5 reads 1.500000.
    static std::string Fixed(double value);
    // Radians shown in degrees, fixed with 6 decimals and the degree sign.
    static std::string Angle(double radians);
    // Degrees as they are, fixed with 6 decimals and the degree sign.
    static std::string Degrees(double degrees);
    // "true" or "false".
    static std::string Boolean(bool value);
    // "(r g b a)", each in general notation with 6 significant digits.
    static std::string Colour(const Velmo::Papy::Colour& colour);
    // "(x y z)", each fixed with 6 decimals.
    static std::string Vertex(const Velmo::Papy::Vertex& vertex);
    static std::string Vertex(const Velmo::Papy::Normal& normal);
    static std::string Vertex(double x, double y, double z);
    // "(u v)", each fixed with 6 decimals.
    static std::string TextureVertex(const Velmo::Papy::TextureVertex& vertex);
    static std::string TextureVertex(double u, double v);
    // "(a b c d)", each fixed with 6 decimals.
    static std::string Plane(const Velmo::Papy::Plane& plane);
    // "(i j k)", signed decimal.
    static std::string IndexTriple(Velmo::S32 i, Velmo::S32 j, Velmo::S32 k);
    // "-" for the empty box, else the two corners in vertex format joined by "-".
    static std::string Box(const Velmo::Papy::BoundingBox& box);
    // A value whose meaning is not known: "26 (26) (0x1a)", "4294967295 (-1) (0xffffffff)".
    static std::string UnknownInteger(Velmo::S32 value);

    // The same formats appended to a text.
    static void AppendUnsigned(std::string& text, Velmo::U32 value);
    static void AppendSigned(std::string& text, Velmo::S32 value);
    static void AppendHex(std::string& text, Velmo::U32 value);
    static void AppendFixed(std::string& text, double value);
    static void AppendGeneral(std::string& text, float value);
};
