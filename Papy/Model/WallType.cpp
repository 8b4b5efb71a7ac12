#include "Papy/Model/WallType.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
std::string GetWallTypeName(int value)
{
    static const char* const names[] = {
        "Armco",
        "Armco (Left)",
        "Armco (Right)",
        "Concrete",
        "Concrete With Fence",
        "Forest",
        "Hay Bales",
        "Invisible",
        "Shrubs",
        "Tyres",
        "Wire Fence",
        "Wire Fence (Left)",
        "Wire Fence (Right)",
        "Wood",
        "Unknown",
    };
    VELMO_ASSERT_TEXT(value >= WallTypeFirst && value < WallTypeEnd, "false");
    return names[value - WallTypeFirst];
}
} // namespace Velmo::Papy
