#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Papy/Track/GPLLpFile.h"
#include "Papy/Track/GPLTrkFile.h"
#include "Papy/Track/ICR2LpFile.h"
#include "Papy/Track/ICR2TrkFile.h"
#include "Papy/Track/N4LpFile.h"
#include "TrackSamples.h"
#include "Util/Exception.h"
#include "tests/Support/ByteBuilder.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace VelmoTest;
using Util::CountedPointer;

namespace
{
// Loads a file with the reader the generator names.
void LoadWith(const std::string& reader, const Bytes& bytes, const std::string& track)
{
    Util::MemoryStream stream(bytes, "crafted");
    if (reader == "gpl")
        GPLTrkFile file(stream);
    else if (reader == "icr2")
        ICR2TrkFile file(stream);
    else if (reader == "gpllp")
        GPLLpFile line(stream, *LoadTrk<GPLTrkFile>(ReadTrackSample(track)));
    else if (reader == "icr2lp")
        ICR2LpFile line(stream);
    else if (reader == "n4lp")
        N4LpFile line(stream);
    else
        FAIL() << "unknown reader " << reader;
}

std::string Unescape(std::string message)
{
    for (std::size_t at; (at = message.find("\\n")) != std::string::npos;)
        message.replace(at, 2, "\n");
    return message;
}

// Every crafted file of the generator whose reader name starts with prefix is refused with
// its message, word for word; the edge files that must load do.
void CheckCrafted(const std::string& prefix)
{
    int checked = 0;
    for (const auto& row : ReadTrackTable("crafted.txt"))
    {
        ASSERT_EQ(row.size(), 5u);
        if (row[1].rfind(prefix, 0) != 0)
            continue;
        SCOPED_TRACE(row[0]);
        StrictScope strict(row[2] == "1");
        try
        {
            LoadWith(row[1], ReadTrackSample(row[0]), row[3]);
            ADD_FAILURE() << "loaded";
        }
        catch (const Util::XFileFormat& e)
        {
            EXPECT_EQ(e.GetMessage(), Unescape(row[4]));
        }
        ++checked;
    }
    EXPECT_GT(checked, 3);
    for (const auto& row : ReadTrackTable("loads.txt"))
    {
        if (row[1].rfind(prefix, 0) != 0)
            continue;
        SCOPED_TRACE(row[0]);
        StrictScope strict(row[2] == "1");
        EXPECT_NO_THROW(LoadWith(row[1], ReadTrackSample(row[0]), ""));
    }
}

// Our integer positions equal the generator's at every listed place.
template <class File>
void CheckPositions(const std::string& name)
{
    auto file = LoadTrk<File>(ReadTrackSample(name + ".trk"));
    auto rows = ReadTrackTable(name + ".pos", false);
    ASSERT_GT(rows.size(), 30u);
    for (const auto& row : rows)
    {
        ASSERT_EQ(row.size(), 9u);
        TrkFilePosition p = file->ComputePosition(std::stoll(row[0]), std::stoll(row[1]));
        std::string ours = std::to_string(p.X) + " " + std::to_string(p.Y) + " " + std::to_string(p.Z) + " " +
                           std::to_string(p.Heading) + " " + std::to_string(p.Pitch) + " " + std::to_string(p.Bank) +
                           " " + std::to_string(int(p.Surface));
        std::string theirs = row[2];
        for (int i = 3; i < 9; ++i)
            theirs += " " + row[i];
        ASSERT_EQ(ours, theirs) << name << " at " << row[0] << " " << row[1];
    }
    // The 2D lengths, summed in single precision, agree to the bit.
    auto info = ReadTrackTable(name + ".info", false);
    EXPECT_EQ(file->GetLength2D(), std::stof(info[0][1])) << name;
}

void PatchS32(Bytes& bytes, std::size_t at, std::int32_t value)
{
    for (int k = 0; k < 4; ++k)
        bytes.at(at + k) = std::uint8_t(std::uint32_t(value) >> (8 * k));
}

// A GPL track that claims more laterals than the format holds.
class WideTrack : public GPLTrkFile
{
public:
    using GPLTrkFile::GPLTrkFile;
    int GetLateralCount() const override { return 17; }
};
} // namespace

TEST(GPLTrkFile, CraftedFilesGiveTheirMessages)
{
    CheckCrafted("gpl");
}

TEST(ICR2TrkFile, CraftedFilesGiveTheirMessages)
{
    CheckCrafted("icr2");
}

TEST(GPLTrkFile, PositionsMatchTheIndependentComputation)
{
    for (const char* name : {"gpl-minimal", "gpl-corners", "gpl-1668"})
        CheckPositions<GPLTrkFile>(name);
}

TEST(ICR2TrkFile, PositionsMatchTheIndependentComputation)
{
    for (const char* name : {"icr2-minimal", "icr2-corners"})
        CheckPositions<ICR2TrkFile>(name);
}

