#include "Vantrel/Drawing/PlanColours.h"

PlanColour SurfacePlanColour(int surfaceType)
{
    switch (surfaceType)
    {
    case 0: return {0.5, 0.5, 0.5};  // Asphalt
    case 1: return {0.8, 0.8, 0.8};  // Concrete
    case 2: return {0.7, 0.6, 0.4};  // Dirt
    case 3: return {0.2, 0.8, 0.2};  // Grass
    case 4: return {0.8, 0.7, 0.5};  // Gravel
    case 6: return {1.0, 1.0, 0.0};  // Paint
    case 7: return {1.0, 0.0, 0.0};  // Rumble Strip
    case 8: return {1.0, 0.9, 0.7};  // Sand
    case 9: return {0.6, 0.5, 0.4};  // Train Track
    case 12: return {0.0, 0.5, 1.0}; // Water
    default: return {0.0, 0.0, 1.0}; // Invisible, Unknown, Unreachable and any other
    }
}

PlanColour WallPlanColour(int wallType)
{
    switch (wallType)
    {
    case 0: case 1: case 2: return {0.4, 0.4, 0.4};    // Armco, left, right
    case 3: case 4: return {0.6, 0.6, 0.6};            // Concrete, with fence
    case 5: return {0.2, 0.8, 0.3};                    // Forest
    case 6: return {0.9, 0.9, 0.5};                    // Hay Bales
    case 8: return {0.2, 0.6, 0.2};                    // Shrubs
    case 9: return {0.3, 0.3, 0.3};                    // Tyres
    case 10: case 11: case 12: return {0.0, 0.0, 0.0}; // Wire Fence, left, right
    case 13: return {0.6, 0.6, 0.3};                   // Wood
    default: return {0.0, 0.0, 0.6};                   // Invisible, Unknown and any other
    }
}
