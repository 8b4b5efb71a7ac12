#include "Vantrel/Visitors/ThreeDObjectListVisitor.h"

#include <iterator>

#include "Papy/Model/ComparisonOperator.h"
#include "Papy/Model/DisplayClass.h"
#include "Papy/Model/DynamicTSOType.h"
#include "Papy/Model/SurfaceType.h"
#include "Papy/Model/ThreeDObjectAnimatedTransform.h"
#include "Papy/Model/ThreeDObjectAnimationSplitter.h"
#include "Papy/Model/ThreeDObjectAppNode.h"
#include "Papy/Model/ThreeDObjectAppearance.h"
#include "Papy/Model/ThreeDObjectBillboard.h"
#include "Papy/Model/ThreeDObjectBoundingBox.h"
#include "Papy/Model/ThreeDObjectCarRoot.h"
#include "Papy/Model/ThreeDObjectClassMaterial.h"
#include "Papy/Model/ThreeDObjectClassTexture.h"
#include "Papy/Model/ThreeDObjectClassTextureMaterial.h"
#include "Papy/Model/ThreeDObjectClassTextureSelector.h"
#include "Papy/Model/ThreeDObjectClassTextureSelectorMaterial.h"
#include "Papy/Model/ThreeDObjectColourMap.h"
#include "Papy/Model/ThreeDObjectDisplayClass.h"
#include "Papy/Model/ThreeDObjectDistanceSplitter.h"
#include "Papy/Model/ThreeDObjectEmpty.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectExtObjectList.h"
#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/Model/ThreeDObjectGeometry.h"
#include "Papy/Model/ThreeDObjectGroup.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectLatitudeSplitter.h"
#include "Papy/Model/ThreeDObjectLine.h"
#include "Papy/Model/ThreeDObjectLodSwitch.h"
#include "Papy/Model/ThreeDObjectLongitudeSplitter.h"
#include "Papy/Model/ThreeDObjectMaterial.h"
#include "Papy/Model/ThreeDObjectMorphVertices.h"
#include "Papy/Model/ThreeDObjectMultipleTextures.h"
#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Papy/Model/ThreeDObjectObjectLocatorList.h"
#include "Papy/Model/ThreeDObjectPlaneCullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3CullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPointLight.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectPortal.h"
#include "Papy/Model/ThreeDObjectProxy.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectScaledBitmap.h"
#include "Papy/Model/ThreeDObjectSelfLighting.h"
#include "Papy/Model/ThreeDObjectShape.h"
#include "Papy/Model/ThreeDObjectStateSplitter.h"
#include "Papy/Model/ThreeDObjectStateSwitch.h"
#include "Papy/Model/ThreeDObjectStateValueSetter.h"
#include "Papy/Model/ThreeDObjectTexture.h"
#include "Papy/Model/ThreeDObjectTexture2.h"
#include "Papy/Model/ThreeDObjectTextureCoords.h"
#include "Papy/Model/ThreeDObjectTextureSelector.h"
#include "Papy/Model/ThreeDObjectTrack.h"
#include "Papy/Model/ThreeDObjectTrackDetail.h"
#include "Papy/Model/ThreeDObjectTrackDetailSplit.h"
#include "Papy/Model/ThreeDObjectTrackDrawingDistances.h"
#include "Papy/Model/ThreeDObjectTrackIndex.h"
#include "Papy/Model/ThreeDObjectTrackLevelPlane.h"
#include "Papy/Model/ThreeDObjectTrackLink.h"
#include "Papy/Model/ThreeDObjectTrackRoot.h"
#include "Papy/Model/ThreeDObjectTrackSections.h"
#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Papy/Model/ThreeDObjectTrackSubSection1.h"
#include "Papy/Model/ThreeDObjectTracksideObject.h"
#include "Papy/Model/ThreeDObjectTransform.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/Model/ThreeDObjectTriangleFan.h"
#include "Papy/Model/ThreeDObjectTriangleStrip.h"
#include "Papy/Model/ThreeDObjectTriangles.h"
#include "Papy/Model/ThreeDObjectTsoReference.h"
#include "Papy/Model/ThreeDObjectU1.h"
#include "Papy/Model/ThreeDObjectU3.h"
#include "Papy/Model/ThreeDObjectVertexFixer.h"
#include "Papy/Model/ThreeDObjectVertices.h"
#include "Papy/Model/ThreeDObjectWSection.h"
#include "Papy/Model/ThreeDObjectXSection.h"
#include "Papy/Model/TrackFunction.h"
#include "Papy/Model/WallType.h"
#include "Util/Exception.h"
#include "Vantrel/Visitors/ValueFormat.h"

using namespace Velmo;
using namespace Velmo::Papy;
using F = ValueFormat;
using NodePointer = Util::CountedPointer<ThreeDObject>;