TEST(GPLTrkFile, SavesByteForByte)
{
    for (const char* name : {"gpl-minimal.trk", "gpl-corners.trk"})
    {
        Bytes bytes = ReadTrackSample(name);
        StrictScope strict;
        EXPECT_EQ(SaveTrk(*LoadTrk<GPLTrkFile>(bytes)), bytes) << name;
    }
    EXPECT_EQ(ReadTrackSample("gpl-minimal.trk").size(), 396u);
}

TEST(GPLTrkFile, BoundaryWordsAt24And28AreIgnoredAndWrittenAsZero)
{
    Bytes bytes = ReadTrackSample("gpl-minimal.trk");
    const std::size_t boundaries = 92 + 8 + 64;
    Bytes dirty = bytes;
    PatchS32(dirty, boundaries + 24, 77);
    PatchS32(dirty, boundaries + 32 + 28, -1);
    EXPECT_EQ(SaveTrk(*LoadTrk<GPLTrkFile>(dirty)), bytes);
}

TEST(GPLTrkFile, FloorsAndWallsOfASection)
{
    auto file = LoadTrk<GPLTrkFile>(ReadTrackSample("gpl-corners.trk"));
    // Boundaries: concrete wall, grass, asphalt, concrete, armco wall, closing.
    ASSERT_EQ(file->GetFloorCount(0), 5);
    EXPECT_EQ(file->GetFloorRightFrom(0, 1), -360000);
    EXPECT_EQ(file->GetFloorLeftFrom(0, 1), -280000);
    const SurfaceType floors[] = {SurfaceAsphalt, SurfaceGrass, SurfaceAsphalt, SurfaceConcrete, SurfaceAsphalt};
    for (int b = 0; b < 5; ++b)
        EXPECT_EQ(file->GetFloorType(0, b), floors[b]) << b;
    EXPECT_TRUE(file->IsFloorWall(0, 0));
    EXPECT_EQ(file->GetFloorHeight(0, 0), 0);
    EXPECT_EQ(file->GetFloorClass(0, 0), 0);
    EXPECT_EQ(file->GetFloorClass(0, 1), 2);
    ASSERT_EQ(file->GetWallCount(0), 2);
    EXPECT_EQ(file->GetWallType(0, 0), WallConcrete);
    EXPECT_EQ(file->GetWallType(0, 1), WallArmco);
    EXPECT_EQ(file->GetWallInnerFrom(0, 1), 360000);
    EXPECT_EQ(file->GetWallOuterFrom(0, 1), 420000);
    EXPECT_EQ(file->GetWallHeight(0, 0), 30000);
    EXPECT_EQ(file->GetWallValueCount(), 3);
    EXPECT_EQ(file->GetWallValue(0, 0, 0), 7);
    EXPECT_EQ(file->GetWallValue(0, 0, 1), 9);
    EXPECT_EQ(file->GetWallValue(0, 0, 2), 1);
    EXPECT_EQ(file->GetFloorValue(0, 0, 1), 9);
}

TEST(GPLTrkFile, UnknownCodesAreUnknownOrAnAssertionWhenStrict)
{
    Bytes bytes = ReadTrackSample("gpl-minimal.trk");
    PatchS32(bytes, 92 + 8 + 64 + 8, 12);
    auto file = LoadTrk<GPLTrkFile>(bytes);
    EXPECT_EQ(file->GetFloorType(0, 0), SurfaceUnknown);
    StrictScope strict;
    EXPECT_THROW(file->GetFloorType(0, 0), Util::XAssertion);
}

TEST(GPLTrkFile, SettersKeepTheGradesAndTheLateralOrder)
{
    auto file = LoadTrk<GPLTrkFile>(ReadTrackSample("gpl-corners.trk"));
    file->SetAltitude(2, 1, 100, 200, 300, 400);
    EXPECT_EQ(file->GetAltitudeConstant(2, 1), 100);
    EXPECT_EQ(file->GetAltitudeLinear(2, 1), 200);
    EXPECT_EQ(file->GetAltitudeSquare(2, 1), 300);
    EXPECT_EQ(file->GetAltitudeCube(2, 1), 400);
    EXPECT_EQ(file->GetLinearGrade(2, 1), 600);
    EXPECT_EQ(file->GetSquareGrade(2, 1), 1200);
    // Laterals -300000, -120000, 0, 150000, 310000: only a value strictly between the neighbours.
    file->SetLateral(1, -300000);
    file->SetLateral(1, 0);
    EXPECT_EQ(file->GetLateral(1), -120000);
    file->SetLateral(1, -299999);
    EXPECT_EQ(file->GetLateral(1), -299999);
    file->SetLateral(0, -5000000);
    EXPECT_EQ(file->GetLateral(0), -5000000);
    // A section or lateral beyond the file is a caller's error, in getters and setters alike.
    int sections = file->GetSectionCount(), laterals = file->GetLateralCount();
    for (auto [s, l] : {std::pair{-1, 0}, {sections, 0}, {0, -1}, {0, laterals}, {sections - 1, laterals}})
    {
        EXPECT_THROW(file->GetAltitudeConstant(s, l), Util::XAssertion) << s << " " << l;
        EXPECT_THROW(file->SetAltitudeCube(s, l, 1), Util::XAssertion) << s << " " << l;
    }
}

