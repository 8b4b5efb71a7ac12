#include "Papy/Track/GPLTrkFile.h"

#include <sstream>

#include "Papy/Model/ChunkHeader.h"
#include "Papy/Model/Options.h"
#include "Util/ByteWriter.h"
#include "Util/Exception.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 TrakId = MakeChunkId('T', 'R', 'A', 'K');
constexpr S32 Version = 3000;
constexpr U64 HeaderSize = 92;
constexpr U64 SectionSize = 52;
constexpr U64 BoundarySize = 32;
// The kind of the boundary that closes every section.
constexpr S32 ClosingKind = 10;
// The unit that the assertions of the code tables and the conversion name.
const char* const Unit = ".\\GPLTrkFile.cpp";

SurfaceType FloorCodeToType(S32 code)
{
    switch (code)
    {
    case 1: return SurfaceAsphalt;
    case 2: return SurfaceConcrete;
    case 3: return SurfacePaint;
    case 4: return SurfaceGrass;
    case 5: return SurfaceDirt;
    case 6: return SurfaceSand;
    case 7: return SurfaceGravel;
    case 8: return SurfaceWater;
    case 9: return SurfaceTrainTrack;
    }
    VELMO_ASSERT_AT(!Options::Instance()->Strict, "false", Unit, 919);
    return SurfaceUnknown;
}

WallType WallCodeToType(S32 code)
{
    switch (code)
    {
    case 1: return WallConcrete;
    case 2: return WallArmco;
    case 3: return WallTyres;
    case 4: return WallHayBales;
    case 5: return WallWireFence;
    case 6: return WallShrubs;
    case 7: return WallForest;
    case 8: return WallWood;
    case 9: return WallInvisible;
    case 10: return WallWireFenceRight;
    case 11: return WallArmcoRight;
    }
    VELMO_ASSERT_AT(!Options::Instance()->Strict, "false", Unit, 1029);
    return WallUnknown;
}

S32 TypeToFloorCode(SurfaceType type)
{
    switch (type)
    {
    case SurfaceAsphalt: return 1;
    case SurfaceConcrete: return 2;
    case SurfaceDirt: return 5;
    case SurfaceGrass: return 4;
    case SurfaceGravel: return 7;
    case SurfacePaint: return 3;
    case SurfaceSand: return 6;
    case SurfaceTrainTrack: return 9;
    case SurfaceWater: return 8;
    default: break;
    }
    VELMO_ASSERT_AT(false, "false", Unit, 171);
    return 0;
}

S32 TypeToWallCode(WallType type)
{
    switch (type)
    {
    case WallArmco: return 2;
    case WallConcrete: return 1;
    case WallConcreteWithFence: return 5;
    case WallForest: return 7;
    case WallHayBales: return 4;
    case WallInvisible: return 9;
    case WallShrubs: return 6;
    case WallTyres: return 3;
    case WallWireFence: return 5;
    case WallWood: return 8;
    default: break;
    }
    VELMO_ASSERT_AT(false, "false", Unit, 234);
    return 0;
}
} // namespace

GPLTrkFile::GPLTrkFile(Util::BinaryStream& stream)
{
    Load(stream);
    Build2DData();
    if (Options::Instance()->Strict)
        CheckAltitudes(stream.GetName());
}

