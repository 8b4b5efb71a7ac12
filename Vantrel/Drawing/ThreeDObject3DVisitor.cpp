#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"

#include <GL/gl.h>

#include <cmath>
#include <exception>

#include "Papy/Bitmap/MipFile.h"
#include "Papy/Bitmap/SrbFile.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectAnimatedTransform.h"
#include "Papy/Model/ThreeDObjectAnimationSplitter.h"
#include "Papy/Model/ThreeDObjectAppearance.h"
#include "Papy/Model/ThreeDObjectBillboard.h"
#include "Papy/Model/ThreeDObjectBoundingBox.h"
#include "Papy/Model/ThreeDObjectCarRoot.h"
#include "Papy/Model/ThreeDObjectClassTexture.h"
#include "Papy/Model/ThreeDObjectClassTextureMaterial.h"
#include "Papy/Model/ThreeDObjectClassTextureSelector.h"
#include "Papy/Model/ThreeDObjectClassTextureSelectorMaterial.h"
#include "Papy/Model/ThreeDObjectColourMap.h"
#include "Papy/Model/ThreeDObjectDisplayClass.h"
#include "Papy/Model/ThreeDObjectDistanceSplitter.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectExtObjectList.h"
#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectLatitudeSplitter.h"
#include "Papy/Model/ThreeDObjectLine.h"
#include "Papy/Model/ThreeDObjectLodSwitch.h"
#include "Papy/Model/ThreeDObjectLongitudeSplitter.h"
#include "Papy/Model/ThreeDObjectMorphVertices.h"
#include "Papy/Model/ThreeDObjectMultipleTextures.h"
#include "Papy/Model/ThreeDObjectObjectLocatorList.h"
#include "Papy/Model/ThreeDObjectPlaneCullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3CullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectScaledBitmap.h"
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
#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Papy/Model/ThreeDObjectTracksideObject.h"
#include "Papy/Model/ThreeDObjectTransform.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/Model/ThreeDObjectTriangleFan.h"
#include "Papy/Model/ThreeDObjectTriangleStrip.h"
#include "Papy/Model/ThreeDObjectTriangles.h"
#include "Papy/Model/ThreeDObjectTsoReference.h"
#include "Papy/Model/ThreeDObjectVertexFixer.h"
#include "Papy/Model/ThreeDObjectVertices.h"
#include "Papy/Model/ThreeDObjectWSection.h"
#include "Util/OpenGL/XOpenGL.h"
#include "Vantrel/Drawing/DrawingMessages.h"
#include "Vantrel/Drawing/ExternalObjectWalk.h"
#include "Vantrel/Drawing/EyeSpacePlane.h"
#include "Vantrel/Drawing/FileErrors.h"
#include "Vantrel/Drawing/FrameArea.h"
#include "Vantrel/Drawing/NodeTransforms.h"
#include "Vantrel/Drawing/ThreeDObjectGetBoundsVisitor.h"
#include "Vantrel/Drawing/ThreeDObject3DHighlightVisitor.h"

using namespace Velmo;
using namespace Velmo::Papy;
using OpenGL::CheckError;

namespace
{
const Colour White(1, 1, 1, 1);

template <class FacetT>
Util::CountedPointer<FacetT> FacetOf(const Util::CountedPointer<FileFactory>& factory)
{
    if (!factory || !factory->HasFacet<FacetT>())
        return nullptr;
    return factory->GetFacet<FacetT>();
}

bool Finite(const Vertex& v)
{
    return std::isfinite(v.GetX()) && std::isfinite(v.GetY()) && std::isfinite(v.GetZ());
}

// The first count texture vertices of a node, U and V after each other.
template <class Node>
std::vector<double> TextureCoordsOf(Node& node, int count)
{
    std::vector<double> uv;
    uv.reserve(std::size_t(count > 0 ? count : 0) * 2);
    for (int i = 0; i < count; ++i)
    {
        const TextureVertex t = node.GetTextureVertex(i);
        uv.push_back(t.GetU());
        uv.push_back(t.GetV());
    }
    return uv;
}
} // namespace

ThreeDObject3DVisitor::ThreeDObject3DVisitor(Util::CountedPointer<FileFactory> factory)
    : m_factory(factory),
      m_makeMip(FacetOf<MakeMip>(factory)),
      m_makeSrb(FacetOf<MakeSrb>(factory)),
      m_makeTdo(FacetOf<MakeTdo>(factory)),
      m_highlight(new HighlightVisitor(m_passOptions))
{
    m_slots.Reset();
    m_pendingTextures.push_back(false);
}

ThreeDObject3DVisitor::~ThreeDObject3DVisitor() = default;

void ThreeDObject3DVisitor::SetTextureUploader(const Util::CountedPointer<TextureUploader>& uploader)
{
    m_textures.SetUploader(uploader);
}

// ---------------------------------------------------------------------------------------------
// Frames

void ThreeDObject3DVisitor::Reset()
{
    m_arrays.Release();
    m_pendingTextures.assign(1, false);
    m_track = nullptr;
    m_segment.reset();
    m_nextFSection = 0;
    m_slots.Reset();
    glAlphaFunc(GL_GREATER, 0);
    CheckError();
    glEnable(GL_ALPHA_TEST);
    CheckError();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    CheckError();
    glEnable(GL_BLEND);
    CheckError();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    CheckError();
    m_stateValues.clear();
    m_colourMaps.clear();
    m_multipleTextures.clear();
    m_fixed.Clear();
    m_externalDepth = 0;
    m_externals.Clear();
    m_matrices.Unwind();
    m_textures.NewFrame();
    m_objects.NewFrame();
}

void ThreeDObject3DVisitor::DestroyGL()
{
    Reset();
    m_textures.DeleteAll();
}

namespace
{
// Puts back what a frame cut short had changed, so that the next frame starts from the pane's
// own state: its pushes popped, clip planes, stencil, logic operation and texturing off, client
// arrays freed.
void PutBack(ModelviewStack& matrices, ClientArrays& arrays)
{
    matrices.Unwind();
    for (int i = 0; i < 4; ++i)
        glDisable(GLenum(GL_CLIP_PLANE0 + i));
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_COLOR_LOGIC_OP);
    glDisable(GL_TEXTURE_2D);
    arrays.ReleaseQuietly();
}

// PutBack when the frame is cut short by an exception.
class FrameGuard
{
public:
    FrameGuard(ModelviewStack& matrices, ClientArrays& arrays)
        : m_matrices(matrices), m_arrays(arrays), m_exceptions(std::uncaught_exceptions())
    {
    }
    ~FrameGuard()
    {
        if (std::uncaught_exceptions() != m_exceptions)
            PutBack(m_matrices, m_arrays);
    }
    FrameGuard(const FrameGuard&) = delete;
    FrameGuard& operator=(const FrameGuard&) = delete;

private:
    ModelviewStack& m_matrices;
    ClientArrays& m_arrays;
    int m_exceptions;
};
} // namespace

