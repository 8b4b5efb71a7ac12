#pragma once
// Nodes of a few kinds with values set by the test, for the rows that the sample files cannot
// give (fans of two indices, a wall of three subsections, an INDEX splitter, unknown values).
#include <stdexcept>
#include <string>
#include <vector>

#include "Papy/Model/BoundingBox.h"
#include "Papy/Model/ThreeDObjectEmpty.h"
#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/Model/ThreeDObjectLatitudeSplitter.h"
#include "Papy/Model/ThreeDObjectNull.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectTrackDetailSplit.h"
#include "Papy/Model/ThreeDObjectTrackDrawingDistances.h"
#include "Papy/Model/ThreeDObjectTransform.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/Model/ThreeDObjectTriangleFan.h"
#include "Papy/Model/ThreeDObjectTriangleStrip.h"
#include "Papy/Model/ThreeDObjectTsoReference.h"
#include "Papy/Model/ThreeDObjectWSection.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"

namespace VelmoTest
{
using Velmo::U32;
using Velmo::U64;
using Velmo::Util::CountedPointer;
typedef CountedPointer<Velmo::Papy::ThreeDObject> NodePointer;

// An index outside a fake's table fails as the nodes' own accessors do.
template <class T>
const T& At(const std::vector<T>& values, int i)
{
    VELMO_ASSERT(i >= 0 && std::size_t(i) < values.size());
    return values[std::size_t(i)];
}

template <class Kind>
class FakeNode : public Kind
{
public:
    int id = 1;
    std::string name;
    std::vector<std::string> strings;
    std::vector<bool> booleans;
    std::vector<int> integers;
    std::vector<double> floats;

    int GetId() const override { return id; }
    U64 GetFileOffset() const override { return 0; }
    std::string GetType() const override { return "fake"; }
    std::string GetName() const override { return name; }
    int GetStringCount() const override { return int(strings.size()); }
    std::string GetString(int i) const override { return At(strings, i); }
    int GetBooleanCount() const override { return int(booleans.size()); }
    bool GetBoolean(int i) const override
    {
        VELMO_ASSERT(i >= 0 && std::size_t(i) < booleans.size());
        return booleans[std::size_t(i)];
    }
    int GetIntegerCount() const override { return int(integers.size()); }
    int GetInteger(int i) const override { return At(integers, i); }
    int GetFloatCount() const override { return int(floats.size()); }
    double GetFloat(int i) const override { return At(floats, i); }
    void Write(Velmo::Util::BinaryStream&, U32) override {}
};

inline NodePointer Leaf(int id)
{
    auto* node = new FakeNode<Velmo::Papy::ThreeDObjectEmpty>;
    node->id = id;
    return NodePointer(node);
}

inline NodePointer Null()
{
    auto* node = new FakeNode<Velmo::Papy::ThreeDObjectNull>;
    node->id = -1;
    return NodePointer(node);
}

class FakeTransform : public FakeNode<Velmo::Papy::ThreeDObjectTransform>
{
public:
    NodePointer child = Null();
    double t[3] = {};
    double r[3] = {}; // radians
    Velmo::Papy::BoundingBox box;

    NodePointer GetChild() const override { return child; }
    double GetXTranslation() const override { return t[0]; }
    void SetXTranslation(double v) override { t[0] = v; }
    double GetYTranslation() const override { return t[1]; }
    void SetYTranslation(double v) override { t[1] = v; }
    double GetZTranslation() const override { return t[2]; }
    void SetZTranslation(double v) override { t[2] = v; }
    double GetXRotation() const override { return r[0]; }
    void SetXRotation(double v) override { r[0] = v; }
    double GetYRotation() const override { return r[1]; }
    void SetYRotation(double v) override { r[1] = v; }
    double GetZRotation() const override { return r[2]; }
    void SetZRotation(double v) override { r[2] = v; }
    Velmo::Papy::BoundingBox GetBoundingBox() const override { return box; }
};

class FakeTransformation : public FakeNode<Velmo::Papy::ThreeDObjectTransformation>
{
public:
    NodePointer child = Null();
    double t[3] = {};
    double r[3] = {}; // degrees
    double scale = 1;
    bool reset = false;

    NodePointer GetChild() const override { return child; }
    void SetChild(const NodePointer& c) override { child = c; }
    double GetXTranslation() const override { return t[0]; }
    void SetXTranslation(double v) override { t[0] = v; }
    double GetYTranslation() const override { return t[1]; }
    void SetYTranslation(double v) override { t[1] = v; }
    double GetZTranslation() const override { return t[2]; }
    void SetZTranslation(double v) override { t[2] = v; }
    double GetXRotation() const override { return r[0]; }
    void SetXRotation(double v) override { r[0] = v; }
    double GetYRotation() const override { return r[1]; }
    void SetYRotation(double v) override { r[1] = v; }
    double GetZRotation() const override { return r[2]; }
    void SetZRotation(double v) override { r[2] = v; }
    double GetScale() const override { return scale; }
    void SetScale(double v) override { scale = v; }
    bool ResetsFixedVertices() const override { return reset; }
};

template <class Kind>
class FakeTriangleRun : public FakeNode<Kind>
{
public:
    NodePointer vertices = Leaf(7);
    std::vector<int> indices;

