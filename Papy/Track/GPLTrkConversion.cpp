#include "Papy/Track/GPLTrkConversion.h"

#include "Papy/Track/GPLTrkCodes.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
// The unit that the assertions of the wall placement name.
const char* const Unit = ".\\GPLTrkFile.cpp";
} // namespace

void GPLTrkConversion::Fill(const TrkFile& source, GPLTrkFile& target)
{
    if (source.GetLateralCount() > GPLTrkFile::MaxLaterals)
        throw Util::XUsage("GPL trk file supports too few laterals");
    int lateralCount = source.GetLateralCount();
    for (int l = 0; l < lateralCount; ++l)
        target.m_laterals.push_back(source.GetLateral(l));
    target.m_length = source.GetLength();

    GPLTrkConversion conversion(source, target);
    int sectionCount = source.GetSectionCount();
    for (int s = 0; s < sectionCount; ++s)
    {
        TrkSection section = conversion.MakeSection(s);
        conversion.AddTraces(s, section.Type == 2);
        std::size_t first = target.m_surfaces.size();
        conversion.AddFloors(s);
        int wallCount = source.GetWallCount(s);
        for (int w = 0; w < wallCount; ++w)
            conversion.PlaceWall(s, w, first);
        section.BoundaryCount = S32(target.m_surfaces.size() - first);
        target.m_sections.push_back(section);
    }
}

TrkSection GPLTrkConversion::MakeSection(int s) const
{
    TrkSection section;
    bool corner = m_source.IsCorner(s);
    section.Type = corner ? 2 : 1;
    section.Start = m_source.GetSectionStart(s);
    section.Length = m_source.GetSectionLength(s);
    section.Heading = m_source.GetSectionHeading(s);
    section.Flags = (m_source.GetFlag0(s) ? 1 : 0) | (m_source.GetFlag1(s) ? 2 : 0);
    if (corner)
        section.Values = {m_source.GetCentreX(s), m_source.GetCentreY(s), m_source.GetHalfTurn(s), 0, 0};
    else
        section.Values = {m_source.GetDirectionX(s), m_source.GetDirectionY(s), m_source.GetSidewaysX(s),
                          m_source.GetSidewaysY(s), m_source.GetSectionValue5(s)};
    section.FirstTrace = S32(m_target.m_traces.size());
    section.FirstBoundary = S32(m_target.m_surfaces.size());
    return section;
}

void GPLTrkConversion::AddTraces(int s, bool corner)
{
    int lateralCount = m_source.GetLateralCount();
    for (int l = 0; l < lateralCount; ++l)
    {
        GPLTrkFile::TraceRecord trace{};
        trace[GPLTrkFile::Constant] = m_source.GetAltitudeConstant(s, l);
        trace[GPLTrkFile::Linear] = m_source.GetAltitudeLinear(s, l);
        trace[GPLTrkFile::Square] = m_source.GetAltitudeSquare(s, l);
        trace[GPLTrkFile::Cube] = m_source.GetAltitudeCube(s, l);
        trace[GPLTrkFile::LinearGrade] = m_source.GetLinearGrade(s, l);
        trace[GPLTrkFile::SquareGrade] = m_source.GetSquareGrade(s, l);
        trace[GPLTrkFile::R] = corner ? m_source.GetTraceRadius(s, l) : m_source.GetTraceX(s, l);
        trace[GPLTrkFile::Y] = corner ? 0 : m_source.GetTraceY(s, l);
        m_target.m_traces.push_back(trace);
    }
}

void GPLTrkConversion::AddFloors(int s)
{
    std::vector<GPLTrkFile::Boundary>& surfaces = m_target.m_surfaces;
    int floorCount = m_source.GetFloorCount(s);
    for (int b = 0; b < floorCount; ++b)
    {
        GPLTrkFile::Boundary boundary;
        boundary.From = m_source.GetFloorRightFrom(s, b);
        boundary.To = m_source.GetFloorRightTo(s, b);
        boundary.Kind = GPLTrkCodes::FloorCode(m_source.GetFloorType(s, b));
        boundary.Height = m_source.GetFloorHeight(s, b);
        surfaces.push_back(boundary);
    }
    // At the left edge of the last strip (at the reference line when the source section has no
    // strips).
    GPLTrkFile::Boundary closing;
    closing.Kind = GPLTrkFile::ClosingKind;
    if (floorCount > 0)
    {
        closing.From = m_source.GetFloorLeftFrom(s, floorCount - 1);
        closing.To = m_source.GetFloorLeftTo(s, floorCount - 1);
    }
    surfaces.push_back(closing);
}

void GPLTrkConversion::PlaceWall(int s, int w, std::size_t first)
{
    std::vector<GPLTrkFile::Boundary>& surfaces = m_target.m_surfaces;
    GPLTrkFile::Boundary wall;
    wall.From = m_source.GetWallInnerFrom(s, w);
    wall.To = m_source.GetWallInnerTo(s, w);
    wall.Kind = GPLTrkCodes::WallCode(m_source.GetWallType(s, w)) | GPLTrkFile::WallBit;
    wall.Height = m_source.GetWallHeight(s, w);
    for (std::size_t i = first; i < surfaces.size(); ++i)
    {
        const GPLTrkFile::Boundary& at = surfaces[i];
        if (at.From == wall.From && at.To == wall.To)
        {
            surfaces.insert(surfaces.begin() + i, wall);
            return;
        }
        if (at.From > wall.From || at.To > wall.To)
        {
            // The floor under the wall continues after it: a copy of the boundary before it,
            // moved to the wall. That boundary must be this section's own.
            VELMO_ASSERT_AT(i > first, "i > 0", Unit, 252);
            VELMO_ASSERT_AT(at.From >= wall.From && at.To >= wall.To,
                            "Surfaces[i].From >= sur.From && Surfaces[i].To >= sur.To", Unit, 253);
            GPLTrkFile::Boundary after = surfaces[i - 1];
            after.From = wall.From;
            after.To = wall.To;
            surfaces.insert(surfaces.begin() + i, {wall, after});
            return;
        }
    }
}
} // namespace Velmo::Papy