TEST(GPLTrkFile, ConversionFromICR2LoadsBack)
{
    auto source = LoadTrk<ICR2TrkFile>(ReadTrackSample("icr2-corners.trk"));
    GPLTrkFile converted(*source);
    auto back = LoadTrk<GPLTrkFile>(SaveTrk(converted));
    ASSERT_EQ(back->GetSectionCount(), source->GetSectionCount());
    EXPECT_EQ(back->GetLength(), source->GetLength());
    for (int s = 0; s < source->GetSectionCount(); ++s)
    {
        SCOPED_TRACE(s);
        EXPECT_EQ(back->IsCorner(s), source->IsCorner(s));
        ASSERT_EQ(back->GetWallCount(s), source->GetWallCount(s));
        for (int w = 0; w < source->GetWallCount(s); ++w)
        {
            // Concrete with fence has no GPL code of its own: it becomes a wire fence.
            WallType type = source->GetWallType(s, w);
            EXPECT_EQ(back->GetWallType(s, w), type == WallConcreteWithFence ? WallWireFence : type);
            EXPECT_EQ(back->GetWallInnerFrom(s, w), source->GetWallInnerFrom(s, w));
            EXPECT_EQ(back->GetWallHeight(s, w), ICR2TrkFile::WallHeight);
        }
        // Every strip keeps its surface; a wall inside a strip splits it in two.
        EXPECT_GE(back->GetFloorCount(s), source->GetFloorCount(s));
        EXPECT_EQ(back->GetFloorType(s, 0), source->GetFloorType(s, 0));
        EXPECT_EQ(back->GetLateralCount(), source->GetLateralCount());
        EXPECT_EQ(back->GetTraceRadius(s, 2), source->GetTraceRadius(s, 2));
    }
    // Geometry and altitudes are the source's.
    for (S64 longitude = 0; longitude < source->GetLength(); longitude += 997331)
    {
        TrkFilePosition a = source->ComputePosition(longitude, 12345);
        TrkFilePosition b = back->ComputePosition(longitude, 12345);
        EXPECT_EQ(a.X, b.X);
        EXPECT_EQ(a.Y, b.Y);
        EXPECT_EQ(a.Z, b.Z);
        EXPECT_EQ(a.Pitch, b.Pitch);
    }
}

TEST(GPLTrkFile, ConversionRefusesMoreThanSixteenLaterals)
{
    Util::MemoryStream stream(ReadTrackSample("gpl-minimal.trk"), "wide.trk");
    WideTrack wide(stream);
    try
    {
        GPLTrkFile converted(static_cast<const TrkFile&>(wide));
        FAIL() << "converted";
    }
    catch (const Util::XUsage& e)
    {
        EXPECT_EQ(e.GetText(), "GPL trk file supports too few laterals");
    }
}

TEST(ICR2TrkFile, SavesByteForByte)
{
    for (const char* name : {"icr2-minimal.trk", "icr2-corners.trk"})
    {
        Bytes bytes = ReadTrackSample(name);
        EXPECT_EQ(SaveTrk(*LoadTrk<ICR2TrkFile>(bytes)), bytes) << name;
    }
}

TEST(ICR2TrkFile, SaveRecomputesTheOffsetsAndTheSectionDataSize)
{
    Bytes bytes = ReadTrackSample("icr2-corners.trk");
    Bytes stale = bytes;
    PatchS32(stale, 24, 0);
    PatchS32(stale, 68 + 4, 999);
    EXPECT_EQ(SaveTrk(*LoadTrk<ICR2TrkFile>(stale)), bytes);
}

