#pragma once
// The sample folders of the OpenGL pane suites, written once per program by the drawing
// samples' generator (drawing_samples.py, over the GPL, N4 and bitmap generators) into a
// temporary folder; and the plan pixels that the generator works out for a pane of a given
// size.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "Support/TempFolder.h"

namespace GLViewTest
{
struct Pixel
{
    std::string Kind;  // "white", "asphalt" or "red"
    int X;             // from the left
    int Y;             // from the bottom row
};

inline std::string Generator()
{
    return std::string(VELMO_TEST_SOURCE_DIR) + "/Vantrel/Drawing/drawing_samples.py";
}

inline bool Run(const std::string& arguments)
{
    const std::string command = std::string(VELMO_PYTHON3) + " " + Generator() + " " + arguments + " >/dev/null";
    return std::system(command.c_str()) == 0;
}

class Samples
{
public:
    static Samples& Get()
    {
        static Samples samples;
        return samples;
    }

    // A file of the gpl or n4 folder ("gpl/rotated.3do").
    std::string Path(const std::string& relative) const { return m_folder.Path(relative); }
    bool IsReady() const { return m_ready; }

    // The plan sample's pixels for a pane of that size, as the generator works them out.
    std::vector<Pixel> PlanPixels(int width, int height) const
    {
        VelmoTest::TempFolder folder;
        std::vector<Pixel> pixels;
        if (!Run(folder.Path() + " " + std::to_string(width) + " " + std::to_string(height)))
            return pixels;
        std::ifstream in(folder.Path("expected.txt"));
        std::string line;
        while (std::getline(in, line))
        {
            std::istringstream fields(line);
            std::string what, name;
            Pixel pixel;
            if (fields >> what >> name >> pixel.Kind >> pixel.X >> pixel.Y && what == "pixel" && name == "plan")
                pixels.push_back(pixel);
        }
        return pixels;
    }

    // A track of count segments round a circle (10 floor and 4 wall sections each) in the n4
    // folder; its path.
    std::string Lap(int count, double length)
    {
        const std::string path = Path("n4/lap" + std::to_string(count) + ".ptf");
        if (!std::ifstream(path).good())
            Run("large-ptf " + path + " " + std::to_string(count) + " " + std::to_string(length));
        return path;
    }

private:
    Samples() : m_ready(Run(m_folder.Path() + " 96 64")) {}

    VelmoTest::TempFolder m_folder;
    bool m_ready;
};
} // namespace GLViewTest