void ThreeDObject3DVisitor::Unwind()
{
    PutBack(m_matrices, m_arrays);
}

void Draw(const DrawOptions& options, ThreeDObject3DVisitor& visitor, Util::CountedPointer<ThreeDObject> shown,
          Util::CountedPointer<ThreeDObject> highlighted)
{
    // The frame's deadline may cut any of its walks, in whatever loop: the guard inside puts
    // the state back on the way out, and the frame then ends as a whole frame does.
    if (visitor.KeepToDeadline([&] { ThreeDObject3DVisitor::DrawPasses(options, visitor, shown, highlighted); }))
        return;
    visitor.Reset();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDisable(GL_CULL_FACE);
    CheckError();
}

void ThreeDObject3DVisitor::DrawPasses(const DrawOptions& options, ThreeDObject3DVisitor& visitor,
                                       const Util::CountedPointer<ThreeDObject>& shown,
                                       const Util::CountedPointer<ThreeDObject>& highlighted)
{
    FrameGuard guard(visitor.m_matrices, visitor.m_arrays);
    visitor.Reset();
    visitor.m_colourMaps.emplace_back();
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    CheckError();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    CheckError();
    visitor.m_highlighted = highlighted;
    visitor.m_highlightedId = highlighted ? highlighted->GetId() : -1;
    visitor.m_frameOptions = options;
    if (!options.ZBuffer || options.Wireframe)
        glDisable(GL_DEPTH_TEST);
    else
        glEnable(GL_DEPTH_TEST);
    CheckError();
    // A mesh of an earlier frame may have left culling on; the primitives of the other games
    // are drawn from both sides.
    glDisable(GL_CULL_FACE);
    CheckError();
    if (options.Wireframe)
    {
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        glColor4f(1, 1, 1, 1);
    }
    else
    {
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    }
    CheckError();
    ThreeDObject3DVisitor::HighlightVisitor& highlight = *visitor.m_highlight;
    // One budget for the frame, its passes together: the frame's when the frame has one.
    visitor.ShareBudget(options.Frame);
    visitor.RestartBudget();
    highlight.ShareBudget(&visitor.GetBudget());
    struct Unshared
    {
        ~Unshared()
        {
            Visitor.ShareBudget(nullptr);
            Highlight.ShareBudget(nullptr);
        }
        BudgetedVisitor& Visitor;
        BudgetedVisitor& Highlight;
    } unshared{visitor, highlight};
    visitor.ReadFrameArea();
    highlight.Pass = 0;
    do
    {
        visitor.m_passOptions = visitor.m_frameOptions;
        ++highlight.Pass;
        highlight.PrePass = true;
        highlight.Again = false;
        if (highlighted)
            highlighted->Accept(highlight);
        if (shown)
            shown->Accept(visitor);
        highlight.PrePass = false;
        if (highlighted)
            highlighted->Accept(highlight);
    } while (highlight.Again);
    visitor.Reset();
    // What the pane draws next (another mode's plan) starts filled and unculled.
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDisable(GL_CULL_FACE);
    CheckError();
}

// ---------------------------------------------------------------------------------------------
// Helpers

void ThreeDObject3DVisitor::Highlight(ThreeDObject& node)
{
    if (m_highlightedId == -1 || node.GetId() != m_highlightedId)
        return;
    glLogicOp(GL_COPY_INVERTED);
    glEnable(GL_COLOR_LOGIC_OP);
    CheckError();
}

void ThreeDObject3DVisitor::Unhighlight(ThreeDObject& node)
{
    if (m_highlightedId == -1 || node.GetId() != m_highlightedId)
        return;
    glDisable(GL_COLOR_LOGIC_OP);
    CheckError();
}

void ThreeDObject3DVisitor::SendColour(const Colour& colour)
{
    if (m_passOptions.Wireframe)
        return;
    glColor4f(colour.GetRed(), colour.GetGreen(), colour.GetBlue(), colour.GetAlpha());
}

bool ThreeDObject3DVisitor::PushTransform(ThreeDObject& node, double x, double y, double z, double zDegrees,
                                          double yDegrees, double xDegrees)
{
    m_modelviewKnown = false;
    ++m_windowGeneration;
    return PushNodeTransform(m_matrices, GetReport(), node, x, y, z, zDegrees, yDegrees, xDegrees);
}

void ThreeDObject3DVisitor::PopTransform()
{
    m_matrices.Pop();
    m_modelviewKnown = false;
    ++m_windowGeneration;
}

void ThreeDObject3DVisitor::ReadFrameArea()
{
    ::ReadFrameArea(m_area);
    m_modelviewKnown = true;
    ++m_windowGeneration;
}

const ScreenArea& ThreeDObject3DVisitor::Area()
{
    if (!m_modelviewKnown)
    {
        double modelview[16];
        ReadModelview(modelview);
        m_area.SetModelview(modelview);
        m_modelviewKnown = true;
    }
    return m_area;
}

template <class Node>
bool ThreeDObject3DVisitor::EnterTransformNode(Node& node, double degreesPerUnit)
{
    Highlight(node);
    return PushTransform(node, node.GetXTranslation(), node.GetYTranslation(), node.GetZTranslation(),
                         node.GetZRotation() * degreesPerUnit, node.GetYRotation() * degreesPerUnit,
                         node.GetXRotation() * degreesPerUnit);
}

void ThreeDObject3DVisitor::LeaveTransformNode(ThreeDObject& node)
{
    PopTransform();
    Unhighlight(node);
}

void ThreeDObject3DVisitor::ReadModelview(double modelview[16])
{
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    CheckError();
}

double ThreeDObject3DVisitor::EyeDistance(const Vertex& point)
{
    double modelview[16];
    ReadModelview(modelview);
    const Vertex eye = FixedVertexMap::ToEye(modelview, point);
    return std::sqrt(eye.GetX() * eye.GetX() + eye.GetY() * eye.GetY() + eye.GetZ() * eye.GetZ());
}

bool ThreeDObject3DVisitor::EyeOnNegativeSide(const Plane& plane)
{
    return EyeSideOfPlane(plane) < 0;
}

// ---------------------------------------------------------------------------------------------
// The generic operations: every kind not listed below draws its children.

bool ThreeDObject3DVisitor::Enter(ThreeDObject& node)
{
    Highlight(node);
    return true;
}

void ThreeDObject3DVisitor::Leave(ThreeDObject& node)
{
    Unhighlight(node);
}

void ThreeDObject3DVisitor::Visit(ThreeDObject& node)
{
    Highlight(node);
    Unhighlight(node);
}

