#include "Papy/Track/GPLTrkCodes.h"

#include "Papy/Model/Options.h"
#include "Papy/Track/CodeTable.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
// The unit that the assertions of the code tables name.
const char* const Unit = ".\\GPLTrkFile.cpp";

// One to one.
constexpr CodeRow<SurfaceType> FloorCodes[] = {
    {1, SurfaceAsphalt}, {2, SurfaceConcrete}, {3, SurfacePaint}, {4, SurfaceGrass},      {5, SurfaceDirt},
    {6, SurfaceSand},    {7, SurfaceGravel},   {8, SurfaceWater}, {9, SurfaceTrainTrack},
};

// Not one to one: codes 10 and 11 read as right-hand walls that no kind writes back, and
// concrete with fence writes the wire fence's code, which reads as a wire fence.
constexpr CodeRow<WallType> WallCodes[] = {
    {1, WallConcrete},
    {2, WallArmco},
    {3, WallTyres},
    {4, WallHayBales},
    {5, WallWireFence},
    {6, WallShrubs},
    {7, WallForest},
    {8, WallWood},
    {9, WallInvisible},
    {10, WallWireFenceRight, CodeUse::Read},
    {11, WallArmcoRight, CodeUse::Read},
    {5, WallConcreteWithFence, CodeUse::Write},
};
} // namespace

SurfaceType GPLTrkCodes::FloorSurface(S32 code)
{
    if (auto type = ValueOfCode<SurfaceType>(FloorCodes, code))
        return *type;
    VELMO_ASSERT_AT(!Options::Instance()->Strict, "false", Unit, 919);
    return SurfaceUnknown;
}

S32 GPLTrkCodes::FloorCode(SurfaceType type)
{
    if (auto code = CodeOfValue<SurfaceType>(FloorCodes, type))
        return *code;
    VELMO_ASSERT_AT(false, "false", Unit, 171);
    return 0;
}

WallType GPLTrkCodes::WallKind(S32 code)
{
    if (auto type = ValueOfCode<WallType>(WallCodes, code))
        return *type;
    VELMO_ASSERT_AT(!Options::Instance()->Strict, "false", Unit, 1029);
    return WallUnknown;
}

S32 GPLTrkCodes::WallCode(WallType type)
{
    if (auto code = CodeOfValue<WallType>(WallCodes, type))
        return *code;
    VELMO_ASSERT_AT(false, "false", Unit, 234);
    return 0;
}
} // namespace Velmo::Papy
