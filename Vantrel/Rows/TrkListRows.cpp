#include "Vantrel/Rows/TrkListRows.h"

#include "Papy/Model/SurfaceType.h"
#include "Papy/Model/WallType.h"
#include "Papy/Track/Track.h"
#include "Vantrel/Rows/TrkHint.h"
#include "Vantrel/Rows/TrkText.h"

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
void AddSegment(const Track& track, int s, const TrackSegment& segment, std::vector<TrkRow>& rows)
{
    const bool corner = segment.IsCorner();
    rows.push_back({"Type", corner ? "Corner" : "Straight"});
    rows.push_back({"Length (3d)", TrkText::Fixed(segment.GetLength3D())});
    rows.push_back({"Length (2d)", TrkText::Fixed(segment.GetLength2D())});
    rows.push_back({"Start (3d)", TrkText::Fixed(track.GetSegmentStart3D(s))});
    rows.push_back({"Start (2d)", TrkText::Fixed(track.GetSegmentStart2D(s))});
    rows.push_back({"Start Orientation", TrkText::Angle(segment.GetStartHeading())});
    rows.push_back({"End Orientation", TrkText::Angle(segment.GetEndHeading())});
    rows.push_back({"Centreline Start X", TrkText::Fixed(segment.GetStartX())});
    rows.push_back({"Centreline Start Y", TrkText::Fixed(segment.GetStartY())});
    rows.push_back({"Centreline End X", TrkText::Fixed(segment.GetEndX())});
    rows.push_back({"Centreline End Y", TrkText::Fixed(segment.GetEndY())});
    if (!corner)
        return;
    double centreX = 0, centreY = 0, radius = 0, curvature = 0;
    segment.GetArc(centreX, centreY, radius, curvature);
    rows.push_back({"Radius", TrkText::Fixed(radius)});
    rows.push_back({"Curvature", TrkText::Angle(curvature)});
    rows.push_back({"CentreX", TrkText::Fixed(centreX)});
    rows.push_back({"CentreY", TrkText::Fixed(centreY)});
}

void AddTrace(const TrackXSection& x, std::vector<TrkRow>& rows)
{
    rows.push_back({"Start Latitude", TrkText::Fixed(x.GetStartLatitude())});
    rows.push_back({"End Latitude", TrkText::Fixed(x.GetEndLatitude())});
    rows.push_back({"Start Altitude", TrkText::Fixed(x.GetStartAltitude())});
    rows.push_back({"End Altitude", TrkText::Fixed(x.GetEndAltitude())});
    rows.push_back({"Linear Coefficient", TrkText::Fixed(x.GetLinear())});
    rows.push_back({"Square Coefficient", TrkText::Fixed(x.GetSquare())});
    rows.push_back({"Cube Coefficient", TrkText::Fixed(x.GetCube())});
}

void AddSurface(const TrackFSection& f, std::vector<TrkRow>& rows)
{
    rows.push_back({"Right Start", TrkText::Fixed(f.GetRightStart())});
    rows.push_back({"Left Start", TrkText::Fixed(f.GetLeftStart())});
    rows.push_back({"Right End", TrkText::Fixed(f.GetRightEnd())});
    rows.push_back({"Left End", TrkText::Fixed(f.GetLeftEnd())});
    rows.push_back({"Type", GetSurfaceTypeName(f.GetType())});
    rows.push_back({"Grip Modifier", TrkText::Integer(f.GetGripModifier())});
}

void AddWall(const TrackWSection& w, std::vector<TrkRow>& rows)
{
    rows.push_back({"Start Latitude", TrkText::Fixed(w.GetStartLatitude())});
    rows.push_back({"End Latitude", TrkText::Fixed(w.GetEndLatitude())});
    rows.push_back({"Start Width", TrkText::Fixed(w.GetStartWidth())});
    rows.push_back({"End Width", TrkText::Fixed(w.GetEndWidth())});
    rows.push_back({"Start Height", TrkText::Fixed(w.GetStartHeight())});
    rows.push_back({"End Height", TrkText::Fixed(w.GetEndHeight())});
    rows.push_back({"Type", GetWallTypeName(w.GetType())});
}
} // namespace

bool TrkListRows::Changes(const Track* track, int hint)
{
    return hint != 0 && track != nullptr;
}

void TrkListRows::Add(const Track& track, int hint, std::vector<TrkRow>& rows)
{
    if (hint == 0)
        return;
    if (hint == TrkHint::Whole)
    {
        rows.push_back({"Length (3d)", TrkText::Fixed(track.GetLength3D())});
        rows.push_back({"Length (2d)", TrkText::Fixed(track.GetLength2D())});
        rows.push_back({"Segments", TrkText::Integer(track.GetSegmentCount())});
        return;
    }
    // A code from a tree of another track, or made up, may name nothing here.
    const int s = TrkHint::SegmentOf(hint);
    if (s < 0 || s >= track.GetSegmentCount())
        return;
    auto segment = track.GetSegment(s);
    const int kind = TrkHint::KindOf(hint);
    const int p = TrkHint::PartOf(hint);
    switch (kind)
    {
    case int(TrkPart::Segment):
        AddSegment(track, s, *segment, rows);
        break;
    case int(TrkPart::Trace):
        if (p >= 0 && p < segment->GetXSectionCount())
            AddTrace(*segment->GetXSection(p), rows);
        break;
    case int(TrkPart::Surface):
        if (p >= 0 && p < segment->GetFSectionCount())
            AddSurface(*segment->GetFSection(p), rows);
        break;
    case int(TrkPart::Wall):
        if (p >= 0 && p < segment->GetWSectionCount())
            AddWall(*segment->GetWSection(p), rows);
        break;
    default:
        break;
    }
}