// ---------------------------------------------------------------------------------------------
// Transforms

bool ThreeDObject3DVisitor::EnterAnimatedTransform(ThreeDObjectAnimatedTransform& node)
{
    return EnterTransformNode(node, RotationDegreesPerUnit(node));
}

void ThreeDObject3DVisitor::LeaveAnimatedTransform(ThreeDObjectAnimatedTransform& node)
{
    LeaveTransformNode(node);
}

bool ThreeDObject3DVisitor::EnterTransformation(ThreeDObjectTransformation& node)
{
    return EnterTransformNode(node, 1);
}

void ThreeDObject3DVisitor::LeaveTransformation(ThreeDObjectTransformation& node)
{
    PopTransform();
    ReleaseFixedVertices(m_fixed, node);
    Unhighlight(node);
}

bool ThreeDObject3DVisitor::EnterTransform(ThreeDObjectTransform& node)
{
    return EnterTransformNode(node, RotationDegreesPerUnit(node));
}

void ThreeDObject3DVisitor::LeaveTransform(ThreeDObjectTransform& node)
{
    LeaveTransformNode(node);
}

bool ThreeDObject3DVisitor::EnterTsoReference(ThreeDObjectTsoReference& node)
{
    // Its rotations are in radians.
    return EnterTransformNode(node, RotationDegreesPerUnit(node));
}

void ThreeDObject3DVisitor::LeaveTsoReference(ThreeDObjectTsoReference& node)
{
    LeaveTransformNode(node);
}

bool ThreeDObject3DVisitor::EnterBillboard(ThreeDObjectBillboard& node)
{
    Highlight(node);
    return PushTransform(node, node.GetXTranslation(), node.GetYTranslation(), node.GetZTranslation(), 0, 0, 0);
}

void ThreeDObject3DVisitor::LeaveBillboard(ThreeDObjectBillboard& node)
{
    LeaveTransformNode(node);
}

// ---------------------------------------------------------------------------------------------
// Choices among children

bool ThreeDObject3DVisitor::BeforeAnimationSplitterChild(ThreeDObjectAnimationSplitter&, int i)
{
    return i == 0;
}

bool ThreeDObject3DVisitor::BeforeLatitudeSplitterChild(ThreeDObjectLatitudeSplitter&, int i)
{
    return i == 0;
}

bool ThreeDObject3DVisitor::BeforeLongitudeSplitterChild(ThreeDObjectLongitudeSplitter&, int i)
{
    return i == 0;
}

bool ThreeDObject3DVisitor::BeforeStateSwitchChild(ThreeDObjectStateSwitch&, int i)
{
    return i == 0;
}

// A distance or state splitter draws the first child that applies, chosen as it is entered.
bool ThreeDObject3DVisitor::EnterDistanceSplitter(ThreeDObjectDistanceSplitter& node)
{
    const bool entered = Enter(static_cast<ThreeDObject&>(node));
    const double distance = entered ? EyeDistance(node.GetVertex()) : 0.0;
    ChooseChild(node, entered, node.GetChildCount(), [&](int i) { return node.IsChildActive(i, distance); });
    return entered;
}

bool ThreeDObject3DVisitor::BeforeDistanceSplitterChild(ThreeDObjectDistanceSplitter& node, int i)
{
    return IsChosenChild(node, i);
}

