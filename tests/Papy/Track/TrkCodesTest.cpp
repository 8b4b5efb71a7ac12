// The codes a GPL track stores for floor surfaces and wall kinds, pinned value by value in both
// directions: read from a file (code to type) and written by the conversion to GPL (type to
// code). The two directions are not inverses: codes 10 and 11 read as right-hand walls that no
// type writes back, and concrete with fence writes the wire fence's code.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <set>

#include "Papy/Track/GPLTrkFile.h"
#include "Papy/Track/ICR2TrkFile.h"
#include "TrackSamples.h"
#include "Util/Exception.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace VelmoTest;

namespace
{
S32 Word(const Bytes& bytes, std::size_t at)
{
    return S32(U32(bytes.at(at)) | U32(bytes.at(at + 1)) << 8 | U32(bytes.at(at + 2)) << 16 | U32(bytes.at(at + 3)) << 24);
}

void Patch(Bytes& bytes, std::size_t at, S32 value)
{
    for (int k = 0; k < 4; ++k)
        bytes.at(at + k) = U8(U32(value) >> (8 * k));
}

// The kind words of a GPL track's boundaries, in file order.
std::vector<S32> BoundaryKinds(const Bytes& bytes)
{
    const std::size_t laterals = std::size_t(Word(bytes, 12)), sections = std::size_t(Word(bytes, 16));
    const std::size_t first = 92 + 4 * sections + 32 * sections * laterals;
    std::vector<S32> kinds;
    for (std::size_t at = first; at < first + std::size_t(Word(bytes, 20)); at += 32)
        kinds.push_back(Word(bytes, at + 8));
    return kinds;
}

// The offset of the kind word of the first boundary of a GPL track.
std::size_t FirstKind(const Bytes& bytes)
{
    return 92 + 4 * std::size_t(Word(bytes, 16)) + 32 * std::size_t(Word(bytes, 16)) * std::size_t(Word(bytes, 12)) + 8;
}

// The ICR2 sample with every floor and wall of the given types, as a source of the conversion.
class Retyped : public ICR2TrkFile
{
public:
    Retyped(Util::BinaryStream& stream, SurfaceType floor, WallType wall) : ICR2TrkFile(stream), m_floor(floor), m_wall(wall) {}
    SurfaceType GetFloorType(int, int) const override { return m_floor; }
    WallType GetWallType(int, int) const override { return m_wall; }

private:
    SurfaceType m_floor;
    WallType m_wall;
};

// The kind words the conversion writes for floors and for walls (without the wall bit), or the
// assertion it raises.
struct Written
{
    std::set<S32> floors;
    std::set<S32> walls;
    std::string assertion;
};

Written Convert(SurfaceType floor, WallType wall)
{
    Util::MemoryStream stream(ReadTrackSample("icr2-corners.trk"), "icr2-corners.trk");
    Retyped source(stream, floor, wall);
    Written written;
    try
    {
        GPLTrkFile converted(static_cast<const TrkFile&>(source));
        for (S32 kind : BoundaryKinds(SaveTrk(converted)))
        {
            if ((kind & GPLTrkFile::WallBit) != 0)
                written.walls.insert(kind & ~GPLTrkFile::WallBit);
            else if (kind != 10)
                written.floors.insert(kind);
        }
    }
    catch (const Util::XAssertion& e)
    {
        written.assertion = std::string(e.GetExpression()) + " " + e.GetFile() + ":" + std::to_string(e.GetLine());
    }
    return written;
}

const std::map<S32, SurfaceType> FloorCodes = {{1, SurfaceAsphalt}, {2, SurfaceConcrete}, {3, SurfacePaint},
                                               {4, SurfaceGrass},   {5, SurfaceDirt},     {6, SurfaceSand},
                                               {7, SurfaceGravel},  {8, SurfaceWater},    {9, SurfaceTrainTrack}};
const std::map<S32, WallType> WallCodes = {{1, WallConcrete},      {2, WallArmco},           {3, WallTyres},
                                           {4, WallHayBales},      {5, WallWireFence},       {6, WallShrubs},
                                           {7, WallForest},        {8, WallWood},            {9, WallInvisible},
                                           {10, WallWireFenceRight}, {11, WallArmcoRight}};
} // namespace

