#include "Papy/Track/ICR2TrkFile.h"

#include <algorithm>
#include <limits>

#include "Papy/Track/CodeTable.h"
#include "Util/ByteWriter.h"
#include "Util/Exception.h"
#include "Util/RecordFields.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
namespace
{
constexpr U64 HeaderSize = ICR2TrkFormat::HeaderSize;
constexpr U64 BoundarySize = 12;
constexpr U64 WallSize = 20;
// The two words of a wall item that nothing reads are written with this filler.
constexpr U32 WallFiller = 0xCCCCCCCC;

// A wall item after its section record: the code, From and To, and two words that are not
// read, written with the filler.
struct WallItem
{
    ICR2TrkFile::Edge Wall;

    template <class IO>
    void Fields(IO& io)
    {
        U32 filler[2] = {WallFiller, WallFiller};
        io(Wall.Code);
        io(Wall.From);
        io(Wall.To);
        io(filler);
    }
};

// The unit that the assertions of the code tables name.
const char* const Unit = ".\\ICR2TrkFile.cpp";

// Floor codes come in bands, each of one surface; the grip falls from 0 at the band's top.
struct FloorBand
{
    S32 Top;
    SurfaceType Type;
};
constexpr FloorBand FloorBands[] = {
    {6, SurfaceGrass}, {22, SurfaceGravel}, {38, SurfaceConcrete}, {46, SurfaceAsphalt}, {54, SurfacePaint},
};

// The band of a code; none above the last.
const FloorBand* FindFloorBand(S32 code)
{
    for (const FloorBand& band : FloorBands)
        if (code <= band.Top)
            return &band;
    return nullptr;
}

// The wall codes of the items after a section record.
constexpr CodeRow<WallType> WallCodes[] = {
    {0, WallArmco}, {2, WallWireFence}, {4, WallConcrete}, {6, WallConcreteWithFence},
};

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
    // The header's size of the section data is not used: saving recomputes it.
    TrkHeader<ICR2TrkFormat> header = ReadHeader<ICR2TrkFormat>(reader, name);
    S32 lateralCount = header.LateralCount;
    S32 sectionCount = header.SectionCount;
    S32 boundarySize = header.BoundarySize;

    // The header sizes nothing else: every count is held against the bytes the stream has.
    U64 perSection = 4 + TraceSize * U64(lateralCount) + SectionSize;
    if (sectionCount < 0 || !reader.Fits(U64(sectionCount), perSection))
        fail("ICR2 trk file section count error");

    // The section offsets: recomputed on saving.
    reader.Skip(4 * U64(sectionCount));

    ReadTraces(reader, std::size_t(sectionCount) * std::size_t(lateralCount));
    for (const TraceRecord& trace : m_traces)
    {
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
        Util::ReadFields(boundaries, boundary);

    // The rest of the file: the section records, each followed by its wall items.
    m_sections.resize(sectionCount);
    S64 runningLength = 0;
    S64 runningCount = 0;
    for (S32 i = 0; i < sectionCount; ++i)
    {
        TrkSection& section = m_sections[i];
        ReadSection<ICR2TrkFormat>(reader, section);
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
                const TraceRecord& previous = Trace(i - 1, l);
                const TraceRecord& current = Trace(i, l);
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
        // The wall items must leave room for the records of the sections after this one.
        if (section.WallCount < 0 ||
            !reader.Fits(U64(section.WallCount), WallSize) ||
            reader.Remaining() - U64(section.WallCount) * WallSize < U64(sectionCount - 1 - i) * SectionSize)
            fail("ICR2 trk file wall count error");
        for (S32 w = 0; w < section.WallCount; ++w)
        {
            WallItem item;
            Util::ReadFields(reader, item);
            m_walls.push_back(item.Wall);
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

const ICR2TrkFile::Edge& ICR2TrkFile::Boundary(int s, int b) const
{
    const TrkSection& section = Section(s);
    VELMO_ASSERT(b >= 0 && b < section.BoundaryCount);
    return m_boundaries[std::size_t(section.FirstBoundary) + std::size_t(b)];
}

const ICR2TrkFile::Edge& ICR2TrkFile::LeftEdge(int s, int b) const
{
    const TrkSection& section = Section(s);
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
    const TrkSection& section = Section(s);
    VELMO_ASSERT(w >= 0 && w < section.WallCount);
    return m_walls[std::size_t(section.FirstWall) + std::size_t(w)];
}

SurfaceType ICR2TrkFile::GetFloorType(int s, int b) const
{
    if (const FloorBand* band = FindFloorBand(Boundary(s, b).Code))
        return band->Type;
    VELMO_ASSERT_AT(false, "false", Unit, 869);
    return SurfaceUnknown;
}

int ICR2TrkFile::GetFloorGrip(int s, int b) const
{
    S32 code = Boundary(s, b).Code;
    if (const FloorBand* band = FindFloorBand(code))
        // The lowest codes hold at the lowest grip rather than wrap round to a high one.
        return int(std::max<S64>(S64(code) - band->Top, std::numeric_limits<int>::min()));
    VELMO_ASSERT_AT(false, "false", Unit, 895);
    return 0;
}

WallType ICR2TrkFile::GetWallType(int s, int w) const
{
    if (auto type = ValueOfCode<WallType>(WallCodes, Wall(s, w).Code))
        return *type;
    VELMO_ASSERT_AT(false, "false", Unit, 951);
    return WallUnknown;
}

void ICR2TrkFile::Save(Util::BinaryStream& stream) const
{
    std::size_t n = m_sections.size();
    TrkHeader<ICR2TrkFormat> header = MakeHeader<ICR2TrkFormat>();
    header.BoundarySize = S32(m_boundaries.size() * BoundarySize);
    header.SectionDataSize = S32(n * SectionSize + m_walls.size() * WallSize);

    Util::ByteWriter out(HeaderSize + n * (4 + SectionSize) + m_traces.size() * TraceSize + m_boundaries.size() * BoundarySize +
                         m_walls.size() * WallSize);
    Util::PutFields(out, header);
    U64 offset = 0;
    for (const TrkSection& section : m_sections)
    {
        out.PutS32(S32(offset));
        offset += SectionSize + U64(section.WallCount) * WallSize;
    }
    PutTraces(out);
    for (const Edge& boundary : m_boundaries)
        Util::PutFields(out, boundary);
    for (const TrkSection& section : m_sections)
    {
        PutSection<ICR2TrkFormat>(out, section);
        for (S32 w = 0; w < section.WallCount; ++w)
            Util::PutFields(out, WallItem{m_walls[std::size_t(section.FirstWall) + std::size_t(w)]});
    }
    stream.Seek(0);
    out.WriteTo(stream);
}
} // namespace Velmo::Papy