void ThreeDObject3DVisitor::LeaveDistanceSplitter(ThreeDObjectDistanceSplitter& node)
{
    LeaveChoice(node);
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObject3DVisitor::BeforeLodSwitchChild(ThreeDObjectLodSwitch& node, int i)
{
    const double distance = EyeDistance(Vertex(0, 0, 0));
    if (!(node.GetSplitDistance(i) <= distance))
        return false;
    return i == 0 || node.GetSplitDistance(i - 1) > distance;
}

bool ThreeDObject3DVisitor::EnterStateSplitter(ThreeDObjectStateSplitter& node)
{
    const bool entered = Enter(static_cast<ThreeDObject&>(node));
    auto found = m_stateValues.find(node.GetVariable());
    const double value = found == m_stateValues.end() ? 0.0 : double(found->second);
    ChooseChild(node, entered, node.GetChildCount(), [&](int i) { return node.IsChildActive(i, value); });
    return entered;
}

bool ThreeDObject3DVisitor::BeforeStateSplitterChild(ThreeDObjectStateSplitter& node, int i)
{
    return IsChosenChild(node, i);
}

void ThreeDObject3DVisitor::LeaveStateSplitter(ThreeDObjectStateSplitter& node)
{
    LeaveChoice(node);
    Leave(static_cast<ThreeDObject&>(node));
}

void ThreeDObject3DVisitor::VisitStateValueSetter(ThreeDObjectStateValueSetter& node)
{
    Highlight(node);
    m_stateValues[node.GetStateIndex()] = node.GetStateValue();
    Unhighlight(node);
}

bool ThreeDObject3DVisitor::EnterDisplayClass(ThreeDObjectDisplayClass& node)
{
    Highlight(node);
    return m_passOptions.GetDraw(unsigned(node.GetClass()));
}

bool ThreeDObject3DVisitor::BeforeCarRootShadow(ThreeDObjectCarRoot&)
{
    return false;
}

bool ThreeDObject3DVisitor::BeforeCarRootCockpit(ThreeDObjectCarRoot&)
{
    return false;
}

bool ThreeDObject3DVisitor::EnterHandle(ThreeDObjectHandle& node)
{
    Highlight(node);
    return false;
}

bool ThreeDObject3DVisitor::EnterObjectLocatorList(ThreeDObjectObjectLocatorList& node)
{
    Highlight(node);
    return false;
}

bool ThreeDObject3DVisitor::EnterExtObjectListObjects(ThreeDObjectExtObjectList&)
{
    return false;
}

void ThreeDObject3DVisitor::DrawExternal(const std::string& name, bool nested)
{
    if (!m_passOptions.GetDraw(unsigned(DisplayClassObject)) || !m_makeTdo)
        return;
    // Missing or unreadable: drawn past, told once, not looked for again.
    Util::CountedPointer<TdoFile> file;
    if (!m_objects.Make(*m_makeTdo, file, name, GetReport()))
        return;
    WalkExternalObject(*this, *file, name, m_externals, nested ? &m_externalDepth : nullptr, GetReport(), "drawn");
}

void ThreeDObject3DVisitor::VisitExtObject(ThreeDObjectExtObject& node)
{
    Highlight(node);
    DrawExternal(node.GetObjectName(), true);
    Unhighlight(node);
}

void ThreeDObject3DVisitor::VisitTracksideObject(ThreeDObjectTracksideObject& node)
{
    Highlight(node);
    DrawExternal(node.GetObjectName(), false);
    Unhighlight(node);
}

// ---------------------------------------------------------------------------------------------
// Plane orders: children back to front as the eye sees them.

template <class Node>
bool ThreeDObject3DVisitor::EnterPlaneOrderNode(Node& node, bool& reverse)
{
    Highlight(node);
    reverse = EyeOnNegativeSide(node.GetPlane());
    return true;
}

bool ThreeDObject3DVisitor::EnterPlaneCullFront(ThreeDObjectPlaneCullFront& node)
{
    Highlight(node);
    return !EyeOnNegativeSide(node.GetPlane());
}

bool ThreeDObject3DVisitor::EnterPlaneOrder2(ThreeDObjectPlaneOrder2& node, bool& reverse)
{
    return EnterPlaneOrderNode(node, reverse);
}

bool ThreeDObject3DVisitor::EnterPlaneOrder2CullFrontBack(ThreeDObjectPlaneOrder2CullFrontBack& node, bool& reverse)
{
    return EnterPlaneOrderNode(node, reverse);
}

bool ThreeDObject3DVisitor::BeforePlaneOrder2CullFrontBackBackChild(ThreeDObjectPlaneOrder2CullFrontBack& node)
{
    return EyeOnNegativeSide(node.GetPlane());
}

bool ThreeDObject3DVisitor::BeforePlaneOrder2CullFrontBackFrontChild(ThreeDObjectPlaneOrder2CullFrontBack& node)
{
    return !EyeOnNegativeSide(node.GetPlane());
}

bool ThreeDObject3DVisitor::EnterPlaneOrder3(ThreeDObjectPlaneOrder3& node, bool& reverse)
{
    return EnterPlaneOrderNode(node, reverse);
}

bool ThreeDObject3DVisitor::EnterPlaneOrder3CullFront(ThreeDObjectPlaneOrder3CullFront& node, bool& reverse)
{
    return EnterPlaneOrderNode(node, reverse);
}

bool ThreeDObject3DVisitor::BeforePlaneOrder3CullFrontFrontChild(ThreeDObjectPlaneOrder3CullFront& node)
{
    return !EyeOnNegativeSide(node.GetPlane());
}

bool ThreeDObject3DVisitor::EnterPlaneOrder4CullFrontBack(ThreeDObjectPlaneOrder4CullFrontBack& node, bool& reverse)
{
    return EnterPlaneOrderNode(node, reverse);
}

bool ThreeDObject3DVisitor::BeforePlaneOrder4CullFrontBackBackChild(ThreeDObjectPlaneOrder4CullFrontBack& node)
{
    return EyeOnNegativeSide(node.GetPlane());
}

bool ThreeDObject3DVisitor::BeforePlaneOrder4CullFrontBackFrontChild(ThreeDObjectPlaneOrder4CullFrontBack& node)
{
    return !EyeOnNegativeSide(node.GetPlane());
}

// ---------------------------------------------------------------------------------------------
// Colours and immediate-mode primitives

bool ThreeDObject3DVisitor::EnterColourMap(ThreeDObjectColourMap& node)
{
    Highlight(node);
    const int count = node.GetEntryCount();
    // The map in force is copied with the node's entries over it: each entry copied or set
    // costs a name.
    const double copied = m_colourMaps.empty() ? 0.0 : double(m_colourMaps.back().size());
    if (!Spend(FrameBudget::Names, copied + std::max(count, 0)))
    {
        // Pushed all the same, for the leave's pop; nothing below is drawn.
        m_colourMaps.emplace_back();
        return false;
    }
    std::map<unsigned, Colour> map = m_colourMaps.empty() ? std::map<unsigned, Colour>() : m_colourMaps.back();
    for (int i = 0; i < count; ++i)
        map[unsigned(node.GetEntry(i))] = node.GetColour(i);
    m_colourMaps.push_back(std::move(map));
    return true;
}

void ThreeDObject3DVisitor::LeaveColourMap(ThreeDObjectColourMap& node)
{
    if (!m_colourMaps.empty())
        m_colourMaps.pop_back();
    Unhighlight(node);
}

Vertex ThreeDObject3DVisitor::Place(int vertexId, const Vertex& position)
{
    const FixedVertexMap::Entry* fixed = m_fixed.Find(m_externalDepth, vertexId);
    if (fixed == nullptr)
        return position;
    return FixedVertexMap::Solve(m_modelview, fixed->EyePosition);
}

void ThreeDObject3DVisitor::CapturePrimitive()
{
    if (!m_fixed.IsEmpty())
        ReadModelview(m_modelview);
}

double ThreeDObject3DVisitor::PixelsOfEmitted(unsigned mode)
{
    m_points.clear();
    for (const Emitted& vertex : m_emitted)
        m_points.insert(m_points.end(), vertex.Position, vertex.Position + 3);
    const ScreenArea& area = Area();
    switch (mode)
    {
    case GL_LINES:
        return area.Lines(m_points.data(), m_emitted.size(), false);
    case GL_LINE_LOOP:
        return area.Lines(m_points.data(), m_emitted.size(), true);
    default:
        return area.Polygon(m_points.data(), m_emitted.size());
    }
}

bool ThreeDObject3DVisitor::Emit(ThreeDObject& node, unsigned mode, bool textured, bool shades, bool normals)
{
    for (const Emitted& vertex : m_emitted)
    {
        if (!std::isfinite(vertex.Position[0]) || !std::isfinite(vertex.Position[1]) ||
            !std::isfinite(vertex.Position[2]))
        {
            GetReport().Add(DrawingMessages::NotFinite(node.GetId()));
            return false;
        }
    }
    FrameBudget::Amounts cost{};
    cost[FrameBudget::Primitives] = 1;
    cost[FrameBudget::Vertices] = double(m_emitted.size());
    cost[FrameBudget::Pixels] = PixelsOfEmitted(mode);
    if (!Spend(cost))
        return false;
    glBegin(GLenum(mode));
    for (const Emitted& vertex : m_emitted)
    {
        if (textured)
            glTexCoord2dv(vertex.Texture);
        if (shades)
            glColor4f(vertex.Shade.GetRed(), vertex.Shade.GetGreen(), vertex.Shade.GetBlue(), vertex.Shade.GetAlpha());
        if (normals)
            glNormal3dv(vertex.Normal);
        glVertex3dv(vertex.Position);
    }
    glEnd();
    CheckError();
    return true;
}

void ThreeDObject3DVisitor::DrawPrimitiveVertices(ThreeDObject& node, unsigned mode, const int* ids,
                                                  const Vertex* positions, std::size_t count)
{
    CapturePrimitive();
    m_emitted.resize(count);
    for (std::size_t i = 0; i < count; ++i)
    {
        const Vertex placed = Place(ids[i], positions[i]);
        m_emitted[i].Position[0] = placed.GetX();
        m_emitted[i].Position[1] = placed.GetY();
        m_emitted[i].Position[2] = placed.GetZ();
    }
    Emit(node, mode, false, false, false);
}

void ThreeDObject3DVisitor::VisitPolygon(ThreeDObjectPolygon& node)
{
    Highlight(node);
    const bool wireframe = m_passOptions.Wireframe;
    const bool textured = node.HasTextureVertices() && !m_slots.NoMip(0) && !wireframe;
    const bool shaded = textured ? m_passOptions.TextureShaded : m_passOptions.DrawShaded;
    const bool shades = node.HasShades() && !wireframe && shaded;
    const bool normals = node.HasNormals() && !wireframe && shaded;

    Colour base = White;
    if (!textured || shades)
    {
        if (node.HasColour())
            base = node.GetColour();
        else if (node.HasColourMapIndex())
        {
            if (m_colourMaps.empty())
                m_colourMaps.emplace_back();
            base = m_colourMaps.back()[unsigned(node.GetColourMapIndex())];
        }
        else
            base = Colour();
    }
    const bool smooth = textured && !shades ? normals : (shades || normals);

    // Everything is gathered first: a getter that fails or a singular solve leaves no
    // primitive half sent.
    CapturePrimitive();
    const int count = node.GetVertexCount();
    m_emitted.resize(std::size_t(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i)
    {
        Emitted& out = m_emitted[std::size_t(i)];
        const Vertex placed = Place(node.GetVertexId(i), node.GetVertex(i));
        out.Position[0] = placed.GetX();
        out.Position[1] = placed.GetY();
        out.Position[2] = placed.GetZ();
        if (shades)
            out.Shade = textured ? node.GetShade(i) : base * node.GetShade(i);
        if (normals)
        {
            const Normal normal = node.GetNormal(i);
            out.Normal[0] = normal.GetX();
            out.Normal[1] = normal.GetY();
            out.Normal[2] = normal.GetZ();
        }
    }
    if (textured)
    {
        node.PrepareTextureVertices(m_slots.GetFile(0));
        for (int i = 0; i < count; ++i)
        {
            const TextureVertex uv = node.GetTextureVertex(i);
            m_emitted[std::size_t(i)].Texture[0] = uv.GetU();
            m_emitted[std::size_t(i)].Texture[1] = uv.GetV();
        }
        glColor4f(1, 1, 1, 1);
        BindSlot0(true);
    }
    glShadeModel(smooth ? GL_SMOOTH : GL_FLAT);
    SendColour(base);
    CheckError();
    Emit(node, GL_POLYGON, textured, shades, normals);
    if (textured)
        UnbindSlot0();
    Unhighlight(node);
}

void ThreeDObject3DVisitor::VisitLine(ThreeDObjectLine& node)
{
    Highlight(node);
    SendColour(node.GetColour());
    glLineWidth(1);
    CheckError();
    const int ids[2] = {node.GetFromVertexId(), node.GetToVertexId()};
    const Vertex positions[2] = {node.GetFromVertex(), node.GetToVertex()};
    DrawPrimitiveVertices(node, GL_LINES, ids, positions, 2);
    Unhighlight(node);
}

bool ThreeDObject3DVisitor::EnterBoundingBox(ThreeDObjectBoundingBox& node)
{
    Highlight(node);
    if (!m_passOptions.BoundingBoxes)
        return true;
    SendColour(Colour(0, 0, 0, 1));
    glLineWidth(1);
    CheckError();
    int ids[ThreeDObjectBoundingBox::VertexCount];
    Vertex corners[ThreeDObjectBoundingBox::VertexCount];
    for (int i = 0; i < ThreeDObjectBoundingBox::VertexCount; ++i)
    {
        ids[i] = node.GetVertexId(i);
        corners[i] = node.GetVertex(i);
    }
    DrawPrimitiveVertices(node, GL_LINE_LOOP, ids, corners, 4);
    DrawPrimitiveVertices(node, GL_LINE_LOOP, ids + 4, corners + 4, 4);
    for (int i = 0; i < 4; ++i)
    {
        const int pairIds[2] = {ids[i], ids[i + 4]};
        const Vertex pair[2] = {corners[i], corners[i + 4]};
        DrawPrimitiveVertices(node, GL_LINES, pairIds, pair, 2);
    }
    return true;
}

void ThreeDObject3DVisitor::VisitScaledBitmap(ThreeDObjectScaledBitmap& node)
{
    Highlight(node);
    if (!m_makeSrb)
    {
        GetReport().Add(DrawingMessages::NoScaledBitmaps());
        Unhighlight(node);
        return;
    }
    const std::string name = node.GetSrbName();
    Util::CountedPointer<SrbFile> srb = m_textures.GetSrbFile(name, *m_makeSrb, GetReport());
    if (!srb)
    {
        Unhighlight(node);
        return;
    }
    const unsigned texture = m_passOptions.Wireframe ? 0 : m_textures.GetSrbTexture(name, srb, GetReport());
    const double scale = ThreeDObjectGetBoundsVisitor::GetSpriteScale(
        node.HasScale(), node.HasScale() ? node.GetScale() : 0, node.GetHeight(), srb->GetCorner(0).GetZ(),
        srb->GetCorner(2).GetZ());
    const Vertex position = node.GetVertex();
    m_emitted.resize(4);
    for (U32 i = 0; i < 4; ++i)
    {
        const Vertex corner = srb->GetCorner(i);
        const TextureVertex uv = srb->GetTextureCoord(i);
        Emitted& out = m_emitted[i];
        out.Position[0] = corner.GetX() * scale + position.GetX();
        out.Position[1] = corner.GetY() * scale + position.GetY();
        out.Position[2] = corner.GetZ() * scale + position.GetZ();
        out.Texture[0] = uv.GetU();
        out.Texture[1] = uv.GetV();
    }
    SendColour(White);
    if (texture != 0)
    {
        glEnable(GL_TEXTURE_2D);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glBindTexture(GL_TEXTURE_2D, texture);
    }
    SendColour(node.HasColour() ? node.GetColour() : White);
    glShadeModel(GL_FLAT);
    CheckError();
    Emit(node, GL_POLYGON, texture != 0, false, false);
    if (texture != 0)
    {
        glDisable(GL_TEXTURE_2D);
        CheckError();
    }
    Unhighlight(node);
}

void ThreeDObject3DVisitor::VisitVertexFixer(ThreeDObjectVertexFixer& node)
{
    Highlight(node);
    if (!Spend(FrameBudget::Vertices, node.GetVertexCount()))
        return Unhighlight(node);
    double modelview[16];
    ReadModelview(modelview);
    const int depth = ModelviewStack::GetDepth();
    CheckError();
    const int count = node.GetVertexCount();
    for (int i = 0; i < count; ++i)
        m_fixed.Fix(m_externalDepth, node.GetVertexId(i), FixedVertexMap::ToEye(modelview, node.GetVertex(i)), depth);
    Unhighlight(node);
}

// ---------------------------------------------------------------------------------------------
// Textures

TextureSlots::Entry ThreeDObject3DVisitor::LoadMip(const std::string& name)
{
    TextureSlots::Entry entry;
    if (m_makeMip)
        entry.Name = m_textures.GetMip(name, *m_makeMip, entry.File, GetReport(), &GetBudget());
    return entry;
}

void ThreeDObject3DVisitor::PushTexture(const std::string& name)
{
    m_slots.Push(0, !Spend(FrameBudget::Names, 1) || m_passOptions.Wireframe ? TextureSlots::Entry() : LoadMip(name));
}

void ThreeDObject3DVisitor::PushSelectedTexture(unsigned selector)
{
    const std::size_t slot = std::size_t(selector) + 1;
    if (m_slots.NoMip(slot))
        m_slots.Push(0, TextureSlots::Entry());
    else
        m_slots.Push(0, TextureSlots::Entry{m_slots.GetName(slot), m_slots.GetFile(slot)});
}

void ThreeDObject3DVisitor::PopTexture()
{
    m_slots.Pop(0);
}

template <class Node>
bool ThreeDObject3DVisitor::EnterClassTextureNode(Node& node)
{
    Highlight(node);
    if (m_passOptions.GetTexture(unsigned(node.GetClass())))
        PushTexture(node.GetTextureName());
    else
        m_slots.Push(0, TextureSlots::Entry());
    return true;
}

template <class Node>
bool ThreeDObject3DVisitor::EnterClassTextureSelectorNode(Node& node)
{
    Highlight(node);
    if (!m_passOptions.Wireframe && m_passOptions.GetTexture(unsigned(node.GetClass())))
        PushSelectedTexture(node.GetTextureSlot());
    else
        m_slots.Push(0, TextureSlots::Entry());
    return true;
}

void ThreeDObject3DVisitor::LeaveTextureNode(ThreeDObject& node)
{
    PopTexture();
    Unhighlight(node);
}

bool ThreeDObject3DVisitor::Slot0Textured() const
{
    return !m_passOptions.Wireframe && !m_slots.NoMip(0);
}

void ThreeDObject3DVisitor::BindSlot0(bool modulate)
{
    glEnable(GL_TEXTURE_2D);
    if (modulate)
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, m_slots.GetName(0));
    CheckError();
}

void ThreeDObject3DVisitor::UnbindSlot0()
{
    glDisable(GL_TEXTURE_2D);
    CheckError();
}

bool ThreeDObject3DVisitor::EnterTexture(ThreeDObjectTexture& node)
{
    Highlight(node);
    PushTexture(node.GetTextureName());
    return true;
}

void ThreeDObject3DVisitor::LeaveTexture(ThreeDObjectTexture& node)
{
    LeaveTextureNode(node);
}

void ThreeDObject3DVisitor::VisitTexture2(ThreeDObjectTexture2& node)
{
    Highlight(node);
    // The first texture of a shape is the one it is drawn with; a second one (a light map)
    // is not pushed over it.
    if (!m_pendingTextures.back())
    {
        PushTexture(node.GetFileName());
        m_pendingTextures.back() = true;
    }
    Unhighlight(node);
}

bool ThreeDObject3DVisitor::EnterClassTexture(ThreeDObjectClassTexture& node)
{
    return EnterClassTextureNode(node);
}

void ThreeDObject3DVisitor::LeaveClassTexture(ThreeDObjectClassTexture& node)
{
    LeaveTextureNode(node);
}

bool ThreeDObject3DVisitor::EnterClassTextureMaterial(ThreeDObjectClassTextureMaterial& node)
{
    return EnterClassTextureNode(node);
}

void ThreeDObject3DVisitor::LeaveClassTextureMaterial(ThreeDObjectClassTextureMaterial& node)
{
    LeaveTextureNode(node);
}

bool ThreeDObject3DVisitor::EnterTextureSelector(ThreeDObjectTextureSelector& node)
{
    Highlight(node);
    PushSelectedTexture(node.GetTextureSlot());
    return true;
}

void ThreeDObject3DVisitor::LeaveTextureSelector(ThreeDObjectTextureSelector& node)
{
    LeaveTextureNode(node);
}

bool ThreeDObject3DVisitor::EnterClassTextureSelector(ThreeDObjectClassTextureSelector& node)
{
    return EnterClassTextureSelectorNode(node);
}

void ThreeDObject3DVisitor::LeaveClassTextureSelector(ThreeDObjectClassTextureSelector& node)
{
    LeaveTextureNode(node);
}

bool ThreeDObject3DVisitor::EnterClassTextureSelectorMaterial(ThreeDObjectClassTextureSelectorMaterial& node)
{
    return EnterClassTextureSelectorNode(node);
}

void ThreeDObject3DVisitor::LeaveClassTextureSelectorMaterial(ThreeDObjectClassTextureSelectorMaterial& node)
{
    LeaveTextureNode(node);
}

bool ThreeDObject3DVisitor::EnterMultipleTextures(ThreeDObjectMultipleTextures& node)
{
    Highlight(node);
    // Loaded in wireframe as well: a selector below may name them. Each name is looked up on
    // every visit: a name costs one of the budget's.
    const int count = std::max(node.GetTextureCount(), 0);
    const bool fits = Spend(FrameBudget::Names, count);
    m_multipleTextures.push_back(fits ? count : 0);
    if (!fits)
        return false;
    for (int i = 0; i < count; ++i)
        m_slots.Push(std::size_t(i) + 1, LoadMip(node.GetTextureName(i)));
    return true;
}

void ThreeDObject3DVisitor::LeaveMultipleTextures(ThreeDObjectMultipleTextures& node)
{
    const int count = m_multipleTextures.empty() ? 0 : m_multipleTextures.back();
    if (!m_multipleTextures.empty())
        m_multipleTextures.pop_back();
    for (int i = 0; i < count; ++i)
        m_slots.Pop(std::size_t(i) + 1);
    Unhighlight(node);
}

void ThreeDObject3DVisitor::VisitTextureCoords(ThreeDObjectTextureCoords& node)
{
    Highlight(node);
    if (!Spend(FrameBudget::Vertices, node.GetVertexCount()))
        return Unhighlight(node);
    if (node.HasTextureVertices())
        m_arrays.SetTextureCoords(TextureCoordsOf(node, node.GetVertexCount()));
    else
        m_arrays.FreeTextureCoords();
    Unhighlight(node);
}

// ---------------------------------------------------------------------------------------------
// Meshes through client arrays

bool ThreeDObject3DVisitor::EnterAppearance(ThreeDObjectAppearance& node)
{
    Highlight(node);
    SendColour(node.GetColour());
    GLint mode = GL_MODULATE;
    switch (node.GetTextureFunction())
    {
    case 0: mode = GL_MODULATE; break;
    case 1: mode = GL_DECAL; break;
    case 2: mode = GL_BLEND; break;
    case 3:
    case 6: mode = GL_REPLACE; break;
    default:
        // No OpenGL mode stands for this code: told once, drawn modulated.
        GetReport().Add(DrawingMessages::UnknownBlendCode());
        break;
    }
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, mode);
    CheckError();
    return true;
}

