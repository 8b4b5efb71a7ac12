#include "Papy/Track/ICR2TrkFile.h"

#include "Papy/Model/ChunkHeader.h"
#include "Util/ByteWriter.h"
#include "Util/Exception.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 TrakId = MakeChunkId('T', 'R', 'A', 'K');
constexpr U64 HeaderSize = 68;
constexpr U64 SectionSize = 52;
constexpr U64 BoundarySize = 12;
constexpr U64 WallSize = 20;
// The two words of a wall item that nothing reads are written with this filler.
constexpr U32 WallFiller = 0xCCCCCCCC;

S64 Abs(S64 value)
{
    return value < 0 ? -value : value;
}
} // namespace

ICR2TrkFile::ICR2TrkFile(Util::BinaryStream& stream)
{
    Load(stream);
    Build2DData();
}

void ICR2TrkFile::Load(Util::BinaryStream& stream)
{
    const std::string name = stream.GetName();
    auto fail = [&](const char* message) { throw Util::XFileFormat(name, message); };

    stream.Seek(0);
    Util::RecordReader reader(stream);
    Util::RecordReader header = reader.Slice(HeaderSize);
    if (header.ReadU32() != TrakId)
        fail("ICR2 trk file id not TRAK");
    if (header.ReadS32() != 1)
        fail("ICR2 trk file type not 1");
    m_length = header.ReadS32();
    S32 lateralCount = header.ReadS32();
    S32 sectionCount = header.ReadS32();
    S32 boundarySize = header.ReadS32();
    header.ReadS32(); // section data size: recomputed on saving
    S32 laterals[MaxLaterals];
    header.ReadArray(laterals, MaxLaterals);
    if (lateralCount < 1 || lateralCount > MaxLaterals)
        fail("ICR2 trk file lateral count error");
    m_laterals.assign(laterals, laterals + lateralCount);

    // The header sizes nothing else: every count is held against the bytes the stream has.
    U64 perSection = 4 + TraceSize * U64(lateralCount) + SectionSize;
    if (sectionCount < 0 || !reader.Fits(U64(sectionCount), perSection))
        fail("ICR2 trk file section count error");

    reader.Skip(4 * U64(sectionCount));

    m_traces.resize(std::size_t(sectionCount) * std::size_t(lateralCount));
    for (TraceRecord& trace : m_traces)
    {
        reader.ReadArray(trace.data(), trace.size());
        if (Abs(S64(trace[SquareGrade]) - 3 * S64(trace[Cube])) > 2)
            fail("ICR2 trk file altitude delta 4 error");
        if (Abs(S64(trace[LinearGrade]) - 2 * S64(trace[Square])) > 2)
            fail("ICR2 trk file altitude delta 5 error");
    }

    if (boundarySize < 0 || U64(boundarySize) > reader.Remaining() - U64(sectionCount) * SectionSize)
        fail("ICR2 trk file surface length error");
    Util::RecordReader boundaries = reader.Slice(U64(boundarySize));
    m_boundaries.resize(U64(boundarySize) / BoundarySize);
    for (Edge& boundary : m_boundaries)
    {
        boundary.From = boundaries.ReadS32();
        boundary.To = boundaries.ReadS32();
        boundary.Code = boundaries.ReadS32();
    }

    m_sections.resize(sectionCount);
    S64 runningLength = 0;
    S64 runningCount = 0;
    for (S32 i = 0; i < sectionCount; ++i)
    {
        SectionRecord& section = m_sections[i];
        section.Type = reader.ReadS32();
        section.Start = reader.ReadS32();
        section.Length = reader.ReadS32();
        section.Heading = reader.ReadS32();
        reader.ReadArray(section.Values.data(), section.Values.size());
        section.FirstTrace = reader.ReadS32();
        section.BoundaryCount = reader.ReadS32();
        section.FirstBoundary = reader.ReadS32();
        section.WallCount = reader.ReadS32();
        section.FirstWall = S32(m_walls.size());

        if (section.Type != 1 && section.Type != 2)
            fail("ICR2 trk file unknown section type");
        if (S64(section.FirstTrace) != S64(i) * lateralCount)
            fail("ICR2 trk file pieces index error");
        if (section.Start != runningLength)
            fail("ICR2 trk file section start error");
        if (section.FirstBoundary != runningCount)
            fail("ICR2 trk file surface start error");
        if (i > 0)
        {
            for (int l = 0; l < lateralCount; ++l)
            {
                const TraceRecord& previous = m_traces[std::size_t(i - 1) * lateralCount + l];
                const TraceRecord& current = m_traces[std::size_t(i) * lateralCount + l];
                S64 end = S64(previous[Cube]) + previous[Square] + previous[Linear] + previous[Constant];
                S64 step = end - current[Constant];
                if (step < -3 || step > 3)
                    fail("ICR2 trk file altitude mismatch");
            }
        }
        // A negative length or count would run the longitude map or the boundary list backwards.
        if (section.Length < 0)
            fail("ICR2 trk file section length error");
        if (section.BoundaryCount < 0)
            fail("ICR2 trk file surface count error");
        if (section.WallCount < 0 ||
            !reader.Fits(U64(section.WallCount), WallSize) ||
            reader.Remaining() - U64(section.WallCount) * WallSize < U64(sectionCount - 1 - i) * SectionSize)
            fail("ICR2 trk file wall count error");
        for (S32 w = 0; w < section.WallCount; ++w)
        {
            Edge wall;
            wall.Code = reader.ReadS32();
            wall.From = reader.ReadS32();
            wall.To = reader.ReadS32();
            reader.Skip(8);
            m_walls.push_back(wall);
        }
        runningLength += section.Length;
        runningCount += section.BoundaryCount;
    }
    // A lap of length 0 (no sections at all, or none with a length) has no place on it.
    if (runningLength != m_length || m_length <= 0)
        fail("ICR2 trk file total length error");
    if (runningCount * S64(BoundarySize) != boundarySize)
        fail("ICR2 trk file total surface length error");
}