void GPLTrkFile::Load(Util::BinaryStream& stream)
{
    const std::string name = stream.GetName();
    auto fail = [&](const std::string& message) { throw Util::XFileFormat(name, message); };

    stream.Seek(0);
    Util::RecordReader reader(stream);
    Util::RecordReader header = reader.Slice(HeaderSize);
    if (header.ReadU32() != TrakId)
        fail("GPL trk file id not TRAK");
    if (header.ReadS32() != Version)
        fail("GPL trk file version not 3000");
    m_length = header.ReadS32();
    S32 lateralCount = header.ReadS32();
    S32 sectionCount = header.ReadS32();
    S32 surfaceSize = header.ReadS32();
    S32 sectionSize = header.ReadS32();
    S32 laterals[MaxLaterals];
    header.ReadArray(laterals, MaxLaterals);
    // The header has room for 16 laterals; the records hold at least one per section.
    if (lateralCount < 1 || lateralCount > MaxLaterals)
        fail("GPL trk file lateral count error");
    m_laterals.assign(laterals, laterals + lateralCount);

    if (S64(sectionSize) != S64(sectionCount) * S64(SectionSize))
        fail("GPL trk section length mismatch");
    if (sectionCount < 0)
        fail("GPL trk file section count error");
    U64 expected = HeaderSize + U64(sectionCount) * (4 + TraceSize * U64(lateralCount) + SectionSize) + U64(surfaceSize);
    if (surfaceSize < 0 || stream.Size() != expected)
        fail("GPL trk file size mismatch");

    std::vector<S32> offsets(sectionCount);
    reader.ReadArray(offsets.data(), offsets.size());
    for (S32 i = 0; i < sectionCount; ++i)
        if (S64(offsets[i]) != S64(i) * S64(SectionSize))
            fail("GPL trk file section header index error");

    m_traces.resize(std::size_t(sectionCount) * std::size_t(lateralCount));
    for (TraceRecord& trace : m_traces)
        reader.ReadArray(trace.data(), trace.size());

    Util::RecordReader surfaces = reader.Slice(U64(surfaceSize));
    m_surfaces.resize(U64(surfaceSize) / BoundarySize);
    for (Boundary& boundary : m_surfaces)
    {
        boundary.From = surfaces.ReadS32();
        boundary.To = surfaces.ReadS32();
        boundary.Kind = surfaces.ReadS32();
        boundary.ValueA = surfaces.ReadS32();
        boundary.Height = surfaces.ReadS32();
        boundary.ValueB = surfaces.ReadS32();
        surfaces.Skip(8);
    }
    // An empty list has no closing boundary either.
    if (m_surfaces.empty() || m_surfaces.back().Kind != ClosingKind)
        fail("GPL trk file last surface type not 10");

    m_sections.resize(sectionCount);
    S64 runningLength = 0;
    S64 runningCount = 0;
    for (S32 i = 0; i < sectionCount; ++i)
    {
        SectionRecord& section = m_sections[i];
        reader.ReadArray(section.data(), section.size());
        if (section[Type] != 1 && section[Type] != 2)
            fail("GPL trk file unknown section type");
        if (S64(section[FirstTrace]) != S64(i) * lateralCount)
            fail("GPL trk file pieces index error");
        if (section[Start] != runningLength)
        {
            std::ostringstream message;
            message << "GPL trk file section start error.\n"
                    << "Section " << i << " start " << section[Start] << " expected " << runningLength << "\n";
            fail(message.str());
        }
        if (U32(section[Flags]) > 3)
            fail("GPL trk file unknown flags");
        if (section[FirstBoundary] != runningCount)
            fail("GPL trk file surface start error");
        // A negative length or count would run the longitude map or the boundary list backwards.
        if (section[Length] < 0)
            fail("GPL trk file section length error");
        if (section[BoundaryCount] < 0)
            fail("GPL trk file surface count error");
        runningLength += section[Length];
        runningCount += section[BoundaryCount];
    }
    // A lap of length 0 (no sections at all, or none with a length) has no place on it.
    if (runningLength != m_length || m_length <= 0)
        fail("GPL trk file total length error");
    if (runningCount * S64(BoundarySize) != surfaceSize)
        fail("GPL trk file total surface length error");
}

void GPLTrkFile::CheckAltitudes(const std::string& name) const
{
    int count = GetSectionCount();
    int lateralCount = GetLateralCount();
    for (int s = 0; s < count; ++s)
    {
        int next = s + 1 < count ? s + 1 : 0;
        for (int l = 0; l < lateralCount; ++l)
        {
            const TraceRecord& trace = Trace(s, l);
            if (S64(trace[SquareGrade]) != 3 * S64(trace[Cube]))
                throw Util::XFileFormat(name, "GPL trk file altitude square grade error");
            if (S64(trace[LinearGrade]) != 2 * S64(trace[Square]))
                throw Util::XFileFormat(name, "GPL trk file altitude linear grade error");
            S64 end = S64(trace[Cube]) + trace[Square] + trace[Linear] + trace[Constant];
            S64 step = S64(Trace(next, l)[Constant]) - end;
            if (step < -3 || step > 3)
                throw Util::XFileFormat(name, "GPL trk file altitude mismatch");
        }
    }
}