bool ThreeDObject3DVisitor::BeforeAppearanceSpecularTexture(ThreeDObjectAppearance&)
{
    return false;
}

bool ThreeDObject3DVisitor::EnterAppearanceOtherTextures(ThreeDObjectAppearance&)
{
    return false;
}

namespace
{
template <class Node>
void FillArrays(ThreeDObject& node, Node& vertices, ClientArrays& arrays, DrawingReport& report)
{
    const int count = vertices.GetVertexCount();
    const std::size_t n = std::size_t(count > 0 ? count : 0);
    std::vector<double> xyz, normals;
    xyz.reserve(n * 3);
    normals.reserve(n * 3);
    for (int i = 0; i < count; ++i)
    {
        const Vertex v = vertices.GetVertex(i);
        if (!Finite(v))
        {
            // Primitives need the vertex array: without it they are not drawn.
            report.Add(DrawingMessages::NotFinite(node.GetId()));
            arrays.Release();
            return;
        }
        xyz.insert(xyz.end(), {v.GetX(), v.GetY(), v.GetZ()});
        const Normal normal = vertices.GetNormal(i);
        normals.insert(normals.end(), {normal.GetX(), normal.GetY(), normal.GetZ()});
    }
    arrays.SetVertices(std::move(xyz));
    arrays.SetNormals(std::move(normals));
    if (vertices.HasTextureVertices())
        arrays.SetTextureCoords(TextureCoordsOf(vertices, count));
    else
        arrays.FreeTextureCoords();
}
} // namespace