    NodePointer GetVertices() const override { return vertices; }
    int GetIndexCount() const override { return int(indices.size()); }
    int GetIndex(int i) const override { return At(indices, i); }
    void SetIndex(int i, int index) override { indices.at(std::size_t(i)) = index; }
};
typedef FakeTriangleRun<Velmo::Papy::ThreeDObjectTriangleFan> FakeFan;
typedef FakeTriangleRun<Velmo::Papy::ThreeDObjectTriangleStrip> FakeStrip;

class FakeLatitudeSplitter : public FakeNode<Velmo::Papy::ThreeDObjectLatitudeSplitter>
{
public:
    U32 op = 1;
    std::vector<NodePointer> children;
    std::vector<double> latitudes;

    U32 GetComparisonOperator() const override { return op; }
    int GetChildCount() const override { return int(children.size()); }
    NodePointer GetChild(int i) const override { return At(children, i); }
    double GetLatitude(int i) const override { return At(latitudes, i); }
};

// A wall whose subsections have a right face (entry 0) with a base texture of explicit texel
// parameters and a far face (entry 4) with a light map of default ones.
class FakeWSection : public FakeNode<Velmo::Papy::ThreeDObjectWSection>
{
public:
    int subsections = 1;
    std::vector<double> splits;

    bool IsForcedStraight() const override { return true; }
    double GetStartLatitude() const override { return 1; }
    double GetEndLatitude() const override { return 2; }
    double GetStartHeight() const override { return 3; }
    double GetEndHeight() const override { return 4; }
    double GetStartHalfWidth() const override { return 0.5; }
    double GetEndHalfWidth() const override { return 0.25; }
    double GetStartCollisionHalfWidth() const override { return 0.125; }
    double GetEndCollisionHalfWidth() const override { return 0.0625; }
    Velmo::Papy::WallType GetWallType() const override { return Velmo::Papy::WallType(3); }
    bool IsVertical() const override { return false; }
    bool IsProfileCurved() const override { return true; }
    int GetProfilePointCount() const override { return 2; }
    Velmo::Papy::Vertex GetProfilePoint(int i) const override
    {
        VELMO_ASSERT(i >= 0 && i < 2);
        return Velmo::Papy::Vertex(i, 10 + i, 0);
    }
    int GetSubsectionCount() const override { return subsections; }
    double GetSplitPoint(int i) const override { return At(splits, i); }
    bool HasEntry(int s, int e) const override { return Check(s, e), e == 0 || e == 4; }
    CountedPointer<Velmo::Papy::ThreeDObjectAppearance> GetEntryAppearance(int s, int e) const override
    {
        // An appearance of a kind the listing only shows by id: none here.
        return Check(s, e), CountedPointer<Velmo::Papy::ThreeDObjectAppearance>();
    }
    NodePointer GetEntryTextureCoords(int s, int e) const override { return Check(s, e), Leaf(100 + 10 * s + e); }
    bool HasEntryBaseTexture(int s, int e) const override { return Check(s, e), e == 0; }
    bool HasEntryLightMapTexture(int s, int e) const override { return Check(s, e), e == 4; }
    bool UsesDefaultTexelParameters(int s, int e, int link) const override { return Link(s, e, link), e == 4; }
    bool IsHorizontalTexelFixed(int s, int e, int link) const override { return Link(s, e, link), false; }
    double GetHorizontalTexelSize(int s, int e, int link) const override { return Link(s, e, link), 2.0; }
    double GetHorizontalTexelSkew(int s, int e, int link) const override { return Link(s, e, link), 0.5; }
    bool IsVerticalTexelFixed(int s, int e, int link) const override { return Link(s, e, link), true; }
    double GetVerticalTexelSize(int s, int e, int link) const override { return Link(s, e, link), 3.0; }
    double GetVerticalTexelSkew(int s, int e, int link) const override { return Link(s, e, link), 0.75; }

private:
    void Check(int s, int e) const { VELMO_ASSERT(s >= 0 && s < subsections && e >= 0 && e < EntryCount); }
    // Each face has one texture link.
    void Link(int s, int e, int link) const
    {
        Check(s, e);
        VELMO_ASSERT(link == 0 && HasEntry(s, e));
    }
};
// A floor with a base texture whose texel parameters are all explicit (link 0) and a light map
// whose directions are both fixed (link 1).
class FakeFSection : public FakeNode<Velmo::Papy::ThreeDObjectFSection>
{
public:
    NodePointer GetAppearance() const override { return Leaf(60); }
    NodePointer GetTextureCoords() const override { return Leaf(61); }
    bool IsForcedStraight() const override { return false; }
    double GetStartLatitude() const override { return -4.5; }
    double GetEndLatitude() const override { return 4.5; }
    Velmo::Papy::SurfaceType GetSurfaceType() const override { return Velmo::Papy::SurfaceGravel; }
    int GetGripModifier() const override { return 7; }
    Velmo::Papy::TrackFunction GetTrackFunction() const override { return Velmo::Papy::TrackFunctionPitLane; }
    bool HasBaseTexture() const override { return true; }
    bool HasLightMapTexture() const override { return true; }
    bool UsesDefaultTexelParameters(int i) const override { return Link(i), false; }
    bool IsHorizontalTexelFixed(int i) const override { return Link(i) == 1; }
    double GetHorizontalTexelSize(int i) const override { return Link(i), 1.25; }
    double GetHorizontalTexelSkew1(int i) const override { return Link(i), 0.1; }
    double GetHorizontalTexelSkew2(int i) const override { return Link(i), 0.2; }
    bool IsVerticalTexelFixed(int i) const override { return Link(i) == 1; }
    double GetVerticalTexelSize(int i) const override { return Link(i), 2.5; }
    double GetVerticalTexelSkew(int i) const override { return Link(i), 0.3; }

private:
    static int Link(int i)
    {
        VELMO_ASSERT(i == 0 || i == 1);
        return i;
    }
};

// A static reference that turns with the wind: no rotation rows.
class FakeTsoReference : public FakeNode<Velmo::Papy::ThreeDObjectTsoReference>
{
public:
    bool dynamic = false;
    bool wind = true;
    bool sound = false;

