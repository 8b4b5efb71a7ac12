#include "Papy/Track/GPLTrkFile.h"

#include <sstream>

#include "Papy/Model/Options.h"
#include "Papy/Track/GPLTrkCodes.h"
#include "Papy/Track/GPLTrkConversion.h"
#include "Util/ByteWriter.h"
#include "Util/Exception.h"
#include "Util/RecordFields.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
namespace
{
constexpr U64 HeaderSize = GPLTrkFormat::HeaderSize;
constexpr U64 BoundarySize = 32;
} // namespace

GPLTrkFile::GPLTrkFile(Util::BinaryStream& stream)
{
    Load(stream);
    IndexWalls();
    Build2DData();
    if (Options::Instance()->Strict)
        CheckAltitudes(stream.GetName());
}

GPLTrkFile::GPLTrkFile(const TrkFile& source)
{
    GPLTrkConversion::Fill(source, *this);
    IndexWalls();
    Build2DData();
}

void GPLTrkFile::Load(Util::BinaryStream& stream)
{
    const std::string name = stream.GetName();
    auto fail = [&](const std::string& message) { throw Util::XFileFormat(name, message); };

    stream.Seek(0);
    Util::RecordReader reader(stream);
    // The header has room for 16 laterals; the records hold at least one per section.
    TrkHeader<GPLTrkFormat> header = ReadHeader<GPLTrkFormat>(reader, name);
    S32 lateralCount = header.LateralCount;
    S32 sectionCount = header.SectionCount;
    S32 surfaceSize = header.BoundarySize;

    if (S64(header.SectionDataSize) != S64(sectionCount) * S64(SectionSize))
        fail("GPL trk section length mismatch");
    if (sectionCount < 0)
        fail("GPL trk file section count error");
    // The file holds exactly what the header sizes, so no part below can be short.
    U64 expected = HeaderSize + U64(sectionCount) * (4 + TraceSize * U64(lateralCount) + SectionSize) + U64(surfaceSize);
    if (surfaceSize < 0 || stream.Size() != expected)
        fail("GPL trk file size mismatch");

    Util::RecordReader offsets = reader.Slice(4 * U64(sectionCount));
    for (S32 i = 0; i < sectionCount; ++i)
        if (S64(offsets.ReadS32()) != S64(i) * S64(SectionSize))
            fail("GPL trk file section header index error");

    ReadTraces(reader, std::size_t(sectionCount) * std::size_t(lateralCount));

    Util::RecordReader surfaces = reader.Slice(U64(surfaceSize));
    m_surfaces.resize(U64(surfaceSize) / BoundarySize);
    for (Boundary& boundary : m_surfaces)
        Util::ReadFields(surfaces, boundary);
    // An empty list has no closing boundary either.
    if (m_surfaces.empty() || m_surfaces.back().Kind != ClosingKind)
        fail("GPL trk file last surface type not 10");

    m_sections.resize(sectionCount);
    S64 runningLength = 0;
    S64 runningCount = 0;
    for (S32 i = 0; i < sectionCount; ++i)
    {
        TrkSection& section = m_sections[i];
        ReadSection<GPLTrkFormat>(reader, section);
        if (section.Type != 1 && section.Type != 2)
            fail("GPL trk file unknown section type");
        if (S64(section.FirstTrace) != S64(i) * lateralCount)
            fail("GPL trk file pieces index error");
        if (section.Start != runningLength)
        {
            std::ostringstream message;
            message << "GPL trk file section start error.\n"
                    << "Section " << i << " start " << section.Start << " expected " << runningLength << "\n";
            fail(message.str());
        }
        if (U32(section.Flags) > 3)
            fail("GPL trk file unknown flags");
        if (section.FirstBoundary != runningCount)
            fail("GPL trk file surface start error");
        // A negative length or count would run the longitude map or the boundary list backwards.
        if (section.Length < 0)
            fail("GPL trk file section length error");
        if (section.BoundaryCount < 0)
            fail("GPL trk file surface count error");
        runningLength += section.Length;
        runningCount += section.BoundaryCount;
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

const GPLTrkFile::Boundary& GPLTrkFile::Floor(int s, int b, int offset) const
{
    const TrkSection& section = Section(s);
    VELMO_ASSERT(b >= 0 && b < GetFloorCount(s));
    return m_surfaces[std::size_t(section.FirstBoundary) + std::size_t(b + offset)];
}

void GPLTrkFile::IndexWalls()
{
    const int count = GetSectionCount();
    m_walls.clear();
    m_firstWall.assign(1, 0);
    m_firstWall.reserve(std::size_t(count) + 1);
    for (int s = 0; s < count; ++s)
    {
        const std::size_t first = std::size_t(Section(s).FirstBoundary);
        const int floors = GetFloorCount(s);
        for (int b = 0; b < floors; ++b)
            if ((m_surfaces[first + std::size_t(b)].Kind & WallBit) != 0)
                m_walls.push_back(first + std::size_t(b));
        m_firstWall.push_back(m_walls.size());
    }
}

const GPLTrkFile::Boundary& GPLTrkFile::Wall(int s, int w, int offset) const
{
    Section(s);
    VELMO_ASSERT(w >= 0);
    VELMO_ASSERT(w < GetWallCount(s));
    return m_surfaces[m_walls[m_firstWall[std::size_t(s)] + std::size_t(w)] + std::size_t(offset)];
}

int GPLTrkFile::GetFloorCount(int s) const
{
    // A section needs two boundaries to hold a strip between them.
    int count = Section(s).BoundaryCount - 1;
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
    return GPLTrkCodes::FloorSurface(boundary.Kind & 0x7FF);
}

int GPLTrkFile::GetFloorValue(int s, int b, int i) const
{
    VELMO_ASSERT(i == 0 || i == 1);
    const Boundary& boundary = Floor(s, b, 0);
    return i == 0 ? boundary.ValueA : boundary.ValueB;
}

int GPLTrkFile::GetWallCount(int s) const
{
    Section(s);
    return int(m_firstWall[std::size_t(s) + 1] - m_firstWall[std::size_t(s)]);
}

WallType GPLTrkFile::GetWallType(int s, int w) const
{
    return GPLTrkCodes::WallKind(Wall(s, w, 0).Kind & 0x7FF);
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
    TrkHeader<GPLTrkFormat> header = MakeHeader<GPLTrkFormat>();
    header.BoundarySize = S32(m_surfaces.size() * BoundarySize);
    header.SectionDataSize = S32(n * SectionSize);

    Util::ByteWriter out(HeaderSize + n * (4 + SectionSize) + m_traces.size() * TraceSize + m_surfaces.size() * BoundarySize);
    Util::PutFields(out, header);
    for (std::size_t i = 0; i < n; ++i)
        out.PutS32(S32(i * SectionSize));
    PutTraces(out);
    for (const Boundary& boundary : m_surfaces)
        Util::PutFields(out, boundary);
    for (const TrkSection& section : m_sections)
        PutSection<GPLTrkFormat>(out, section);
    stream.Seek(0);
    out.WriteTo(stream);
}
} // namespace Velmo::Papy