void ThreeDObject3DVisitor::VisitVertices(ThreeDObjectVertices& node)
{
    Highlight(node);
    ++m_windowGeneration;
    if (Spend(FrameBudget::Vertices, node.GetVertexCount()))
        FillArrays(node, node, m_arrays, GetReport());
    Unhighlight(node);
}

void ThreeDObject3DVisitor::VisitMorphVertices(ThreeDObjectMorphVertices& node)
{
    Highlight(node);
    ++m_windowGeneration;
    if (Spend(FrameBudget::Vertices, node.GetVertexCount()))
        FillArrays(node, node, m_arrays, GetReport());
    Unhighlight(node);
}

std::size_t ThreeDObject3DVisitor::SpendElements(unsigned mode)
{
    const std::size_t count = m_indices.size();
    // Each triangle: the indices it adds (three of a list, one more of a fan or strip) and
    // the window area it covers; whole triangles, in order, as far as they fit.
    std::size_t triangles = 0, first = 0, each = 1;
    if (mode == GL_TRIANGLES)
    {
        triangles = count / 3;
        each = 3;
    }
    else if (count >= 3)
    {
        triangles = count - 2;
        first = 2;
    }
    if (triangles == 0)
        return Spend(FrameBudget::Vertices, double(count)) ? count : 0;
    // Only the vertices the indices use are projected, each once until the modelview or the
    // array changes, and each projection costs a vertex: a transform over a short list beside a
    // long array does not project the whole array again at every push and pop.
    const ScreenArea& area = Area();
    const std::size_t vertices = m_arrays.GetVertexCount();
    if (m_projectedAt.size() != vertices)
        m_projectedAt.assign(vertices, 0);
    m_window.resize(ScreenArea::PointSize * vertices);
    const double* xyz = m_arrays.GetVertexData();
    std::size_t projected = 0;
    for (std::size_t i = 0; i < count; ++i)
    {
        const unsigned v = m_indices[i];
        if (m_projectedAt[v] == m_windowGeneration)
            continue;
        m_projectedAt[v] = m_windowGeneration;
        area.ToPoint(xyz + 3 * std::size_t(v), m_window.data() + ScreenArea::PointSize * std::size_t(v));
        ++projected;
    }
    if (!Spend(FrameBudget::Vertices, double(projected)))
        return 0;
    m_pixels.resize(triangles);
    const unsigned* index = m_indices.data();
    for (std::size_t t = 0; t < triangles; ++t)
    {
        std::size_t a = index[t * each], b = index[t * each + 1], c = index[t * each + 2];
        if (mode == GL_TRIANGLE_FAN)
        {
            a = index[0];
            b = index[t + 1];
            c = index[t + 2];
        }
        m_pixels[t] = area.Triangle(m_window, a, b, c);
    }
    // One primitive a call: the triangles of a client array cost their indices (immediate-mode
    // polygons cost far more each).
    if (!Spend(FrameBudget::Primitives, 1))
        return 0;
    FrameBudget::Amounts cost{};
    cost[FrameBudget::Vertices] = double(each);
    const std::size_t taken = SpendItems(triangles, cost, m_pixels);
    return taken == 0 ? 0 : taken * each + first;
}