GPLTrkFile::GPLTrkFile(const TrkFile& source)
{
    if (source.GetLateralCount() > MaxLaterals)
        throw Util::XUsage("GPL trk file supports too few laterals");
    int lateralCount = source.GetLateralCount();
    for (int l = 0; l < lateralCount; ++l)
        m_laterals.push_back(source.GetLateral(l));
    m_length = source.GetLength();

    int sectionCount = source.GetSectionCount();
    for (int s = 0; s < sectionCount; ++s)
    {
        SectionRecord section{};
        bool corner = source.IsCorner(s);
        section[Type] = corner ? 2 : 1;
        section[Start] = source.GetSectionStart(s);
        section[Length] = source.GetSectionLength(s);
        section[Heading] = source.GetSectionHeading(s);
        section[Flags] = (source.GetFlag0(s) ? 1 : 0) | (source.GetFlag1(s) ? 2 : 0);
        if (corner)
        {
            section[S1] = source.GetCentreX(s);
            section[S2] = source.GetCentreY(s);
            section[S3] = source.GetHalfTurn(s);
        }
        else
        {
            section[S1] = source.GetDirectionX(s);
            section[S2] = source.GetDirectionY(s);
            section[S3] = source.GetSidewaysX(s);
            section[S4] = source.GetSidewaysY(s);
            section[S5] = source.GetSectionValue5(s);
        }
        section[FirstTrace] = S32(m_traces.size());
        section[FirstBoundary] = S32(m_surfaces.size());

        for (int l = 0; l < lateralCount; ++l)
        {
            TraceRecord trace{};
            trace[Constant] = source.GetAltitudeConstant(s, l);
            trace[Linear] = source.GetAltitudeLinear(s, l);
            trace[Square] = source.GetAltitudeSquare(s, l);
            trace[Cube] = source.GetAltitudeCube(s, l);
            trace[LinearGrade] = source.GetLinearGrade(s, l);
            trace[SquareGrade] = source.GetSquareGrade(s, l);
            trace[R] = corner ? source.GetTraceRadius(s, l) : source.GetTraceX(s, l);
            trace[Y] = corner ? 0 : source.GetTraceY(s, l);
            m_traces.push_back(trace);
        }

        std::size_t first = m_surfaces.size();
        int floorCount = source.GetFloorCount(s);
        for (int b = 0; b < floorCount; ++b)
        {
            Boundary boundary;
            boundary.From = source.GetFloorRightFrom(s, b);
            boundary.To = source.GetFloorRightTo(s, b);
            boundary.Kind = TypeToFloorCode(source.GetFloorType(s, b));
            boundary.Height = source.GetFloorHeight(s, b);
            m_surfaces.push_back(boundary);
        }
        // Every section closes with a boundary of kind 10 at the left edge of its last strip
        // (at the reference line when the source section has no strips).
        Boundary closing;
        closing.Kind = ClosingKind;
        if (floorCount > 0)
        {
            closing.From = source.GetFloorLeftFrom(s, floorCount - 1);
            closing.To = source.GetFloorLeftTo(s, floorCount - 1);
        }
        m_surfaces.push_back(closing);

        int wallCount = source.GetWallCount(s);
        for (int w = 0; w < wallCount; ++w)
        {
            Boundary wall;
            wall.From = source.GetWallInnerFrom(s, w);
            wall.To = source.GetWallInnerTo(s, w);
            wall.Kind = TypeToWallCode(source.GetWallType(s, w)) | WallBit;
            wall.Height = source.GetWallHeight(s, w);
            for (std::size_t i = first; i < m_surfaces.size(); ++i)
            {
                const Boundary& at = m_surfaces[i];
                if (at.From == wall.From && at.To == wall.To)
                {
                    m_surfaces.insert(m_surfaces.begin() + i, wall);
                    break;
                }
                if (at.From > wall.From || at.To > wall.To)
                {
                    // The floor under the wall continues after it: a copy of the boundary
                    // before it, moved to the wall. That boundary must be this section's own.
                    VELMO_ASSERT_AT(i > first, "i > 0", Unit, 252);
                    VELMO_ASSERT_AT(at.From >= wall.From && at.To >= wall.To,
                                    "Surfaces[i].From >= sur.From && Surfaces[i].To >= sur.To", Unit, 253);
                    Boundary after = m_surfaces[i - 1];
                    after.From = wall.From;
                    after.To = wall.To;
                    m_surfaces.insert(m_surfaces.begin() + i, {wall, after});
                    break;
                }
            }
        }
        section[BoundaryCount] = S32(m_surfaces.size() - first);
        m_sections.push_back(section);
    }
    Build2DData();
}

