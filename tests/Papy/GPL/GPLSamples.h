#pragma once
// The sample files of the independent generator (gpl3do.py), written once per test program
// into the build folder, and the generator's own listing of a file.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifndef VELMO_PYTHON3
#define VELMO_PYTHON3 "python3"
#endif

namespace VelmoTest
{
inline std::string GeneratorScript()
{
    return std::string(VELMO_TEST_SOURCE_DIR) + "/Papy/GPL/gpl3do.py";
}

// Runs the generator with the arguments; returns its standard output, or fails the test.
inline std::string RunGenerator(const std::string& arguments, int* status = nullptr)
{
    std::string command = std::string(VELMO_PYTHON3) + " \"" + GeneratorScript() + "\" " + arguments;
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
    {
        ADD_FAILURE() << "cannot run " << command;
        return output;
    }
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    int result = pclose(pipe);
    if (status != nullptr)
        *status = result;
    else if (result != 0)
        ADD_FAILURE() << command << " failed: " << output;
    return output;
}

inline const std::vector<std::string>& SampleNames()
{
    static const std::vector<std::string> names = {"minimal.3do", "basic.3do", "allkinds.3do", "track.3do",
                                                   "car.3do"};
    return names;
}

// The folder of the samples: written by the generator when the test program is built, so
// that test processes running side by side never see a file half-written.
inline std::string SampleFolder()
{
    return VELMO_GPL_SAMPLE_DIR;
}

inline std::vector<std::uint8_t> ReadSample(const std::string& name)
{
    std::ifstream in(SampleFolder() + "/" + name, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
} // namespace VelmoTest