template <class IndexOf>
void ThreeDObject3DVisitor::DrawElements(ThreeDObject& node, unsigned mode, int count, IndexOf indexOf)
{
    if (!m_arrays.HasVertices())
        return;
    std::size_t largest = 0;
    if (!ClientArrays::CopyIndices(count, indexOf, m_arrays.GetVertexCount(), m_indices, largest))
    {
        GetReport().Add(DrawingMessages::IndexBeyondVertices(node.GetId(), m_arrays.GetVertexCount()));
        return;
    }
    if (m_indices.empty())
        return;
    const std::size_t sent = SpendElements(mode);
    if (sent == 0)
        return;
    bool textured = Slot0Textured();
    if (m_arrays.HasTextureCoords() && largest >= m_arrays.GetTextureCoordCount())
    {
        // OpenGL would read past the array: it goes, and the texture with it.
        if (textured)
            GetReport().Add(DrawingMessages::ShortTextureCoords(node.GetId()));
        m_arrays.FreeTextureCoords();
        textured = false;
    }
    if (textured)
        BindSlot0(false);
    glDrawElements(GLenum(mode), GLsizei(sent), GL_UNSIGNED_INT, m_indices.data());
    CheckError();
    if (textured)
        UnbindSlot0();
}

void ThreeDObject3DVisitor::VisitTriangles(ThreeDObjectTriangles& node)
{
    Highlight(node);
    DrawElements(node, GL_TRIANGLES, node.GetIndexCount(), [&node](int i) { return node.GetIndex(i); });
    Unhighlight(node);
}