TEST(ICR2TrkFile, FloorsWallsAndTheirCodes)
{
    auto file = LoadTrk<ICR2TrkFile>(ReadTrackSample("icr2-corners.trk"));
    // Section 1: codes 5, 14, 41, 30, 50 and walls Wire Fence at 380000-390000 and Concrete at 420000.
    ASSERT_EQ(file->GetFloorCount(1), 5);
    const SurfaceType types[] = {SurfaceGrass, SurfaceGravel, SurfaceAsphalt, SurfaceConcrete, SurfacePaint};
    const int grips[] = {-1, -8, -5, -8, -4};
    for (int b = 0; b < 5; ++b)
    {
        EXPECT_EQ(file->GetFloorType(1, b), types[b]) << b;
        EXPECT_EQ(file->GetFloorGrip(1, b), grips[b]) << b;
    }
    ASSERT_EQ(file->GetWallCount(1), 2);
    EXPECT_EQ(file->GetWallType(1, 0), WallWireFence);
    EXPECT_EQ(file->GetWallType(1, 1), WallConcrete);
    EXPECT_EQ(file->GetWallInnerTo(1, 0), 390000);
    EXPECT_EQ(file->GetWallOuterTo(1, 0), 390000);
    // The last strip reaches the last wall; without walls (section 2) it has no width.
    EXPECT_EQ(file->GetFloorLeftFrom(1, 4), 420000);
    ASSERT_EQ(file->GetWallCount(2), 0);
    EXPECT_EQ(file->GetFloorLeftFrom(2, 4), file->GetFloorRightFrom(2, 4));
    EXPECT_EQ(file->GetFloorLeftTo(2, 4), file->GetFloorRightTo(2, 4));
    EXPECT_EQ(file->GetWallHeight(1, 0), 20000);
    EXPECT_FALSE(file->GetFlag0(1));
}

TEST(ICR2TrkFile, FloorCodesAboveThePaintBandAreAnAssertion)
{
    Bytes bytes = ReadTrackSample("icr2-minimal.trk");
    PatchS32(bytes, 68 + 8 + 64 + 8, 55);
    auto file = LoadTrk<ICR2TrkFile>(bytes);
    EXPECT_THROW(file->GetFloorType(0, 0), Util::XAssertion);
    PatchS32(bytes, 68 + 8 + 64 + 8, 54);
    EXPECT_EQ(LoadTrk<ICR2TrkFile>(bytes)->GetFloorType(0, 0), SurfacePaint);
}

TEST(GPLTrkFile, DegenerateTracksStayFinite)
{
    // Equal laterals (no bank), a section of length 0, and a track of no 2D length at all.
    Bytes equal = ReadTrackSample("gpl-corners.trk");
    PatchS32(equal, 28 + 4, -300000);
    Bytes zeroSection = ReadTrackSample("gpl-minimal.trk");
    const std::size_t sections = 92 + 8 + 64 + 128;
    PatchS32(zeroSection, sections + 8, 0);
    PatchS32(zeroSection, sections + 52 + 4, 0);
    PatchS32(zeroSection, 8, 2000000);
    Bytes flat = ReadTrackSample("gpl-minimal.trk");
    for (std::size_t s : {sections, sections + 52})
        for (int k : {20, 24})
            PatchS32(flat, s + k, 0);
    PatchS32(flat, 92 + 8 + 32 + 28, 0);
    for (const Bytes* bytes : {&equal, &zeroSection, &flat})
    {
        TrkTrack track(LoadTrk<GPLTrkFile>(*bytes));
        for (double longitude = -100; longitude < 600; longitude += 7.3)
            for (double latitude : {-20.0, -15.24, 0.0, 3.0, 30.0})
            {
                TrackPosition p = track.GetPosition(longitude, latitude);
                for (double v : {p.X, p.Y, p.Z, p.Heading, p.Pitch, p.Bank})
                    ASSERT_TRUE(std::isfinite(v));
            }
    }
    EXPECT_EQ(TrkTrack(LoadTrk<GPLTrkFile>(flat)).GetLength2D(), 0);
}

TEST(GPLTrkFile, ConversionAssertsOnWallsItCannotPlace)
{
    // The first wall item of the ICR2 sample (section 0), moved: right of every boundary, and
    // crossing a boundary (beyond it at the end, behind it at the start).
    Bytes bytes = ReadTrackSample("icr2-corners.trk");
    auto word = [&](std::size_t at) { return std::int32_t(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24); };
    std::size_t sections = word(16), laterals = word(12);
    std::size_t wall = 68 + 4 * sections + 32 * sections * laterals + std::size_t(word(20)) + 52;
    const struct
    {
        std::int32_t from, to;
        const char* expression;
    } cases[] = {{-500000, -500000, "i > 0"},
                 {300000, 200000, "Surfaces[i].From >= sur.From && Surfaces[i].To >= sur.To"}};
    for (const auto& c : cases)
    {
        Bytes moved = bytes;
        PatchS32(moved, wall + 4, c.from);
        PatchS32(moved, wall + 8, c.to);
        auto source = LoadTrk<ICR2TrkFile>(moved);
        ASSERT_EQ(source->GetWallInnerFrom(0, 0), c.from);
        try
        {
            GPLTrkFile converted(*source);
            ADD_FAILURE() << "converted";
        }
        catch (const Util::XAssertion& e)
        {
            EXPECT_STREQ(e.GetExpression(), c.expression);
        }
    }
}
