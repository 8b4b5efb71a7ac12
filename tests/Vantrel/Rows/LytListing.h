// The independent generator's listing of a layout sample (race.py, made by fileviews.py): shared
// by the layout model's tests and the layout window's tests.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "FileViewSamples.h"

namespace FileViewsTest
{
// Per control its type, x, y, width, height, string id, group, parent group, relative-to
// control, relative value, four further values, and its name.
struct Listed
{
    std::vector<std::string> numbers;
    std::string name;
};

// The controls listed in the sample's ".list" file, in file order.
inline std::vector<Listed> LytListing(const std::string& name)
{
    std::vector<Listed> controls;
    std::ifstream in(Samples("lyt") + "/" + name + ".list");
    for (std::string line; std::getline(in, line);)
    {
        std::istringstream words(line);
        std::string word;
        words >> word;
        if (word != "control")
            continue;
        Listed control;
        words >> word; // index
        for (int k = 0; k < 14; ++k)
        {
            words >> word;
            control.numbers.push_back(word);
        }
        words >> word;
        for (std::size_t i = 0; word != "-" && i + 1 < word.size(); i += 2)
            control.name.push_back(char(std::stoi(word.substr(i, 2), nullptr, 16)));
        controls.push_back(control);
    }
    return controls;
}
} // namespace FileViewsTest