bool ThreeDObject3DVisitor::EnterTriangleFan(ThreeDObjectTriangleFan& node)
{
    Highlight(node);
    DrawElements(node, GL_TRIANGLE_FAN, node.GetIndexCount(), [&node](int i) { return node.GetIndex(i); });
    // The child is the next primitive of the chain (or nothing), walked as any child.
    return true;
}

bool ThreeDObject3DVisitor::EnterTriangleStrip(ThreeDObjectTriangleStrip& node)
{
    Highlight(node);
    DrawElements(node, GL_TRIANGLE_STRIP, node.GetIndexCount(), [&node](int i) { return node.GetIndex(i); });
    return true;
}

void ThreeDObject3DVisitor::OpenTextureScope()
{
    m_pendingTextures.push_back(false);
}

void ThreeDObject3DVisitor::CloseTextureScope()
{
    if (m_pendingTextures.size() < 2)
        return;
    if (m_pendingTextures.back())
        PopTexture();
    m_pendingTextures.pop_back();
}

void ThreeDObject3DVisitor::BeginSection()
{
    m_arrays.Release();
    if (!m_passOptions.Wireframe)
    {
        glFrontFace(GL_CCW);
        glCullFace(GL_BACK);
        glEnable(GL_CULL_FACE);
        glEnable(GL_DEPTH_TEST);
        CheckError();
    }
    OpenTextureScope();
}

void ThreeDObject3DVisitor::EndSection()
{
    m_arrays.Release();
    CloseTextureScope();
}

bool ThreeDObject3DVisitor::EnterSectionNode(ThreeDObject& node)
{
    Highlight(node);
    BeginSection();
    return true;
}

bool ThreeDObject3DVisitor::EnterShape(ThreeDObjectShape& node)
{
    return EnterSectionNode(node);
}

void ThreeDObject3DVisitor::LeaveShape(ThreeDObjectShape& node)
{
    EndSection();
    Unhighlight(node);
}

// ---------------------------------------------------------------------------------------------
// Track sections

bool ThreeDObject3DVisitor::EnterTrack(ThreeDObjectTrack& node)
{
    Highlight(node);
    m_track = &node;
    return true;
}

void ThreeDObject3DVisitor::LeaveTrack(ThreeDObjectTrack& node)
{
    m_track = nullptr;
    Unhighlight(node);
}

bool ThreeDObject3DVisitor::EnterTrackSegment(ThreeDObjectTrackSegment& node)
{
    Highlight(node);
    m_segment.emplace(node);
    return SpendSections(*m_segment);
}

bool ThreeDObject3DVisitor::BeforeTrackSegmentFSection(ThreeDObjectTrackSegment& node, int i)
{
    // Each floor section is the left edge of a band that ends at the next one; the last one
    // only closes the band before it.
    m_nextFSection = i + 1;
    return i + 1 != node.GetFSectionCount();
}

void ThreeDObject3DVisitor::LeaveTrackSegment(ThreeDObjectTrackSegment& node)
{
    m_segment.reset();
    Unhighlight(node);
}

void ThreeDObject3DVisitor::DrawQuad(ThreeDObject& node, const SectionQuad& quad, const std::vector<double>* ownCoords)
{
    if (!IsFinite(quad))
    {
        GetReport().Add(DrawingMessages::NotFinite(node.GetId()));
        return;
    }
    std::vector<double> xyz;
    xyz.reserve(12);
    for (const Vertex& corner : quad)
        xyz.insert(xyz.end(), {corner.GetX(), corner.GetY(), corner.GetZ()});
    FrameBudget::Amounts cost{};
    cost[FrameBudget::Primitives] = 1;
    cost[FrameBudget::Vertices] = double(quad.size());
    cost[FrameBudget::Pixels] = Area().Polygon(xyz.data(), quad.size());
    if (!Spend(cost))
        return;
    ++m_windowGeneration;
    m_arrays.FreeNormals();
    m_arrays.SetVertices(std::move(xyz));
    bool textured = Slot0Textured();
    if (textured && ownCoords != nullptr)
    {
        m_arrays.SetTextureCoords(std::vector<double>(*ownCoords));
    }
    else if (m_arrays.HasTextureCoords() && m_arrays.GetTextureCoordCount() < quad.size())
    {
        // OpenGL would read past the array: it goes, and the texture with it.
        if (textured)
            GetReport().Add(DrawingMessages::ShortTextureCoords(node.GetId()));
        m_arrays.FreeTextureCoords();
        textured = false;
    }
    if (textured)
        BindSlot0(ownCoords != nullptr);
    static const GLuint indices[4] = {0, 1, 2, 3};
    glDrawElements(GL_QUADS, 4, GL_UNSIGNED_INT, indices);
    CheckError();
    if (textured)
        UnbindSlot0();
}

bool ThreeDObject3DVisitor::EnterFSection(ThreeDObjectFSection& node)
{
    return EnterSectionNode(node);
}

void ThreeDObject3DVisitor::LeaveFSection(ThreeDObjectFSection& node)
{
    if (m_segment && m_nextFSection > 0 && m_nextFSection < m_segment->GetSegment().GetFSectionCount())
    {
        Util::CountedPointer<ThreeDObjectFSection> next = m_segment->GetSegment().GetFSection(m_nextFSection);
        if (next && SpendTrackPoints(*m_segment, 4))
            DrawQuad(node, FloorQuad(*m_segment, node, *next), nullptr);
    }
    EndSection();
    Unhighlight(node);
}

bool ThreeDObject3DVisitor::EnterTrackDetail(ThreeDObjectTrackDetail& node)
{
    return EnterSectionNode(node);
}

void ThreeDObject3DVisitor::LeaveTrackDetail(ThreeDObjectTrackDetail& node)
{
    const std::vector<double> uv = TextureCoordsOf(node, ThreeDObjectTrackDetail::VertexCount);
    DrawQuad(node, DetailQuad(node), &uv);
    EndSection();
    Unhighlight(node);
}

bool ThreeDObject3DVisitor::BeforeWSectionAppearance(ThreeDObjectWSection&, int, int)
{
    BeginSection();
    return true;
}

void ThreeDObject3DVisitor::AfterWSectionTextureCoords(ThreeDObjectWSection& node, int subsection, int entry)
{
    if (m_segment && SpendTrackPoints(*m_segment, 4))
        DrawQuad(node, WallQuad(*m_segment, node, subsection, entry), nullptr);
    EndSection();
}