TEST(GPLTrkCodes, FloorCodesReadAsTheirSurfaces)
{
    const Bytes sample = ReadTrackSample("gpl-minimal.trk");
    const std::size_t at = FirstKind(sample);
    ASSERT_EQ(Word(sample, at), 1);
    // Every code of 11 bits with a few above; the bits above the code and the wall bit are not
    // part of a floor's code.
    std::vector<S32> kinds = {S32(0x800007FFu), 0x1001, 0x7FF, 0x7FA, 4096 + 9};
    for (S32 code = 0; code <= 40; ++code)
        kinds.push_back(code);
    for (S32 kind : kinds)
    {
        SCOPED_TRACE(kind);
        Bytes bytes = sample;
        Patch(bytes, at, kind);
        auto file = LoadTrk<GPLTrkFile>(bytes);
        auto known = FloorCodes.find(kind & 0x7FF);
        if (known != FloorCodes.end())
        {
            EXPECT_EQ(file->GetFloorType(0, 0), known->second);
            StrictScope strict;
            EXPECT_EQ(file->GetFloorType(0, 0), known->second);
            continue;
        }
        EXPECT_EQ(file->GetFloorType(0, 0), SurfaceUnknown);
        StrictScope strict;
        try
        {
            file->GetFloorType(0, 0);
            ADD_FAILURE() << "no assertion";
        }
        catch (const Util::XAssertion& e)
        {
            EXPECT_STREQ(e.GetExpression(), "false");
            EXPECT_STREQ(e.GetFile(), ".\\GPLTrkFile.cpp");
            EXPECT_EQ(e.GetLine(), 919);
        }
    }
}

TEST(GPLTrkCodes, WallCodesReadAsTheirKinds)
{
    const Bytes sample = ReadTrackSample("gpl-corners.trk");
    const std::size_t at = FirstKind(sample);
    ASSERT_EQ(Word(sample, at), GPLTrkFile::WallBit | 1);
    std::vector<S32> codes = {0x7FF, 0x7F5, 0x1000 | 2};
    for (S32 code = 0; code <= 40; ++code)
        codes.push_back(code);
    for (S32 code : codes)
    {
        SCOPED_TRACE(code);
        Bytes bytes = sample;
        Patch(bytes, at, GPLTrkFile::WallBit | code);
        auto file = LoadTrk<GPLTrkFile>(bytes);
        ASSERT_EQ(file->GetWallCount(0), 2);
        auto known = WallCodes.find(code & 0x7FF);
        if (known != WallCodes.end())
        {
            EXPECT_EQ(file->GetWallType(0, 0), known->second);
            StrictScope strict;
            EXPECT_EQ(file->GetWallType(0, 0), known->second);
            continue;
        }
        EXPECT_EQ(file->GetWallType(0, 0), WallUnknown);
        StrictScope strict;
        try
        {
            file->GetWallType(0, 0);
            ADD_FAILURE() << "no assertion";
        }
        catch (const Util::XAssertion& e)
        {
            EXPECT_STREQ(e.GetExpression(), "false");
            EXPECT_STREQ(e.GetFile(), ".\\GPLTrkFile.cpp");
            EXPECT_EQ(e.GetLine(), 1029);
        }
    }
}

TEST(GPLTrkCodes, SurfacesWriteTheirFloorCodes)
{
    // Every surface type; the ones without a code stop the conversion.
    const std::map<SurfaceType, S32> expected = {{SurfaceAsphalt, 1}, {SurfaceConcrete, 2},   {SurfaceDirt, 5},
                                                 {SurfaceGrass, 4},   {SurfaceGravel, 7},     {SurfacePaint, 3},
                                                 {SurfaceSand, 6},    {SurfaceTrainTrack, 9}, {SurfaceWater, 8}};
    for (int value = SurfaceTypeFirst; value < SurfaceTypeEnd; ++value)
    {
        SurfaceType type = SurfaceType(value);
        SCOPED_TRACE(value);
        Written written = Convert(type, WallArmco);
        auto code = expected.find(type);
        if (code == expected.end())
        {
            EXPECT_EQ(written.assertion, "false .\\GPLTrkFile.cpp:171");
            continue;
        }
        EXPECT_EQ(written.assertion, "");
        EXPECT_EQ(written.floors, std::set<S32>{code->second});
        EXPECT_EQ(written.walls, std::set<S32>{2});
        // Read back, the code gives the type again.
        EXPECT_EQ(FloorCodes.at(code->second), type);
    }
}

