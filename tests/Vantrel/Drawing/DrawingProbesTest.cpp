// The probe samples of drawing_samples.py drawn by the 3D drawing visitor into an offscreen
// context: at each probe point the colour the generator's model of the drawing gives (a node's
// primitives where its transforms put them, in its colour; the background where a node must not
// be drawn). Tolerance 2 per channel.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "DrawingSamples.h"
#include "DrawingTestSupport.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"

using namespace DrawingTest;

namespace
{
struct Probe
{
    double X;
    double Y;
    Rgb Colour;
};

// (file, options) -> probes, as the generator wrote them.
std::map<std::pair<std::string, std::string>, std::vector<Probe>> ReadProbes()
{
    std::map<std::pair<std::string, std::string>, std::vector<Probe>> probes;
    std::ifstream in(Samples::Get().Path("expected.txt"));
    std::string line;
    while (std::getline(in, line))
    {
        std::istringstream words(line);
        std::string what, file, options;
        Probe probe{};
        if (words >> what >> file >> options >> probe.X >> probe.Y >> probe.Colour[0] >> probe.Colour[1] >>
                probe.Colour[2] &&
            what == "probe")
            probes[{file, options}].push_back(probe);
    }
    return probes;
}

CountedPointer<TdoFile> LoadSample(const std::string& relative)
{
    const std::string folder = relative.substr(0, relative.find('/'));
    const std::string file = relative.substr(folder.size() + 1);
    const std::string name = file.substr(0, file.rfind('.'));
    const std::string extension = file.substr(name.size() + 1);
    return LoadObject(Samples::Get().Factory(folder), name, extension);
}

// The view of the probe line's options: from +z (the default), from -z ("below"), or one of
// the four sides of a wall, the view's y being the world's z.
void SetProbeView(const std::string& options)
{
    SetView();
    // Rows of the rotation: view x, y and z in world terms.
    static const std::map<std::string, std::array<double, 9>> sides = {
        {"inner", {1, 0, 0, 0, 0, 1, 0, -1, 0}},
        {"outer", {-1, 0, 0, 0, 0, 1, 0, 1, 0}},
        {"start", {0, -1, 0, 0, 0, 1, -1, 0, 0}},
        {"end", {0, 1, 0, 0, 0, 1, 1, 0, 0}},
        {"below", {-1, 0, 0, 0, 1, 0, 0, 0, -1}},
    };
    auto side = sides.find(options);
    if (side == sides.end())
        return;
    const std::array<double, 9>& r = side->second;
    const double m[16] = {r[0], r[3], r[6], 0, r[1], r[4], r[7], 0, r[2], r[5], r[8], 0, 0, 0, 0, 1};
    glMultMatrixd(m);
}

DrawOptions ProbeOptions(const std::string& options)
{
    DrawOptions draw;
    if (options == "boxes")
        draw.BoundingBoxes = true;
    else if (options.rfind("hide=", 0) == 0)
        draw.SetDraw(unsigned(std::stoul(options.substr(5))), false);
    else if (options.rfind("notexture=", 0) == 0)
        draw.SetTexture(unsigned(std::stoul(options.substr(10))), false);
    return draw;
}
} // namespace

// Every probe sample, each drawn with its options: the colours where the model puts them.
TEST(DrawingProbes, EachNodeLandsWhereTheModelPutsIt)
{
    GLContext context(64, 64);
    VELMO_REQUIRE_GL(context);
    const auto probes = ReadProbes();
    ASSERT_GE(probes.size(), 20u) << "the generator wrote no probes";
    for (const auto& [key, points] : probes)
    {
        const auto& [file, options] = key;
        SCOPED_TRACE(file + " " + options);
        CountedPointer<TdoFile> object;
        try
        {
            object = LoadSample(file);
        }
        catch (const Velmo::Util::Exception& error)
        {
            ADD_FAILURE() << error.GetText();
            continue;
        }
        ASSERT_TRUE(object);
        ThreeDObject3DVisitor visitor(Samples::Get().Factory(file.substr(0, file.find('/'))));
        SetProbeView(options);
        try
        {
            Draw(ProbeOptions(options), visitor, RootOf(object), nullptr);
        }
        catch (const Velmo::Util::Exception& error)
        {
            ADD_FAILURE() << error.GetText();
            continue;
        }
        for (const Probe& probe : points)
            EXPECT_COLOUR_AT(context, probe.X, probe.Y, probe.Colour);
        // Only the codes without a blend mode of their own are told.
        EXPECT_EQ(visitor.GetReport().HasNoProblems(), file != "n4/probe-blend18.3do" && file != "n4/probe-blend19.3do");
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
}
