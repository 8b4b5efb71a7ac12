#pragma once
// The camera pane's texts of the independent generator's camera files (race.py): camera i of a
// group holds seed + 0.25 k for its values k, shown with labels in 18 characters and "\n" line
// ends. Shared by the headless text tests and the pane's window tests.
#include <string>

namespace CamExpected
{
// TV1 of seed 1, fixed: rotation 2.75, 3, 3.25 and field of vision 3.5 radians shown in degrees.
inline const std::string FixedTV1 = "Type:             TV1\n"
                             "Fixed\n"
                             "Position:         (1.0 1.2 1.5)\n"
                             "Switch Offset:    1.8\n"
                             "Rotation:         (157.6 171.9 186.2)\n"
                             "Field of Vision:  (200.5 3.8 4.0)\n"
                             "\n"
                             "\n";
// TV1 of seed 20 and TV2 of seed -7, zoomed.
inline const std::string ZoomedTV1 = "Type:             TV1\n"
                              "Free\n"
                              "Position:         (20.0 20.2 20.5)\n"
                              "Switch Offset:    20.8\n"
                              "Start Zoom:       21.00\n"
                              "Mid Zoom:         21.25\n"
                              "End Zoom:         21.50\n"
                              "\n"
                              "\n";
inline const std::string ZoomedTV2 = "Type:             TV2\n"
                              "Free\n"
                              "Position:         (-7.0 -6.8 -6.5)\n"
                              "Switch Offset:    -6.2\n"
                              "Start Zoom:       -6.00\n"
                              "Mid Zoom:         -5.75\n"
                              "End Zoom:         -5.50\n"
                              "\n"
                              "\n";
// The pit-lane camera: 0.5 k - 2 for its values k.
inline const std::string Pitlane = "Type:             Pitlane\n"
                            "Fixed\n"
                            "Position:         (-2.0 -1.5 -1.0)\n"
                            "Rotation:         (-28.6 0.0 28.6)\n"
                            "Field of Vision:  (57.3 1.5 2.0)\n"
                            "\n"
                            "\n";

inline std::string N2Block(const char* type, const char* values)
{
    return std::string("Type:             ") + type + "\nFree\n\nUnknown values:   " + values + "\n\n";
}
} // namespace CamExpected
