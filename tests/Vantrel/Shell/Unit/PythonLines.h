#pragma once
// The lines the independent formatter (hexdump.py) gives for a file.
#include <cstdio>
#include <string>
#include <vector>


namespace VelmoTest
{
inline std::vector<std::string> PythonHexLines(const std::string& file, unsigned long long first = 0,
                                               long long count = -1)
{
    std::string command = std::string(VELMO_PYTHON3) + " " + VELMO_TEST_SOURCE_DIR + "/Vantrel/Shell/hexdump.py '" + file + "'";
    if (count >= 0)
        command += " " + std::to_string(first) + " " + std::to_string(count);
    std::vector<std::string> lines;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return lines;
    std::string current;
    for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe))
    {
        if (c == '\n')
        {
            lines.push_back(current);
            current.clear();
        }
        else
            current += char(c);
    }
    pclose(pipe);
    return lines;
}
} // namespace VelmoTest