    NodePointer GetChild() const override { return Leaf(70); }
    bool IsDynamic() const override { return dynamic; }
    std::string GetPathFile() const override { return "path.pth"; }
    Velmo::Papy::DynamicTSOType GetDynamicType() const override { return Velmo::Papy::DynamicTSOHelicopter; }
    int GetStartWaypoint() const override { return 3; }
    double GetSpeed() const override { return 12.5; }
    double GetXTranslation() const override { return 1; }
    void SetXTranslation(double) override {}
    double GetYTranslation() const override { return 2; }
    void SetYTranslation(double) override {}
    double GetZTranslation() const override { return 3; }
    void SetZTranslation(double) override {}
    bool UsesWindDirection() const override { return wind; }
    void SetUsesWindDirection(bool uses) override { wind = uses; }
    double GetXRotation() const override { return 0; }
    void SetXRotation(double) override {}
    double GetYRotation() const override { return 0; }
    void SetYRotation(double) override {}
    double GetZRotation() const override { return 0; }
    void SetZRotation(double) override {}
    int GetAnimationCount() const override { return 1; }
    std::string GetAnimationName(int i) const override { return At(std::vector<std::string>{"flap"}, i); }
    int GetAnimationFrameCount(int i) const override { return At(std::vector<int>{8}, i); }
    double GetAnimationFramesPerSecond(int i) const override { return At(std::vector<double>{24}, i); }
    bool HasSoundFile() const override { return sound; }
    std::string GetSoundFile() const override { return "wind.wav"; }
};

// Levels of four, two and one children, one of them no node.
class FakeTrackDetailSplit : public FakeNode<Velmo::Papy::ThreeDObjectTrackDetailSplit>
{
public:
    int GetLevelCount() const override { return 3; }
    int GetLevelChildCount(int level) const override { return At(std::vector<int>{4, 2, 1}, level); }
    NodePointer GetLevelChild(int level, int i) const override
    {
        VELMO_ASSERT(i >= 0 && i < GetLevelChildCount(level));
        return level == 0 && i == 1 ? Null() : Leaf(10 * (level + 1) + i);
    }
    NodePointer GetLinks() const override { return Leaf(99); }
};

class FakeDrawingDistances : public FakeNode<Velmo::Papy::ThreeDObjectTrackDrawingDistances>
{
public:
    int GetRecordCount() const override { return 2; }
    int GetFirstValue(int i) const override { return At(std::vector<int>{1, -1}, i); }
    int GetSecondValue(int i) const override { return At(std::vector<int>{2, 20}, i); }
    int GetThirdValue(int i) const override { return At(std::vector<int>{3, 30}, i); }
    int GetFourthValue(int i) const override { return At(std::vector<int>{4, 40}, i); }
};
// A polygon with neither a colour nor a colour-map index (the kind's defaults otherwise).
class FakeBarePolygon : public FakeNode<Velmo::Papy::ThreeDObjectPolygon>
{
public:
    int GetVertexCount() const override { return 1; }
    Velmo::Papy::Vertex GetVertex(int i) const override
    {
        VELMO_ASSERT(i == 0);
        return Velmo::Papy::Vertex(1, 2, 3);
    }
    int GetVertexId(int i) const override { return At(std::vector<int>{0}, i); }
    void SetVertexId(int, int) override {}
    bool HasColour() const override { return false; }
};
} // namespace VelmoTest
