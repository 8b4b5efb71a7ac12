// The texture folders that drawing_samples.py writes for the texture tests: N4 squares in rows
// of six, each under a texture of its name, white where the texture shows and green (the tint)
// where the square is drawn untextured; centres.txt gives each square's name and centre.
#pragma once

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "DrawingTestSupport.h"

namespace DrawingTest
{
const Rgb Tint = Green;

struct Square
{
    std::string Name;
    double X = 0;
    double Y = 0;
};

// The squares of the folder's centres.txt, in the object's order.
inline std::vector<Square> SquaresIn(const std::string& folder)
{
    std::ifstream in(folder + "/centres.txt");
    std::vector<Square> squares;
    Square square;
    double half = 0;
    while (in >> square.Name >> square.X >> square.Y >> half)
        squares.push_back(square);
    return squares;
}

// Writes a folder with drawing_samples.py: MODE "FOLDER" ARGUMENTS.
inline void WriteTextureFolder(const std::string& mode, const std::string& folder, const std::string& arguments)
{
    const std::string command = std::string(VELMO_PYTHON3) + " \"" + VELMO_TEST_SOURCE_DIR +
                                "/Vantrel/Drawing/drawing_samples.py\" " + mode + " \"" + folder + "\" " + arguments;
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("failed: " + command);
}
} // namespace DrawingTest