const ICR2TrkFile::SectionRecord& ICR2TrkFile::Section(int s) const
{
    VELMO_ASSERT(s >= 0 && s < int(m_sections.size()));
    return m_sections[s];
}

const ICR2TrkFile::Edge& ICR2TrkFile::Boundary(int s, int b) const
{
    const SectionRecord& section = Section(s);
    VELMO_ASSERT(b >= 0 && b < section.BoundaryCount);
    return m_boundaries[std::size_t(section.FirstBoundary) + std::size_t(b)];
}

const ICR2TrkFile::Edge& ICR2TrkFile::LeftEdge(int s, int b) const
{
    const SectionRecord& section = Section(s);
    VELMO_ASSERT(b >= 0 && b < section.BoundaryCount);
    if (b + 1 < section.BoundaryCount)
        return Boundary(s, b + 1);
    // The last strip reaches the section's last wall; without walls it ends where it starts.
    if (section.WallCount > 0)
        return Wall(s, section.WallCount - 1);
    return Boundary(s, b);
}

const ICR2TrkFile::Edge& ICR2TrkFile::Wall(int s, int w) const
{
    const SectionRecord& section = Section(s);
    VELMO_ASSERT(w >= 0 && w < section.WallCount);
    return m_walls[std::size_t(section.FirstWall) + std::size_t(w)];
}

SurfaceType ICR2TrkFile::GetFloorType(int s, int b) const
{
    S32 code = Boundary(s, b).Code;
    if (code <= 6)
        return SurfaceGrass;
    if (code <= 22)
        return SurfaceGravel;
    if (code <= 38)
        return SurfaceConcrete;
    if (code <= 46)
        return SurfaceAsphalt;
    if (code <= 54)
        return SurfacePaint;
    VELMO_ASSERT_AT(false, "false", ".\\ICR2TrkFile.cpp", 869);
    return SurfaceUnknown;
}

int ICR2TrkFile::GetFloorGrip(int s, int b) const
{
    // The grip falls from 0 at the top of the code's band.
    S32 code = Boundary(s, b).Code;
    for (S32 top : {6, 22, 38, 46, 54})
        if (code <= top)
            return int(S64(code) - top);
    VELMO_ASSERT_AT(false, "false", ".\\ICR2TrkFile.cpp", 895);
    return 0;
}

WallType ICR2TrkFile::GetWallType(int s, int w) const
{
    switch (Wall(s, w).Code)
    {
    case 0: return WallArmco;
    case 2: return WallWireFence;
    case 4: return WallConcrete;
    case 6: return WallConcreteWithFence;
    }
    VELMO_ASSERT_AT(false, "false", ".\\ICR2TrkFile.cpp", 951);
    return WallUnknown;
}

void ICR2TrkFile::Save(Util::BinaryStream& stream) const
{
    std::size_t n = m_sections.size();
    Util::ByteWriter out(HeaderSize + n * (4 + SectionSize) + m_traces.size() * TraceSize + m_boundaries.size() * BoundarySize +
                   m_walls.size() * WallSize);
    out.PutU32(TrakId);
    out.PutS32(1);
    out.PutS32(m_length);
    out.PutS32(S32(m_laterals.size()));
    out.PutS32(S32(n));
    out.PutS32(S32(m_boundaries.size() * BoundarySize));
    out.PutS32(S32(n * SectionSize + m_walls.size() * WallSize));
    PutLaterals(out, MaxLaterals);
    U64 offset = 0;
    for (const SectionRecord& section : m_sections)
    {
        out.PutS32(S32(offset));
        offset += SectionSize + U64(section.WallCount) * WallSize;
    }
    PutTraces(out);
    for (const Edge& boundary : m_boundaries)
    {
        out.PutS32(boundary.From);
        out.PutS32(boundary.To);
        out.PutS32(boundary.Code);
    }
    for (const SectionRecord& section : m_sections)
    {
        out.PutS32(section.Type);
        out.PutS32(section.Start);
        out.PutS32(section.Length);
        out.PutS32(section.Heading);
        for (S32 value : section.Values)
            out.PutS32(value);
        out.PutS32(section.FirstTrace);
        out.PutS32(section.BoundaryCount);
        out.PutS32(section.FirstBoundary);
        out.PutS32(section.WallCount);
        for (S32 w = 0; w < section.WallCount; ++w)
        {
            const Edge& wall = m_walls[std::size_t(section.FirstWall) + std::size_t(w)];
            out.PutS32(wall.Code);
            out.PutS32(wall.From);
            out.PutS32(wall.To);
            out.PutU32(WallFiller);
            out.PutU32(WallFiller);
        }
    }
    stream.Seek(0);
    out.WriteTo(stream);
}
} // namespace Velmo::Papy