TEST(GPLTrkCodes, WallKindsWriteTheirWallCodes)
{
    // Every wall type; concrete with fence shares the wire fence's code, and the right-hand
    // kinds that codes 10 and 11 read as have no code to write.
    const std::map<WallType, S32> expected = {{WallArmco, 2},    {WallConcrete, 1},          {WallConcreteWithFence, 5},
                                              {WallForest, 7},   {WallHayBales, 4},          {WallInvisible, 9},
                                              {WallShrubs, 6},   {WallTyres, 3},             {WallWireFence, 5},
                                              {WallWood, 8}};
    for (int value = WallTypeFirst; value < WallTypeEnd; ++value)
    {
        WallType type = WallType(value);
        SCOPED_TRACE(value);
        Written written = Convert(SurfaceAsphalt, type);
        auto code = expected.find(type);
        if (code == expected.end())
        {
            EXPECT_EQ(written.assertion, "false .\\GPLTrkFile.cpp:234");
            continue;
        }
        EXPECT_EQ(written.assertion, "");
        EXPECT_EQ(written.walls, std::set<S32>{code->second});
        EXPECT_EQ(written.floors, std::set<S32>{1});
        EXPECT_EQ(WallCodes.at(code->second), type == WallConcreteWithFence ? WallWireFence : type);
    }
}

TEST(ICR2TrkCodes, FloorCodeBandsAndWallCodes)
{
    // Floors: bands of codes up to 6, 22, 38, 46 and 54, the grip falling from 0 at the band's
    // top; above the last band an assertion.
    const Bytes corners = ReadTrackSample("icr2-corners.trk");
    const std::size_t sections = std::size_t(Word(corners, 16)), laterals = std::size_t(Word(corners, 12));
    const std::size_t floor = 68 + 4 * sections + 32 * sections * laterals + 8;
    const struct
    {
        S32 top;
        SurfaceType type;
    } bands[] = {{6, SurfaceGrass}, {22, SurfaceGravel}, {38, SurfaceConcrete}, {46, SurfaceAsphalt}, {54, SurfacePaint}};
    for (S32 code : {-2147483647 - 1, -7, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 21, 22, 23, 30, 37, 38, 39, 45, 46, 47, 53,
                     54, 55, 56, 100, 2147483647})
    {
        SCOPED_TRACE(code);
        Bytes bytes = corners;
        Patch(bytes, floor, code);
        auto file = LoadTrk<ICR2TrkFile>(bytes);
        const auto* band = std::find_if(std::begin(bands), std::end(bands), [&](const auto& b) { return code <= b.top; });
        if (band != std::end(bands))
        {
            EXPECT_EQ(file->GetFloorType(0, 0), band->type);
            // Held in an int: the lowest codes stay at the lowest grip rather than wrap round
            // to a high one.
            EXPECT_EQ(file->GetFloorGrip(0, 0), int(std::max<S64>(S64(code) - band->top, INT32_MIN)));
            if (code < 0)
            {
                EXPECT_LT(file->GetFloorGrip(0, 0), 0);
            }
            continue;
        }
        for (int line : {869, 895})
            try
            {
                line == 869 ? void(file->GetFloorType(0, 0)) : void(file->GetFloorGrip(0, 0));
                ADD_FAILURE() << "no assertion";
            }
            catch (const Util::XAssertion& e)
            {
                EXPECT_STREQ(e.GetExpression(), "false");
                EXPECT_STREQ(e.GetFile(), ".\\ICR2TrkFile.cpp");
                EXPECT_EQ(e.GetLine(), line);
            }
    }

    // Walls: four even codes; any other is an assertion, Strict or not.
    const std::size_t wall = 68 + 4 * sections + 32 * sections * laterals + std::size_t(Word(corners, 20)) + 52;
    const std::map<S32, WallType> walls = {{0, WallArmco}, {2, WallWireFence}, {4, WallConcrete}, {6, WallConcreteWithFence}};
    for (S32 code = -2; code <= 10; ++code)
    {
        SCOPED_TRACE(code);
        Bytes bytes = corners;
        Patch(bytes, wall, code);
        auto file = LoadTrk<ICR2TrkFile>(bytes);
        auto known = walls.find(code);
        if (known != walls.end())
        {
            EXPECT_EQ(file->GetWallType(0, 0), known->second);
            continue;
        }
        try
        {
            file->GetWallType(0, 0);
            ADD_FAILURE() << "no assertion";
        }
        catch (const Util::XAssertion& e)
        {
            EXPECT_STREQ(e.GetExpression(), "false");
            EXPECT_STREQ(e.GetFile(), ".\\ICR2TrkFile.cpp");
            EXPECT_EQ(e.GetLine(), 951);
        }
    }
}