namespace
{
// ---- Splitters: a few leading rows, the operator, then per child its threshold and itself.

template <class Node>
struct SplitterKind;

template <>
struct SplitterKind<ThreeDObjectAnimationSplitter>
{
    static constexpr const char* Label = "Animation Splitter";
    static constexpr const char* Threshold = "Tick";
    // Whether the threshold rows stay when the operator is INDEX, which needs no threshold.
    static constexpr bool ThresholdUnderIndex = false;
    static void Lead(ThreeDObjectRows& rows, const ThreeDObjectAnimationSplitter& node)
    {
        rows.Add("Period", F::Unsigned(node.GetPeriod()));
    }
    static std::string Value(const ThreeDObjectAnimationSplitter& node, int i) { return F::Fixed(node.GetTick(i)); }
};

template <>
struct SplitterKind<ThreeDObjectDistanceSplitter>
{
    static constexpr const char* Label = "Distance Splitter";
    static constexpr const char* Threshold = "Split Distance";
    static constexpr bool ThresholdUnderIndex = false;
    static void Lead(ThreeDObjectRows& rows, const ThreeDObjectDistanceSplitter& node)
    {
        rows.Add("Vertex", F::Vertex(node.GetVertex()));
    }
    static std::string Value(const ThreeDObjectDistanceSplitter& node, int i)
    {
        return F::Fixed(node.GetSplitDistance(i));
    }
};

template <>
struct SplitterKind<ThreeDObjectLatitudeSplitter>
{
    static constexpr const char* Label = "Latitude Splitter";
    static constexpr const char* Threshold = "Latitude";
    static constexpr bool ThresholdUnderIndex = false;
    static void Lead(ThreeDObjectRows&, const ThreeDObjectLatitudeSplitter&) {}
    static std::string Value(const ThreeDObjectLatitudeSplitter& node, int i) { return F::Fixed(node.GetLatitude(i)); }
};

template <>
struct SplitterKind<ThreeDObjectLongitudeSplitter>
{
    static constexpr const char* Label = "Longitude Splitter";
    static constexpr const char* Threshold = "Longitude";
    static constexpr bool ThresholdUnderIndex = false;
    static void Lead(ThreeDObjectRows&, const ThreeDObjectLongitudeSplitter&) {}
    static std::string Value(const ThreeDObjectLongitudeSplitter& node, int i)
    {
        return F::Fixed(node.GetLongitude(i));
    }
};

template <>
struct SplitterKind<ThreeDObjectStateSplitter>
{
    static constexpr const char* Label = "State Splitter";
    static constexpr const char* Threshold = "Value";
    static constexpr bool ThresholdUnderIndex = true;
    static void Lead(ThreeDObjectRows& rows, const ThreeDObjectStateSplitter& node)
    {
        rows.Add("Variable", F::Unsigned(node.GetVariable()));
    }
    static std::string Value(const ThreeDObjectStateSplitter& node, int i) { return F::Unsigned(node.GetValue(i)); }
};

template <class Node>
void ListSplitter(ThreeDObjectRows& rows, const Node& node)
{
    using Kind = SplitterKind<Node>;
    Kind::Lead(rows, node);
    const U32 op = node.GetComparisonOperator();
    rows.Add("Comparison Operator", GetComparisonOperatorName(int(op)));
    const bool thresholds = Kind::ThresholdUnderIndex || op != U32(ComparisonINDEX);
    const int count = node.GetChildCount();
    for (int i = 0; i < count; ++i)
    {
        if (thresholds)
            rows.Add(Kind::Threshold, i, Kind::Value(node, i));
        rows.Add("Child", i, F::Reference(node.GetChild(i)));
    }
}

// ---- Plane-ordered nodes: the plane, then the children in the kind's order.

template <class Node>
struct ChildRow
{
    const char* label;
    NodePointer (Node::*child)() const;
};

template <class Node>
struct PlaneOrderKind;

template <>
struct PlaneOrderKind<ThreeDObjectPlaneCullFront>
{
    typedef ThreeDObjectPlaneCullFront N;
    static constexpr const char* Label = "Plane Cull Front";
    static constexpr ChildRow<N> Children[] = {{"Front Child", &N::GetFrontChild}};
};

template <>
struct PlaneOrderKind<ThreeDObjectPlaneOrder2>
{
    typedef ThreeDObjectPlaneOrder2 N;
    static constexpr const char* Label = "Plane Order 2";
    static constexpr ChildRow<N> Children[] = {{"Far Child", &N::GetFarChild}, {"Near Child", &N::GetNearChild}};
};

template <>
struct PlaneOrderKind<ThreeDObjectPlaneOrder2CullFrontBack>
{
    typedef ThreeDObjectPlaneOrder2CullFrontBack N;
    static constexpr const char* Label = "Plane Order 2 Cull Front/Back";
    static constexpr ChildRow<N> Children[] = {{"Back Child", &N::GetBackChild}, {"Front Child", &N::GetFrontChild}};
};

template <>
struct PlaneOrderKind<ThreeDObjectPlaneOrder3>
{
    typedef ThreeDObjectPlaneOrder3 N;
    static constexpr const char* Label = "Plane Order 3";
    static constexpr ChildRow<N> Children[] = {
        {"Far Child", &N::GetFarChild}, {"Middle Child", &N::GetMiddleChild}, {"Near Child", &N::GetNearChild}};
};

template <>
struct PlaneOrderKind<ThreeDObjectPlaneOrder3CullFront>
{
    typedef ThreeDObjectPlaneOrder3CullFront N;
    static constexpr const char* Label = "Plane Order 3 Cull Front";
    static constexpr ChildRow<N> Children[] = {
        {"Far Child", &N::GetFarChild}, {"Front Child", &N::GetFrontChild}, {"Near Child", &N::GetNearChild}};
};

template <>
struct PlaneOrderKind<ThreeDObjectPlaneOrder4CullFrontBack>
{
    typedef ThreeDObjectPlaneOrder4CullFrontBack N;
    // The leading blank belongs to the label.
    static constexpr const char* Label = " Plane Order 4 Cull Front/Back";
    static constexpr ChildRow<N> Children[] = {{"Far Child", &N::GetFarChild},
                                               {"Back Child", &N::GetBackChild},
                                               {"Front Child", &N::GetFrontChild},
                                               {"Near Child", &N::GetNearChild}};
};

template <class Node>
void ListPlaneOrder(ThreeDObjectRows& rows, const Node& node)
{
    rows.Add("Plane", F::Plane(node.GetPlane()));
    for (const ChildRow<Node>& row : PlaneOrderKind<Node>::Children)
        rows.Add(row.label, F::Reference((node.*row.child)()));
}

// ---- Materials, textures and texture selectors over one child: each kind has some of the
// display class, the material, the texture name and the texture slot, in that order, and its
// child last, or first for the kinds without a class.

enum class ChildPlace { Last, First };

template <ChildPlace Place, class Node>
void ListMaterial(ThreeDObjectRows& rows, const Node& node)
{
    if constexpr (Place == ChildPlace::First)
        rows.Add("Child", F::Reference(node.GetChild()));
    if constexpr (requires { node.GetClass(); })
        rows.Add("Class", GetDisplayClassName(node.GetClass()));
    if constexpr (requires { node.GetShininess(); })
    {
        rows.Add("Shininess", F::Fixed(node.GetShininess()));
        rows.Add("Specular Shade", F::Colour(node.GetSpecularShade()));
    }
    if constexpr (requires { node.GetTextureName(); })
        rows.Add("MIP", node.GetTextureName());
    if constexpr (requires { node.GetTextureSlot(); })
        rows.Add("Texture Slot", F::Unsigned(node.GetTextureSlot()));
    if constexpr (Place == ChildPlace::Last)
        rows.Add("Child", F::Reference(node.GetChild()));
}

// ---- Triangle fans and strips: index count - 2 triangles over a vertex list.

template <class Node>
struct TriangleRunKind;

template <>
struct TriangleRunKind<ThreeDObjectTriangleFan>
{
    static constexpr const char* Label = "Triangle Fan";
    // Every triangle of a fan starts at the first index.
    static int First(int) { return 0; }
};

template <>
struct TriangleRunKind<ThreeDObjectTriangleStrip>
{
    static constexpr const char* Label = "Triangle Strip";
    static int First(int t) { return t; }
};

template <class Node>
void ListTriangleRun(ThreeDObjectRows& rows, const Node& node)
{
    // Fewer than 3 indices make no triangle (the count must not wrap below 0).
    const int indices = node.GetIndexCount();
    const int count = indices > 2 ? indices - 2 : 0;
    rows.Add("Count", F::Unsigned(U32(count)));
    for (int t = 0; t < count; ++t)
    {
        rows.Add("Triangle", t,
                 F::IndexTriple(node.GetIndex(TriangleRunKind<Node>::First(t)), node.GetIndex(t + 1),
                                node.GetIndex(t + 2)));
        for (int k = t == 0 ? 0 : t + 2; k <= t + 2; ++k)
            rows.Add("Vertex Index", k, F::Unsigned(U32(node.GetIndex(k))));
    }
    rows.Add("Child", F::Reference(node.GetVertices()));
}

// ---- Texel parameters of a floor or wall section's texture link.

struct FSectionTexel
{
    const ThreeDObjectFSection& node;
    int link;
    bool UsesDefault() const { return node.UsesDefaultTexelParameters(link); }
    bool HorizontalFixed() const { return node.IsHorizontalTexelFixed(link); }
    double HorizontalSize() const { return node.GetHorizontalTexelSize(link); }
    void Skews(ThreeDObjectRows& rows) const
    {
        rows.Add("Horizontal Texel Skew1", F::Fixed(node.GetHorizontalTexelSkew1(link)));
        rows.Add("Horizontal Texel Skew2", F::Fixed(node.GetHorizontalTexelSkew2(link)));
    }
    bool VerticalFixed() const { return node.IsVerticalTexelFixed(link); }
    double VerticalSize() const { return node.GetVerticalTexelSize(link); }
    double VerticalSkew() const { return node.GetVerticalTexelSkew(link); }
};

struct WSectionTexel
{
    const ThreeDObjectWSection& node;
    int subsection;
    int entry;
    int link;
    bool UsesDefault() const { return node.UsesDefaultTexelParameters(subsection, entry, link); }
    bool HorizontalFixed() const { return node.IsHorizontalTexelFixed(subsection, entry, link); }
    double HorizontalSize() const { return node.GetHorizontalTexelSize(subsection, entry, link); }
    void Skews(ThreeDObjectRows& rows) const
    {
        rows.Add("Horizontal Texel Skew", F::Fixed(node.GetHorizontalTexelSkew(subsection, entry, link)));
    }
    bool VerticalFixed() const { return node.IsVerticalTexelFixed(subsection, entry, link); }
    double VerticalSize() const { return node.GetVerticalTexelSize(subsection, entry, link); }
    double VerticalSkew() const { return node.GetVerticalTexelSkew(subsection, entry, link); }
};

// k: 0 for the base texture, 1 for the light map.
template <class Texel>
void ListTexelBlock(ThreeDObjectRows& rows, int k, const Texel& texel)
{
    rows.Heading(k == 0 ? "Base Texture" : "Light Map Texture");
    const bool useDefault = texel.UsesDefault();
    rows.Add("Use Default Texel Parameters", F::Boolean(useDefault));
    if (useDefault)
        return;
    const bool horizontalFixed = texel.HorizontalFixed();
    rows.Add("Horizontal Texel Fixed", F::Boolean(horizontalFixed));
    if (!horizontalFixed)
    {
        rows.Add("Horizontal Texel Size", F::Fixed(texel.HorizontalSize()));
        texel.Skews(rows);
    }
    const bool verticalFixed = texel.VerticalFixed();
    rows.Add("Vertical Texel Fixed", F::Boolean(verticalFixed));
    if (!verticalFixed)
    {
        rows.Add("Vertical Texel Size", F::Fixed(texel.VerticalSize()));
        rows.Add("Vertical Texel Skew", F::Fixed(texel.VerticalSkew()));
    }
}

// The links of a section's textures are numbered from 0: the base texture when there is one,
// then the light map.
template <class MakeTexel>
void ListTexelBlocks(ThreeDObjectRows& rows, bool hasBase, bool hasLightMap, MakeTexel texel)
{
    if (hasBase)
        ListTexelBlock(rows, 0, texel(0));
    if (hasLightMap)
        ListTexelBlock(rows, 1, texel(hasBase ? 1 : 0));
}

// Translation rows of the transform kinds.
template <class Node>
void ListTranslation(ThreeDObjectRows& rows, const Node& node)
{
    rows.Add("X Translation", F::Fixed(node.GetXTranslation()));
    rows.Add("Y Translation", F::Fixed(node.GetYTranslation()));
    rows.Add("Z Translation", F::Fixed(node.GetZTranslation()));
}

// Rotation rows of the kinds that keep radians.
template <class Node>
void ListRotation(ThreeDObjectRows& rows, const Node& node)
{
    rows.Add("X Rotation", F::Angle(node.GetXRotation()));
    rows.Add("Y Rotation", F::Angle(node.GetYRotation()));
    rows.Add("Z Rotation", F::Angle(node.GetZRotation()));
}

// "Count" and one "Child" row per child.
template <class Node>
void ListChildren(ThreeDObjectRows& rows, const Node& node)
{
    const int count = node.GetChildCount();
    rows.Add("Count", F::Unsigned(U32(count)));
    for (int i = 0; i < count; ++i)
        rows.Add("Child", i, F::Reference(node.GetChild(i)));
}
} // namespace

