#include "Papy/Model/SurfaceType.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
std::string GetSurfaceTypeName(int value)
{
    static const char* const names[] = {
        "Asphalt",
        "Concrete",
        "Dirt",
        "Grass",
        "Gravel",
        "Invisible",
        "Paint",
        "Rumble Strip",
        "Sand",
        "Train Track",
        "Unknown",
        "Unreachable",
        "Water",
    };
    VELMO_ASSERT_TEXT(value >= SurfaceTypeFirst && value < SurfaceTypeEnd, "false");
    return names[value - SurfaceTypeFirst];
}
} // namespace Velmo::Papy