const GPLTrkFile::SectionRecord& GPLTrkFile::Section(int s) const
{
    VELMO_ASSERT(s >= 0 && s < int(m_sections.size()));
    return m_sections[s];
}

const GPLTrkFile::Boundary& GPLTrkFile::Floor(int s, int b, int offset) const
{
    const SectionRecord& section = Section(s);
    VELMO_ASSERT(b >= 0 && b < GetFloorCount(s));
    return m_surfaces[std::size_t(section[FirstBoundary]) + std::size_t(b + offset)];
}

const GPLTrkFile::Boundary& GPLTrkFile::Wall(int s, int w, int offset) const
{
    const SectionRecord& section = Section(s);
    int floors = GetFloorCount(s);
    VELMO_ASSERT(w >= 0);
    for (int b = 0, walls = 0; b < floors; ++b)
    {
        const Boundary& boundary = m_surfaces[std::size_t(section[FirstBoundary]) + std::size_t(b)];
        if ((boundary.Kind & WallBit) != 0 && walls++ == w)
            return m_surfaces[std::size_t(section[FirstBoundary]) + std::size_t(b + offset)];
    }
    VELMO_ASSERT(w < GetWallCount(s));
    return m_surfaces.front();
}

int GPLTrkFile::GetFloorCount(int s) const
{
    // A section needs two boundaries to hold a strip between them.
    int count = Section(s)[BoundaryCount] - 1;
    return count > 0 ? count : 0;
}

int GPLTrkFile::GetFloorHeight(int s, int b) const
{
    const Boundary& boundary = Floor(s, b, 0);
    return (boundary.Kind & WallBit) != 0 ? 0 : boundary.Height;
}

SurfaceType GPLTrkFile::GetFloorType(int s, int b) const
{
    const Boundary& boundary = Floor(s, b, 0);
    if ((boundary.Kind & WallBit) != 0)
        return SurfaceAsphalt;
    return FloorCodeToType(boundary.Kind & 0x7FF);
}

int GPLTrkFile::GetFloorValue(int s, int b, int i) const
{
    VELMO_ASSERT(i == 0 || i == 1);
    const Boundary& boundary = Floor(s, b, 0);
    return i == 0 ? boundary.ValueA : boundary.ValueB;
}

int GPLTrkFile::GetWallCount(int s) const
{
    const SectionRecord& section = Section(s);
    int floors = GetFloorCount(s);
    int walls = 0;
    for (int b = 0; b < floors; ++b)
        if ((m_surfaces[std::size_t(section[FirstBoundary]) + std::size_t(b)].Kind & WallBit) != 0)
            ++walls;
    return walls;
}

WallType GPLTrkFile::GetWallType(int s, int w) const
{
    return WallCodeToType(Wall(s, w, 0).Kind & 0x7FF);
}

int GPLTrkFile::GetWallValue(int s, int w, int i) const
{
    const Boundary& boundary = Wall(s, w, 0);
    switch (i)
    {
    case 0: return boundary.ValueA;
    case 1: return boundary.ValueB;
    case 2: return boundary.Kind & ~WallBit;
    }
    VELMO_ASSERT_TEXT(false, "false");
    return 0;
}

void GPLTrkFile::Save(Util::BinaryStream& stream) const
{
    std::size_t n = m_sections.size();
    Util::ByteWriter out(HeaderSize + n * (4 + SectionSize) + m_traces.size() * TraceSize + m_surfaces.size() * BoundarySize);
    out.PutU32(TrakId);
    out.PutS32(Version);
    out.PutS32(m_length);
    out.PutS32(S32(m_laterals.size()));
    out.PutS32(S32(n));
    out.PutS32(S32(m_surfaces.size() * BoundarySize));
    out.PutS32(S32(n * SectionSize));
    PutLaterals(out, MaxLaterals);
    for (std::size_t i = 0; i < n; ++i)
        out.PutS32(S32(i * SectionSize));
    PutTraces(out);
    for (const Boundary& boundary : m_surfaces)
    {
        out.PutS32(boundary.From);
        out.PutS32(boundary.To);
        out.PutS32(boundary.Kind);
        out.PutS32(boundary.ValueA);
        out.PutS32(boundary.Height);
        out.PutS32(boundary.ValueB);
        out.PutS32(0);
        out.PutS32(0);
    }
    for (const SectionRecord& section : m_sections)
        for (S32 value : section)
            out.PutS32(value);
    stream.Seek(0);
    out.WriteTo(stream);
}
} // namespace Velmo::Papy