ThreeDObjectListVisitor::ThreeDObjectListVisitor(ThreeDObjectRowSink& sink) : m_rows(sink) {}

int ThreeDObjectListVisitor::ListHeaderRows(ThreeDObject& node, const char* kind)
{
    m_rows.Add("Type", kind);
    m_rows.Add("Id", F::Unsigned(U32(node.GetId())));
    m_rows.Add("Name", node.GetName());
    return m_rows.GetCount() - 1;
}

int ThreeDObjectListVisitor::ListUnknownValues(ThreeDObject& node)
{
    const int strings = node.GetStringCount();
    for (int i = 0; i < strings; ++i)
        m_rows.Add("Unknown", node.GetString(i));
    const int booleans = node.GetBooleanCount();
    for (int i = 0; i < booleans; ++i)
        m_rows.Add("Unknown", F::Boolean(node.GetBoolean(i)));
    const int integers = node.GetIntegerCount();
    for (int i = 0; i < integers; ++i)
        m_rows.Add("Unknown", F::UnknownInteger(node.GetInteger(i)));
    const int floats = node.GetFloatCount();
    for (int i = 0; i < floats; ++i)
        m_rows.Add("Unknown", F::Fixed(node.GetFloat(i)));
    return m_rows.GetCount() - 1;
}

std::string ThreeDObjectListVisitor::GetTextureFunctionName(int value)
{
    static const char* const names[] = {"Modulate",
                                        "Decal",
                                        "Blend",
                                        "Replace",
                                        "Modulate Alpha Add Colour (?)",
                                        "Modulate Colour Add Alpha (?)"};
    return value >= 0 && value < int(std::size(names)) ? names[value] : "Unknown";
}

std::string ThreeDObjectListVisitor::GetFaceName(int entry)
{
    static const char* const names[] = {"Right Face", "Top Face", "Left Face", "Near Face", "Far Face"};
    VELMO_ASSERT_TEXT(entry >= 0 && entry < int(std::size(names)), "false");
    return names[entry];
}

const char* ThreeDObjectListVisitor::GetPolygonLabel(bool textured, bool staticShaded, bool dynamicShaded)
{
    static const char* const labels[8] = {
        "Polygon",                                            // none
        "Dynamic Shaded Polygon",                             // dynamic
        "Static Shaded Polygon",                              // static
        "Static Shaded / Dynamic Shaded Polygon",             // static, dynamic
        "Textured Polygon",                                   // textured
        "Textured / Dynamic Shaded Polygon",                  // textured, dynamic
        "Textured / Static Shaded Polygon",                   // textured, static
        "Textured / Static Shaded / Dynamic Shaded Polygon",  // all three
    };
    return labels[(textured ? 4 : 0) + (staticShaded ? 2 : 0) + (dynamicShaded ? 1 : 0)];
}

template <class Body>
bool ThreeDObjectListVisitor::List(ThreeDObject& node, const char* kind, Body body)
{
    ListHeaderRows(node, kind);
    body();
    ListUnknownValues(node);
    return false;
}

bool ThreeDObjectListVisitor::Enter(ThreeDObject&)
{
    return false;
}

// ---- Transforms, splitters and switches -------------------------------------------------------

bool ThreeDObjectListVisitor::EnterAnimatedTransform(ThreeDObjectAnimatedTransform& node)
{
    return List(node, "Animated Transform", [&] {
        m_rows.Add("Variable", node.GetVariable());
        ListTranslation(m_rows, node);
        ListRotation(m_rows, node);
        m_rows.Add("Child", F::Reference(node.GetChild()));
        // Each state shows its own translation and rotation.
        const int states = node.GetStateCount();
        for (int i = 0; i < states; ++i)
        {
            m_rows.Add("State", i, F::Unsigned(U32(node.GetStateValue(i))));
            m_rows.Add("X Translation", F::Fixed(node.GetStateXTranslation(i)));
            m_rows.Add("Y Translation", F::Fixed(node.GetStateYTranslation(i)));
            m_rows.Add("Z Translation", F::Fixed(node.GetStateZTranslation(i)));
            m_rows.Add("X Rotation", F::Angle(node.GetStateXRotation(i)));
            m_rows.Add("Y Rotation", F::Angle(node.GetStateYRotation(i)));
            m_rows.Add("Z Rotation", F::Angle(node.GetStateZRotation(i)));
        }
    });
}

