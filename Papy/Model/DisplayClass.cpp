#include "Papy/Model/DisplayClass.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
std::string GetDisplayClassName(int value)
{
    static const char* const names[] = {
        "BevelledTire",
        "Billboard",
        "Car",
        "CarSpecular",
        "Cloud",
        "Cockpit",
        "Crowd",
        "Driver",
        "Driver Arm",
        "Fence",
        "Flagger",
        "Grandstand",
        "Groove",
        "Horizon",
        "Infield",
        "Object",
        "People",
        "Race Control",
        "Terrain",
        "Tire",
        "Track",
        "Track Marking",
        "Tree",
        "Unknown",
        "Vehicle",
        "Wall",
    };
    VELMO_ASSERT_TEXT(value >= DisplayClassFirst && value < DisplayClassEnd, "false");
    return names[value - DisplayClassFirst];
}
} // namespace Velmo::Papy
