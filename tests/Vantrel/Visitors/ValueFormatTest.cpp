// The value texts of the field pane, under the classic locale and under a process locale that
// writes a decimal comma and groups digits.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <locale>
#include <sstream>

#include "Papy/Model/BoundingBox.h"
#include "Papy/Model/Colour.h"
#include "Papy/Model/Normal.h"
#include "Papy/Model/Plane.h"
#include "Papy/Model/TextureVertex.h"
#include "Papy/Model/Vertex.h"
#include "Vantrel/Visitors/ValueFormat.h"

using namespace Velmo::Papy;
using F = ValueFormat;

namespace
{
struct Case
{
    const char* what;
    std::function<std::string()> format;
    std::string expected;
};

const double pi = std::acos(-1.0);

std::vector<Case> Cases()
{
    return {
        {"unsigned", [] { return F::Unsigned(26); }, "26"},
        {"unsigned of -1", [] { return F::Unsigned(Velmo::U32(-1)); }, "4294967295"},
        {"signed", [] { return F::Signed(-123456); }, "-123456"},
        {"reference", [] { return F::Reference(1234567); }, "1234567"},
        {"reference of no node", [] { return F::Reference(-1); }, ""},
        {"reference of a handle id", [] { return F::Reference(-3); }, "4294967293"},
        {"fixed", [] { return F::Fixed(1.5); }, "1.500000"},
        {"fixed rounds to 6 decimals", [] { return F::Fixed(-0.0000006); }, "-0.000001"},
        {"fixed keeps the sign of what rounds to 0", [] { return F::Fixed(-0.0000001); }, "-0.000000"},
        {"fixed large", [] { return F::Fixed(1234567.25); }, "1234567.250000"},
        {"angle", [] { return F::Angle(pi / 2); }, "90.000000\xB0"},
        {"angle negative", [] { return F::Angle(-pi); }, "-180.000000\xB0"},
        {"degrees", [] { return F::Degrees(12.5); }, "12.500000\xB0"},
        {"boolean true", [] { return F::Boolean(true); }, "true"},
        {"boolean false", [] { return F::Boolean(false); }, "false"},
        {"colour half-transparent red", [] { return F::Colour(Colour(1, 0, 0, 0.5f)); }, "(1 0 0 0.5)"},
        {"colour six significant digits", [] { return F::Colour(Colour(0.1f, 1.0f / 3, 0.25f, 1)); },
         "(0.1 0.333333 0.25 1)"},
        {"colour with alpha 0", [] { return F::Colour(Colour(1, 1, 1, 0)); }, "(0 0 0 0)"},
        {"vertex", [] { return F::Vertex(Vertex(1, -2.5, 1000)); }, "(1.000000 -2.500000 1000.000000)"},
        {"normal", [] { return F::Vertex(Normal(0, 0, 1)); }, "(0.000000 0.000000 1.000000)"},
        {"texture vertex", [] { return F::TextureVertex(TextureVertex(0.25, 0.75)); }, "(0.250000 0.750000)"},
        {"plane", [] { return F::Plane(Plane(0, 1, 0, -2)); }, "(0.000000 1.000000 0.000000 -2.000000)"},
        {"index triple", [] { return F::IndexTriple(0, -1, 65536); }, "(0 -1 65536)"},
        {"empty box", [] { return F::Box(BoundingBox()); }, "-"},
        {"box", [] { return F::Box(BoundingBox(Vertex(0, 0, 0), Vertex(0, 0, 1))); },
         "(0.000000 0.000000 0.000000)-(0.000000 0.000000 1.000000)"},
        {"unknown integer", [] { return F::UnknownInteger(26); }, "26 (26) (0x1a)"},
        {"unknown integer -1", [] { return F::UnknownInteger(-1); }, "4294967295 (-1) (0xffffffff)"},
        {"unknown integer 0", [] { return F::UnknownInteger(0); }, "0 (0) (0x0)"},
        {"fixed nan", [] { return F::Fixed(std::numeric_limits<double>::quiet_NaN()); }, "nan"},
        {"fixed largest double", [] { return F::Fixed(std::numeric_limits<double>::max()).substr(0, 6); }, "179769"},
    };
}

// A process locale with a decimal comma and a point between groups of three digits.
class CommaPunct : public std::numpunct<char>
{
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

class GlobalLocale
{
public:
    explicit GlobalLocale(const std::locale& locale) : m_previous(std::locale::global(locale)) {}
    ~GlobalLocale() { std::locale::global(m_previous); }

private:
    std::locale m_previous;
};
} // namespace

TEST(ValueFormat, EveryFormat)
{
    for (const Case& c : Cases())
        EXPECT_EQ(c.format(), c.expected) << c.what;
}

TEST(ValueFormat, TheProcessLocaleChangesNothing)
{
    GlobalLocale comma(std::locale(std::locale::classic(), new CommaPunct));
    // The process locale is in force: a stream made now writes the comma and the groups.
    std::ostringstream probe;
    probe << std::fixed << 1234.5;
    ASSERT_EQ(probe.str(), "1.234,500000");
    for (const Case& c : Cases())
        EXPECT_EQ(c.format(), c.expected) << c.what;
}

TEST(ValueFormat, TheDegreeSignIsOneByte)
{
    const std::string text = F::Degrees(90);
    ASSERT_EQ(text.size(), 10u);
    EXPECT_EQ(static_cast<unsigned char>(text.back()), 0xB0);
}