bool ThreeDObjectListVisitor::EnterAnimationSplitter(ThreeDObjectAnimationSplitter& node)
{
    return List(node, SplitterKind<ThreeDObjectAnimationSplitter>::Label, [&] { ListSplitter(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterDistanceSplitter(ThreeDObjectDistanceSplitter& node)
{
    return List(node, SplitterKind<ThreeDObjectDistanceSplitter>::Label, [&] { ListSplitter(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterLatitudeSplitter(ThreeDObjectLatitudeSplitter& node)
{
    return List(node, SplitterKind<ThreeDObjectLatitudeSplitter>::Label, [&] { ListSplitter(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterLongitudeSplitter(ThreeDObjectLongitudeSplitter& node)
{
    return List(node, SplitterKind<ThreeDObjectLongitudeSplitter>::Label, [&] { ListSplitter(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterStateSplitter(ThreeDObjectStateSplitter& node)
{
    return List(node, SplitterKind<ThreeDObjectStateSplitter>::Label, [&] { ListSplitter(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterStateSwitch(ThreeDObjectStateSwitch& node)
{
    return List(node, "State Switch", [&] {
        m_rows.Add("Variable", node.GetVariable());
        const int count = node.GetChildCount();
        for (int i = 0; i < count; ++i)
        {
            m_rows.Add("State", i, F::Fixed(node.GetStateValue(i)));
            m_rows.Add("Child", i, F::Reference(node.GetChild(i)));
        }
        // One state value more than children: the upper end of the last child's range.
        m_rows.Add("State", count, F::Fixed(node.GetStateValue(count)));
        m_rows.Add("Bounding Box", F::Box(node.GetBoundingBox()));
    });
}

void ThreeDObjectListVisitor::VisitStateValueSetter(ThreeDObjectStateValueSetter& node)
{
    List(node, "State Value Setter", [&] {
        m_rows.Add("State Index", F::Unsigned(node.GetStateIndex()));
        m_rows.Add("State Value", F::Unsigned(node.GetStateValue()));
    });
}

bool ThreeDObjectListVisitor::EnterLodSwitch(ThreeDObjectLodSwitch& node)
{
    return List(node, "Level of Detail Switch", [&] {
        const int count = node.GetChildCount();
        for (int i = 0; i < count; ++i)
        {
            m_rows.Add("Split Distance", i, F::Fixed(node.GetSplitDistance(i)));
            m_rows.Add("Child", i, F::Reference(node.GetChild(i)));
        }
        m_rows.Add("Ignores Preferences", F::Boolean(node.IgnoresPreferences()));
        m_rows.Add("Bounding Box", F::Box(node.GetBoundingBox()));
    });
}

bool ThreeDObjectListVisitor::EnterTransform(ThreeDObjectTransform& node)
{
    return List(node, "Transform", [&] {
        ListTranslation(m_rows, node);
        ListRotation(m_rows, node);
        m_rows.Add("Child", F::Reference(node.GetChild()));
        m_rows.Add("Bounding Box", F::Box(node.GetBoundingBox()));
    });
}

bool ThreeDObjectListVisitor::EnterTransformation(ThreeDObjectTransformation& node)
{
    return List(node, "Transformation", [&] {
        ListTranslation(m_rows, node);
        // Stored in degrees.
        m_rows.Add("X Rotation", F::Degrees(node.GetXRotation()));
        m_rows.Add("Y Rotation", F::Degrees(node.GetYRotation()));
        m_rows.Add("Z Rotation", F::Degrees(node.GetZRotation()));
        m_rows.Add("Scale", F::Fixed(node.GetScale()));
        m_rows.Add("Reset Fixed Vertices", F::Boolean(node.ResetsFixedVertices()));
        m_rows.Add("Child", F::Reference(node.GetChild()));
    });
}

bool ThreeDObjectListVisitor::EnterBillboard(ThreeDObjectBillboard& node)
{
    return List(node, "Billboard", [&] {
        ListTranslation(m_rows, node);
        m_rows.Add("Rotation Axis X", F::Fixed(node.GetRotationAxisX()));
        m_rows.Add("Rotation Axis Y", F::Fixed(node.GetRotationAxisY()));
        m_rows.Add("Rotation Axis Z", F::Fixed(node.GetRotationAxisZ()));
        m_rows.Add("Child", F::Reference(node.GetChild()));
        m_rows.Add("Bounding Box", F::Box(node.GetBoundingBox()));
    });
}

// ---- Plane-ordered nodes ------------------------------------------------------------------------

bool ThreeDObjectListVisitor::EnterPlaneCullFront(ThreeDObjectPlaneCullFront& node)
{
    return List(node, PlaneOrderKind<ThreeDObjectPlaneCullFront>::Label, [&] { ListPlaneOrder(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterPlaneOrder2(ThreeDObjectPlaneOrder2& node, bool&)
{
    return List(node, PlaneOrderKind<ThreeDObjectPlaneOrder2>::Label, [&] { ListPlaneOrder(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterPlaneOrder2CullFrontBack(ThreeDObjectPlaneOrder2CullFrontBack& node, bool&)
{
    return List(node, PlaneOrderKind<ThreeDObjectPlaneOrder2CullFrontBack>::Label,
                [&] { ListPlaneOrder(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterPlaneOrder3(ThreeDObjectPlaneOrder3& node, bool&)
{
    return List(node, PlaneOrderKind<ThreeDObjectPlaneOrder3>::Label, [&] { ListPlaneOrder(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterPlaneOrder3CullFront(ThreeDObjectPlaneOrder3CullFront& node, bool&)
{
    return List(node, PlaneOrderKind<ThreeDObjectPlaneOrder3CullFront>::Label, [&] { ListPlaneOrder(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterPlaneOrder4CullFrontBack(ThreeDObjectPlaneOrder4CullFrontBack& node, bool&)
{
    return List(node, PlaneOrderKind<ThreeDObjectPlaneOrder4CullFrontBack>::Label,
                [&] { ListPlaneOrder(m_rows, node); });
}

// ---- Lists, locators and structure ------------------------------------------------------------

bool ThreeDObjectListVisitor::EnterRoot(ThreeDObjectRoot&)
{
    // The root shows its kind only.
    m_rows.Add("Type", "Root Pseudo-Node");
    return false;
}

bool ThreeDObjectListVisitor::EnterHandle(ThreeDObjectHandle& node)
{
    // A handle has a name but no id of the file's own.
    m_rows.Add("Type", "Handle Pseudo-Node");
    m_rows.Add("Name", node.GetName());
    m_rows.Add("Child", F::Reference(node.GetObject()));
    ListUnknownValues(node);
    return false;
}

bool ThreeDObjectListVisitor::EnterProxy(ThreeDObjectProxy& node)
{
    return List(node, "Proxy Pseudo-Node", [&] { m_rows.Add("Child", F::Reference(node.GetChild())); });
}

void ThreeDObjectListVisitor::VisitEmpty(ThreeDObjectEmpty& node)
{
    List(node, "Empty", [] {});
}

bool ThreeDObjectListVisitor::EnterGroup(ThreeDObjectGroup& node)
{
    return List(node, "Group", [&] {
        ListChildren(m_rows, node);
        m_rows.Add("Bounding Box", F::Box(node.GetBoundingBox()));
    });
}

bool ThreeDObjectListVisitor::EnterObjectList(ThreeDObjectObjectList& node)
{
    return List(node, "Object List", [&] { ListChildren(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterObjectLocatorList(ThreeDObjectObjectLocatorList& node)
{
    return List(node, "Object Locator List", [&] { ListChildren(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterObjectLocator(ThreeDObjectObjectLocator& node)
{
    return List(node, "Object Locator", [&] {
        for (int i = 0; i < ThreeDObjectObjectLocator::SiblingCount; ++i)
        {
            m_rows.Add("Plane", i, F::Plane(node.GetPlane(i)));
            m_rows.Add("Sibling", i, F::Reference(node.GetSibling(i)));
        }
        m_rows.Add("Child", F::Reference(node.GetChild()));
        const int count = node.GetObjectCount();
        for (int i = 0; i < count; ++i)
        {
            m_rows.Add("Position", i, F::Vertex(node.GetObjectX(i), node.GetObjectY(i), node.GetObjectZ(i)));
            m_rows.Add("Object", i, F::Reference(node.GetObject(i)));
        }
    });
}

void ThreeDObjectListVisitor::VisitNumberList(ThreeDObjectNumberList& node)
{
    List(node, "Number List", [&] {
        const int count = node.GetNumberCount();
        m_rows.Add("Count", F::Unsigned(U32(count)));
        for (int i = 0; i < count; ++i)
            m_rows.Add("Number", i, F::Unsigned(node.GetNumber(i)));
    });
}

void ThreeDObjectListVisitor::VisitExtObject(ThreeDObjectExtObject& node)
{
    List(node, "External Object", [&] { m_rows.Add("3DO", node.GetObjectName()); });
}

bool ThreeDObjectListVisitor::EnterExtObjectList(ThreeDObjectExtObjectList& node)
{
    return List(node, "External Object List", [&] {
        m_rows.Add("Child", F::Reference(node.GetChild()));
        const int count = node.GetObjectCount();
        m_rows.Add("External Object Count", F::Unsigned(U32(count)));
        for (int i = 0; i < count; ++i)
            m_rows.Add("External Object", i, F::Reference(node.GetObject(i)));
    });
}

bool ThreeDObjectListVisitor::EnterCarRoot(ThreeDObjectCarRoot& node)
{
    return List(node, "Car Root", [&] {
        m_rows.Add("Shadow", F::Reference(node.GetShadow()));
        m_rows.Add("Cockpit", F::Reference(node.GetCockpit()));
        m_rows.Add("Car", F::Reference(node.GetCar()));
    });
}

bool ThreeDObjectListVisitor::EnterAppNode(ThreeDObjectAppNode& node)
{
    return List(node, "App Node Object", [&] {
        m_rows.Add("Child", F::Reference(node.GetChild()));
        m_rows.Add("Text", node.GetText());
    });
}

void ThreeDObjectListVisitor::VisitU1(ThreeDObjectU1& node)
{
    List(node, "Unknown", [&] {
        m_rows.Add("First", F::Unsigned(U32(node.GetFirst())));
        m_rows.Add("Second", F::Signed(node.GetSecond()));
        m_rows.Add("Third", F::Unsigned(U32(node.GetThird())));
        m_rows.Add("Fourth", F::Signed(node.GetFourth()));
    });
}

bool ThreeDObjectListVisitor::EnterU3(ThreeDObjectU3& node)
{
    return List(node, "Unknown", [&] { m_rows.Add("Child", F::Reference(node.GetChild())); });
}

bool ThreeDObjectListVisitor::EnterBoundingBox(ThreeDObjectBoundingBox& node)
{
    return List(node, "Bounding Box", [&] {
        for (int i = 0; i < node.GetVertexCount(); ++i)
            m_rows.Add("Vertex", i, F::Vertex(node.GetVertex(i)));
        m_rows.Add("Child", F::Reference(node.GetChild()));
    });
}

// ---- Materials, textures and lights -----------------------------------------------------------

bool ThreeDObjectListVisitor::EnterMaterial(ThreeDObjectMaterial& node)
{
    return List(node, "Material", [&] { ListMaterial<ChildPlace::Last>(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterClassMaterial(ThreeDObjectClassMaterial& node)
{
    return List(node, "Material with Display Class", [&] { ListMaterial<ChildPlace::Last>(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterClassTexture(ThreeDObjectClassTexture& node)
{
    return List(node, "Texture with Class", [&] { ListMaterial<ChildPlace::Last>(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterClassTextureMaterial(ThreeDObjectClassTextureMaterial& node)
{
    return List(node, "Texture with Class and Material", [&] { ListMaterial<ChildPlace::Last>(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterClassTextureSelector(ThreeDObjectClassTextureSelector& node)
{
    return List(node, "Texture Selector with Class", [&] { ListMaterial<ChildPlace::Last>(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterClassTextureSelectorMaterial(ThreeDObjectClassTextureSelectorMaterial& node)
{
    return List(node, "Texture Selector with Class and Material", [&] { ListMaterial<ChildPlace::Last>(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterDisplayClass(ThreeDObjectDisplayClass& node)
{
    return List(node, "Display Class", [&] { ListMaterial<ChildPlace::Last>(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterTexture(ThreeDObjectTexture& node)
{
    return List(node, "Texture", [&] { ListMaterial<ChildPlace::First>(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterTextureSelector(ThreeDObjectTextureSelector& node)
{
    return List(node, "Texture Selector", [&] { ListMaterial<ChildPlace::First>(m_rows, node); });
}

void ThreeDObjectListVisitor::VisitTexture2(ThreeDObjectTexture2& node)
{
    List(node, "Texture2", [&] {
        m_rows.Add("MIP", node.GetFileName());
        m_rows.Add("Shared", F::Boolean(node.IsShared()));
    });
}

bool ThreeDObjectListVisitor::EnterMultipleTextures(ThreeDObjectMultipleTextures& node)
{
    return List(node, "Multiple Textures", [&] {
        m_rows.Add("Child", F::Reference(node.GetChild()));
        const int count = node.GetTextureCount();
        m_rows.Add("MIP Count", F::Unsigned(U32(count)));
        for (int i = 0; i < count; ++i)
            m_rows.Add("MIP", i, node.GetTextureName(i));
    });
}

bool ThreeDObjectListVisitor::EnterColourMap(ThreeDObjectColourMap& node)
{
    return List(node, "Colour Map", [&] {
        const int count = node.GetEntryCount();
        m_rows.Add("Count", F::Unsigned(U32(count)));
        for (int i = 0; i < count; ++i)
        {
            m_rows.Add("Entry", i, F::Unsigned(U32(node.GetEntry(i))));
            m_rows.Add("Colour", i, F::Colour(node.GetColour(i)));
        }
        m_rows.Add("Child", F::Reference(node.GetChild()));
    });
}

bool ThreeDObjectListVisitor::EnterAppearance(ThreeDObjectAppearance& node)
{
    return List(node, "Appearance", [&] {
        if (node.HasTexture())
            m_rows.Add("Texture", F::Reference(node.GetTexture()));
        if (node.HasLightMapTexture())
            m_rows.Add("Light Map Texture", F::Reference(node.GetLightMapTexture()));
        if (node.HasSpecularTexture())
            m_rows.Add("Specular Highlight Texture", F::Reference(node.GetSpecularTexture()));
        const int others = node.GetOtherTextureCount();
        for (int i = 0; i < others; ++i)
            m_rows.Add("Other Texture", i, F::Reference(node.GetOtherTexture(i)));
        m_rows.Add("Colour", F::Colour(node.GetColour()));
        m_rows.Add("Texture Function", GetTextureFunctionName(node.GetTextureFunction()));
    });
}

bool ThreeDObjectListVisitor::EnterSelfLighting(ThreeDObjectSelfLighting& node)
{
    return List(node, "Self Lighting", [&] { m_rows.Add("Child", F::Reference(node.GetChild())); });
}

void ThreeDObjectListVisitor::VisitPointLight(ThreeDObjectPointLight& node)
{
    // The leading blank belongs to the label.
    List(node, " Point Light", [&] {
        m_rows.Add("Position", F::Vertex(node.GetPosition()));
        m_rows.Add("Diffuse Intensity", F::Colour(node.GetDiffuseIntensity()));
        m_rows.Add("Ambient Intensity", F::Colour(node.GetAmbientIntensity()));
        m_rows.Add("Glow Radius", F::Fixed(node.GetGlowRadius()));
    });
}

bool ThreeDObjectListVisitor::EnterShape(ThreeDObjectShape& node)
{
    return List(node, "Shape", [&] {
        m_rows.Add("Appearance", F::Reference(node.GetAppearance()));
        m_rows.Add("Geometry", F::Reference(node.GetGeometry()));
    });
}

bool ThreeDObjectListVisitor::EnterGeometry(ThreeDObjectGeometry& node)
{
    return List(node, "Geometry", [&] {
        m_rows.Add("Vertices", F::Reference(node.GetVertices()));
        m_rows.Add("Polygons", F::Reference(node.GetPolygons()));
    });
}

// ---- Geometry ---------------------------------------------------------------------------------

void ThreeDObjectListVisitor::VisitPolygon(ThreeDObjectPolygon& node)
{
    const bool textured = node.HasTextureVertices();
    const bool shaded = node.HasShades();
    const bool normals = node.HasNormals();
    List(node, GetPolygonLabel(textured, shaded, normals), [&] {
        if (node.HasColour())
            m_rows.Add("Colour", F::Colour(node.GetColour()));
        if (node.HasColourMapIndex())
            m_rows.Add("Colour Map Index", F::Unsigned(U32(node.GetColourMapIndex())));
        const int count = node.GetVertexCount();
        m_rows.Add("Vertex Count", F::Unsigned(U32(count)));
        for (int i = 0; i < count; ++i)
        {
            m_rows.Add("Vertex", i, F::Vertex(node.GetVertex(i)));
            if (textured)
                m_rows.Add("Texture Vertex", i, F::TextureVertex(node.GetTextureVertex(i)));
            if (shaded)
                m_rows.Add("Shade", i, F::Colour(node.GetShade(i)));
            if (normals)
                m_rows.Add("Normal", i, F::Vertex(node.GetNormal(i)));
        }
    });
}

void ThreeDObjectListVisitor::VisitLine(ThreeDObjectLine& node)
{
    List(node, "Line", [&] {
        m_rows.Add("Colour", F::Colour(node.GetColour()));
        m_rows.Add("From", F::Vertex(node.GetFromVertex()));
        m_rows.Add("To", F::Vertex(node.GetToVertex()));
    });
}

void ThreeDObjectListVisitor::VisitScaledBitmap(ThreeDObjectScaledBitmap& node)
{
    List(node, "Scaled Bitmap", [&] {
        m_rows.Add("Vertex", F::Vertex(node.GetVertex()));
        m_rows.Add("SRB", node.GetSrbName());
        if (node.HasScale())
            m_rows.Add("Scale", F::Fixed(node.GetScale()));
        else
            m_rows.Add("Height", F::Fixed(node.GetHeight()));
        if (node.HasColour())
            m_rows.Add("Colour", F::Colour(node.GetColour()));
        m_rows.Add("Horizontally Reversed", F::Boolean(node.IsHorizontallyReversed()));
        m_rows.Add("Vertically Reversed", F::Boolean(node.IsVerticallyReversed()));
    });
}

void ThreeDObjectListVisitor::VisitVertices(ThreeDObjectVertices& node)
{
    List(node, "Vertices", [&] {
        const int count = node.GetVertexCount();
        const bool textured = node.HasTextureVertices();
        const bool specular = node.HasSpecularTextureVertices();
        m_rows.Add("Vertex Count", F::Unsigned(U32(count)));
        for (int i = 0; i < count; ++i)
        {
            m_rows.Add("Vertex", i, F::Vertex(node.GetVertex(i)));
            m_rows.Add("Normal", i, F::Vertex(node.GetNormal(i)));
            if (textured)
                m_rows.Add("Texture Vertex", i, F::TextureVertex(node.GetTextureVertex(i)));
            if (specular)
                m_rows.Add("Specular Highlight Texture Vertex", i, F::TextureVertex(node.GetSpecularTextureVertex(i)));
        }
    });
}

void ThreeDObjectListVisitor::VisitVertexFixer(ThreeDObjectVertexFixer& node)
{
    List(node, "Vertex Fixer", [&] {
        const int count = node.GetVertexCount();
        m_rows.Add("Vertex Count", F::Unsigned(U32(count)));
        for (int i = 0; i < count; ++i)
            m_rows.Add("Vertex", i, F::Vertex(node.GetVertex(i)));
    });
}

void ThreeDObjectListVisitor::VisitTextureCoords(ThreeDObjectTextureCoords& node)
{
    List(node, "Texture Coordinates", [&] {
        const int count = node.GetVertexCount();
        m_rows.Add("Vertex Count", F::Unsigned(U32(count)));
        if (node.HasTextureVertices())
            for (int i = 0; i < count; ++i)
                m_rows.Add("Texture Vertex", i, F::TextureVertex(node.GetTextureVertex(i)));
    });
}

void ThreeDObjectListVisitor::VisitMorphVertices(ThreeDObjectMorphVertices& node)
{
    List(node, "Morph Vertices", [&] {
        const int count = node.GetVertexCount();
        const bool textured = node.HasTextureVertices();
        const bool specular = node.HasSpecularTextureVertices();
        m_rows.Add("Vertex Count", F::Unsigned(U32(count)));
        for (int i = 0; i < count; ++i)
        {
            m_rows.Add("Vertex", i, F::Vertex(node.GetVertex(i)));
            m_rows.Add("Normal", i, F::Vertex(node.GetNormal(i)));
            if (textured)
                m_rows.Add("Texture Vertex", i, F::TextureVertex(node.GetTextureVertex(i)));
            if (specular)
                m_rows.Add("Specular Highlight Texture Vertex", i, F::TextureVertex(node.GetSpecularTextureVertex(i)));
        }
        const int morphs = node.GetMorphCount();
        for (int t = 0; t < morphs; ++t)
        {
            m_rows.Add("Variable", t, node.GetMorphName(t));
            m_rows.Add("Value", t, F::Unsigned(U32(node.GetMorphValue(t))));
            for (int i = 0; i < count; ++i)
            {
                if (!node.IsMorphed(t, i))
                    continue;
                m_rows.Add("Morphed Vertex", i, F::Vertex(node.GetMorphedVertex(t, i)));
                m_rows.Add("Morphed Normal", i, F::Vertex(node.GetMorphedNormal(t, i)));
            }
        }
    });
}

void ThreeDObjectListVisitor::VisitTriangles(ThreeDObjectTriangles& node)
{
    List(node, "Triangles", [&] {
        const int count = node.GetIndexCount() / 3;
        m_rows.Add("Count", F::Unsigned(U32(count)));
        for (int t = 0; t < count; ++t)
        {
            m_rows.Add("Triangle", t,
                       F::IndexTriple(S32(node.GetIndex(3 * t)), S32(node.GetIndex(3 * t + 1)),
                                      S32(node.GetIndex(3 * t + 2))));
            for (int k = 3 * t; k < 3 * t + 3; ++k)
                m_rows.Add("Vertex Index", k, F::Unsigned(node.GetIndex(k)));
        }
    });
}

bool ThreeDObjectListVisitor::EnterTriangleFan(ThreeDObjectTriangleFan& node)
{
    return List(node, TriangleRunKind<ThreeDObjectTriangleFan>::Label, [&] { ListTriangleRun(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterTriangleStrip(ThreeDObjectTriangleStrip& node)
{
    return List(node, TriangleRunKind<ThreeDObjectTriangleStrip>::Label, [&] { ListTriangleRun(m_rows, node); });
}

bool ThreeDObjectListVisitor::EnterPortal(ThreeDObjectPortal& node)
{
    return List(node, "Portal", [&] {
        m_rows.Add("Vertices", F::Reference(node.GetVertices()));
        const int count = node.GetIndexCount() / 3;
        m_rows.Add("Triangle Count", F::Unsigned(U32(count)));
        for (int t = 0; t < count; ++t)
            m_rows.Add("Triangle", t,
                       F::IndexTriple(node.GetIndex(3 * t), node.GetIndex(3 * t + 1), node.GetIndex(3 * t + 2)));
    });
}

// ---- Track and segments -----------------------------------------------------------------------

bool ThreeDObjectListVisitor::EnterTrack(ThreeDObjectTrack& node)
{
    return List(node, "Track", [&] {
        const int details = node.GetDetailCount();
        m_rows.Add("Detail Count", F::Unsigned(U32(details)));
        m_rows.Add("SkyRotation", F::Angle(node.GetSkyRotation()));
        m_rows.Add("Night Time", F::Boolean(node.IsNightTime()));
        m_rows.Add("Ambient Colour", F::Colour(node.GetAmbientColour()));
        for (int i = 0; i < details; ++i)
            m_rows.Add("Detail", i, F::Reference(node.GetDetail(i)));
        const int objects = node.GetTracksideObjectCount();
        m_rows.Add("Trackside Object Count", F::Unsigned(U32(objects)));
        for (int i = 0; i < objects; ++i)
            m_rows.Add("Trackside Object", i, F::Reference(node.GetTracksideObject(i)));
        const int segments = node.GetSegmentCount();
        m_rows.Add("Segment Count", F::Unsigned(U32(segments)));
        for (int i = 0; i < segments; ++i)
            m_rows.Add("Segment", i, F::Reference(node.GetSegment(i)));
        const int bumpMaps = node.GetBumpMapCount();
        for (int b = 0; b < bumpMaps; ++b)
        {
            m_rows.Add("Bump Map Name (encoded)", node.GetBumpMapName(b));
            for (int k = 0; k < 4; ++k)
            {
                m_rows.Add("Size", k, F::Fixed(node.GetBumpMapSize(b, k)));
                m_rows.Add("Distance", k, F::Fixed(node.GetBumpMapDistance(b, k)));
            }
        }
    });
}

bool ThreeDObjectListVisitor::EnterTrackSegment(ThreeDObjectTrackSegment& node)
{
    return List(node, "Track Segment", [&] {
        m_rows.Add("Type", node.IsCorner() ? "Corner" : "Straight");
        m_rows.Add("Start X", F::Fixed(node.GetStartX()));
        m_rows.Add("Start Y", F::Fixed(node.GetStartY()));
        m_rows.Add("Start Orientation", F::Angle(node.GetStartHeading()));
        m_rows.Add("End X", F::Fixed(node.GetEndX()));
        m_rows.Add("End Y", F::Fixed(node.GetEndY()));
        m_rows.Add("End Orientation", F::Angle(node.GetEndHeading()));
        const int xSections = node.GetXSectionCount();
        m_rows.Add("X Section Count", F::Unsigned(U32(xSections)));
        for (int i = 0; i < xSections; ++i)
            m_rows.Add("X Section", i, F::Reference(node.GetXSection(i)));
        const int fSections = node.GetFSectionCount();
        m_rows.Add("F Section Count", F::Unsigned(U32(fSections)));
        for (int i = 0; i < fSections; ++i)
            m_rows.Add("F Section", i, F::Reference(node.GetFSection(i)));
        const int wSections = node.GetWSectionCount();
        m_rows.Add("W Section Count", F::Unsigned(U32(wSections)));
        for (int i = 0; i < wSections; ++i)
            m_rows.Add("W Section", i, F::Reference(node.GetWSection(i)));
        const int bumps = node.GetBumpMapEntryCount();
        for (int b = 0; b < bumps; ++b)
        {
            m_rows.Add("Bump Map Start Latitude", F::Fixed(node.GetBumpMapStartLatitude(b)));
            m_rows.Add("Bump Map End Latitude", F::Fixed(node.GetBumpMapEndLatitude(b)));
            m_rows.Add("Bump Map Index", F::Unsigned(U32(node.GetBumpMapIndex(b))));
            m_rows.Add("Bump Map Start Scale", F::Fixed(node.GetBumpMapStartScale(b)));
            m_rows.Add("Bump Map End Scale", F::Fixed(node.GetBumpMapEndScale(b)));
        }
    });
}

void ThreeDObjectListVisitor::VisitXSection(ThreeDObjectXSection& node)
{
    List(node, "X Section", [&] {
        m_rows.Add("Start Latitude", F::Fixed(node.GetStartLatitude()));
        m_rows.Add("End Latitude", F::Fixed(node.GetEndLatitude()));
        m_rows.Add("Start Altitude", F::Fixed(node.GetStartAltitude()));
        m_rows.Add("End Altitude", F::Fixed(node.GetEndAltitude()));
        m_rows.Add("Start Slope", F::Fixed(node.GetStartSlope()));
        m_rows.Add("End Slope", F::Fixed(node.GetEndSlope()));
    });
}

bool ThreeDObjectListVisitor::EnterFSection(ThreeDObjectFSection& node)
{
    return List(node, "F Section", [&] {
        m_rows.Add("Forced Straight", F::Boolean(node.IsForcedStraight()));
        m_rows.Add("Start Latitude", F::Fixed(node.GetStartLatitude()));
        m_rows.Add("End Latitude", F::Fixed(node.GetEndLatitude()));
        m_rows.Add("Type", GetSurfaceTypeName(node.GetSurfaceType()));
        m_rows.Add("Grip Modifer", F::Unsigned(U32(node.GetGripModifier())));
        m_rows.Add("Function", GetTrackFunctionName(node.GetTrackFunction()));
        m_rows.Add("Appearance", F::Reference(node.GetAppearance()));
        ListTexelBlocks(m_rows, node.HasBaseTexture(), node.HasLightMapTexture(),
                        [&](int link) { return FSectionTexel{node, link}; });
        m_rows.Add("Texture Coordinates", F::Reference(node.GetTextureCoords()));
    });
}

bool ThreeDObjectListVisitor::EnterWSection(ThreeDObjectWSection& node)
{
    return List(node, "W Section", [&] {
        m_rows.Add("Forced Straight", F::Boolean(node.IsForcedStraight()));
        m_rows.Add("Start Latitude", F::Fixed(node.GetStartLatitude()));
        m_rows.Add("End Latitude", F::Fixed(node.GetEndLatitude()));
        m_rows.Add("Start Height", F::Fixed(node.GetStartHeight()));
        m_rows.Add("End Height", F::Fixed(node.GetEndHeight()));
        m_rows.Add("Start Half-Width", F::Fixed(node.GetStartHalfWidth()));
        m_rows.Add("End Half-Width", F::Fixed(node.GetEndHalfWidth()));
        m_rows.Add("Start Collision Half-Width", F::Fixed(node.GetStartCollisionHalfWidth()));
        m_rows.Add("End Collision Half-Width", F::Fixed(node.GetEndCollisionHalfWidth()));
        m_rows.Add("Type", GetWallTypeName(node.GetWallType()));
        m_rows.Add("Direction", node.IsVertical() ? "Vertical" : "Horizontal");
        const int subsections = node.GetSubsectionCount();
        m_rows.Add("Subsections", F::Unsigned(U32(subsections)));
        // n subsections have n - 1 split points between them; none without two subsections.
        for (int i = 0; i + 1 < subsections; ++i)
            m_rows.Add("Split Point", i, F::Fixed(node.GetSplitPoint(i)));
        const bool curved = node.IsProfileCurved();
        m_rows.Add("Profile Curved", F::Boolean(curved));
        if (curved)
        {
            const int points = node.GetProfilePointCount();
            for (int i = 0; i < points; ++i)
            {
                const Vertex point = node.GetProfilePoint(i);
                m_rows.Add("Profile Control Point", i, F::TextureVertex(point.GetX(), point.GetY()));
            }
        }
        for (int s = 0; s < subsections; ++s)
        {
            m_rows.Heading("Subsection", s);
            for (int e = 0; e < node.GetEntryCount(); ++e)
            {
                if (!node.HasEntry(s, e))
                    continue;
                m_rows.Heading(GetFaceName(e).c_str());
                m_rows.Add("Appearance", F::Reference(node.GetEntryAppearance(s, e)));
                m_rows.Add("Texture Coordinates", F::Reference(node.GetEntryTextureCoords(s, e)));
                ListTexelBlocks(m_rows, node.HasEntryBaseTexture(s, e), node.HasEntryLightMapTexture(s, e),
                                [&](int link) { return WSectionTexel{node, s, e, link}; });
            }
        }
    });
}

bool ThreeDObjectListVisitor::EnterTrackDetail(ThreeDObjectTrackDetail& node)
{
    return List(node, "TrackDetail", [&] {
        m_rows.Add("Longitude", F::Fixed(node.GetLongitude()));
        m_rows.Add("Width", F::Fixed(node.GetWidth()));
        m_rows.Add("Latitude", F::Fixed(node.GetLatitude()));
        m_rows.Add("Height", F::Fixed(node.GetHeight()));
        m_rows.Add("Orientation", F::Angle(node.GetOrientation()));
        m_rows.Add("Appearance", F::Reference(node.GetAppearance()));
        for (int i = 0; i < node.GetVertexCount(); ++i)
            m_rows.Add("Texture Vertex", i, F::TextureVertex(node.GetTextureVertex(i)));
    });
}

bool ThreeDObjectListVisitor::EnterTrackDetailSplit(ThreeDObjectTrackDetailSplit& node, bool&)
{
    return List(node, "Track Detail Split", [&] {
        const int levels = node.GetLevelCount();
        for (int l = 0; l < levels; ++l)
        {
            std::string ids;
            const int count = node.GetLevelChildCount(l);
            for (int i = 0; i < count; ++i)
            {
                if (i != 0)
                    ids += ' ';
                ids += F::Reference(node.GetLevelChild(l, i));
            }
            m_rows.Add("Level", l, ids);
        }
        m_rows.Add("Links", F::Reference(node.GetLinks()));
    });
}

// ---- GPL and N2 track tree nodes --------------------------------------------------------------

bool ThreeDObjectListVisitor::EnterTrackRoot(ThreeDObjectTrackRoot& node)
{
    return List(node, "Track Root", [&] {
        m_rows.Add("Child", F::Reference(node.GetChild()));
        m_rows.Add("Drawing Distances", F::Reference(node.GetDrawingDistances()));
    });
}

void ThreeDObjectListVisitor::VisitTrackDrawingDistances(ThreeDObjectTrackDrawingDistances& node)
{
    // The only kind without the closing rows.
    ListHeaderRows(node, "Track Drawing Distances");
    const int count = node.GetRecordCount();
    m_rows.Add("Count", F::Unsigned(U32(count)));
    for (int i = 0; i < count; ++i)
    {
        std::string values;
        F::AppendUnsigned(values, U32(node.GetFirstValue(i)));
        values += ' ';
        F::AppendUnsigned(values, U32(node.GetSecondValue(i)));
        values += ' ';
        F::AppendUnsigned(values, U32(node.GetThirdValue(i)));
        values += ' ';
        F::AppendUnsigned(values, U32(node.GetFourthValue(i)));
        m_rows.Add("Record", i, values);
    }
}

bool ThreeDObjectListVisitor::EnterTrackSections(ThreeDObjectTrackSections& node)
{
    return List(node, "Track Sections", [&] {
        m_rows.Add("Index", F::Reference(node.GetIndex()));
        const int count = node.GetSectionCount();
        m_rows.Add("Section Count", F::Unsigned(U32(count)));
        for (int i = 0; i < count; ++i)
            m_rows.Add("Section", i, F::Reference(node.GetSection(i)));
        m_rows.Add("Trackside Objects", F::Reference(node.GetTracksideObjects()));
    });
}

bool ThreeDObjectListVisitor::EnterTrackSubSection1(ThreeDObjectTrackSubSection1& node)
{
    return List(node, "Track Sub Section 1", [&] {
        m_rows.Add("Objects Child", F::Reference(node.GetObjectsChild()));
        const int count = node.GetTrackChildCount();
        m_rows.Add("Track Child Count", F::Unsigned(U32(count)));
        for (int i = 0; i < count; ++i)
            m_rows.Add("Track Child", i, F::Reference(node.GetTrackChild(i)));
        if (node.HasGrooveChild())
            m_rows.Add("Groove Child", F::Reference(node.GetGrooveChild()));
        m_rows.Add("Markings Child", F::Reference(node.GetMarkingsChild()));
    });
}

void ThreeDObjectListVisitor::VisitTrackIndex(ThreeDObjectTrackIndex& node)
{
    List(node, "Track Index", [&] {
        const int count = node.GetIndexCount();
        m_rows.Add("Index Count", F::Unsigned(U32(count)));
        for (int i = 0; i < count; ++i)
            m_rows.Add("Index", i, F::Unsigned(U32(node.GetIndex(i))));
    });
}

void ThreeDObjectListVisitor::VisitTrackLink(ThreeDObjectTrackLink& node)
{
    List(node, "Track Link", [&] {
        const int count = node.GetLinkCount();
        for (int i = 0; i < count; ++i)
            m_rows.Add("Link", i, F::Unsigned(U32(node.GetLink(i))));
    });
}

bool ThreeDObjectListVisitor::EnterTrackLevelPlane(ThreeDObjectTrackLevelPlane& node)
{
    return List(node, "Track Level Plane", [&] {
        m_rows.Add("Plane", F::Plane(node.GetPlane()));
        m_rows.Add("Child", F::Reference(node.GetChild()));
    });
}

// ---- Trackside objects ------------------------------------------------------------------------

void ThreeDObjectListVisitor::VisitTracksideObject(ThreeDObjectTracksideObject& node)
{
    List(node, "Trackside Object", [&] {
        m_rows.Add("3DO", node.GetObjectName());
        m_rows.Add("Comment", node.GetComment());
        m_rows.Add("Shared", F::Boolean(node.IsShared()));
    });
}

bool ThreeDObjectListVisitor::EnterTsoReference(ThreeDObjectTsoReference& node)
{
    return List(node, "Trackside Object Reference", [&] {
        const bool dynamic = node.IsDynamic();
        m_rows.Add("Dynamic", F::Boolean(dynamic));
        if (dynamic)
        {
            m_rows.Add("Type", GetDynamicTSOTypeName(node.GetDynamicType()));
            m_rows.Add("Path File", node.GetPathFile());
            m_rows.Add("Start Waypoint", F::Unsigned(U32(node.GetStartWaypoint())));
            m_rows.Add("Speed", F::Fixed(node.GetSpeed()));
        }
        ListTranslation(m_rows, node);
        const bool wind = node.UsesWindDirection();
        m_rows.Add("Use Wind Direction", F::Boolean(wind));
        if (!wind)
            ListRotation(m_rows, node);
        const int animations = node.GetAnimationCount();
        for (int a = 0; a < animations; ++a)
        {
            m_rows.Add("Animation Name", node.GetAnimationName(a));
            m_rows.Add("Frame Count", F::Unsigned(U32(node.GetAnimationFrameCount(a))));
            m_rows.Add("Frames Per Second", F::Fixed(node.GetAnimationFramesPerSecond(a)));
        }
        if (node.HasSoundFile())
            m_rows.Add("Sound File", node.GetSoundFile());
        m_rows.Add("Trackside Object", F::Reference(node.GetChild()));
    });
}
