#include "Vantrel/Drawing/PlanColours.h"

namespace
{
constexpr PlanColourRow SurfaceColours[] = {
    {0, {0.5, 0.5, 0.5}},  // Asphalt
    {1, {0.8, 0.8, 0.8}},  // Concrete
    {2, {0.7, 0.6, 0.4}},  // Dirt
    {3, {0.2, 0.8, 0.2}},  // Grass
    {4, {0.8, 0.7, 0.5}},  // Gravel
    {6, {1.0, 1.0, 0.0}},  // Paint
    {7, {1.0, 0.0, 0.0}},  // Rumble Strip
    {8, {1.0, 0.9, 0.7}},  // Sand
    {9, {0.6, 0.5, 0.4}},  // Train Track
    {12, {0.0, 0.5, 1.0}}, // Water
};
// Invisible, Unknown, Unreachable and any other.
constexpr PlanColour OtherSurface{0.0, 0.0, 1.0};

constexpr PlanColourRow WallColours[] = {
    {0, {0.4, 0.4, 0.4}},  // Armco
    {1, {0.4, 0.4, 0.4}},  // Armco, left
    {2, {0.4, 0.4, 0.4}},  // Armco, right
    {3, {0.6, 0.6, 0.6}},  // Concrete
    {4, {0.6, 0.6, 0.6}},  // Concrete with fence
    {5, {0.2, 0.8, 0.3}},  // Forest
    {6, {0.9, 0.9, 0.5}},  // Hay Bales
    {8, {0.2, 0.6, 0.2}},  // Shrubs
    {9, {0.3, 0.3, 0.3}},  // Tyres
    {10, {0.0, 0.0, 0.0}}, // Wire Fence
    {11, {0.0, 0.0, 0.0}}, // Wire Fence, left
    {12, {0.0, 0.0, 0.0}}, // Wire Fence, right
    {13, {0.6, 0.6, 0.3}}, // Wood
};
// Invisible, Unknown and any other.
constexpr PlanColour OtherWall{0.0, 0.0, 0.6};
} // namespace

PlanColour FindPlanColour(std::span<const PlanColourRow> rows, int code, const PlanColour& otherwise)
{
    for (const PlanColourRow& row : rows)
        if (row.Code == code)
            return row.Colour;
    return otherwise;
}

PlanColour SurfacePlanColour(int surfaceType)
{
    return FindPlanColour(SurfaceColours, surfaceType, OtherSurface);
}

PlanColour WallPlanColour(int wallType)
{
    return FindPlanColour(WallColours, wallType, OtherWall);
}
