#include "Vantrel/Drawing/ThreeDObjectClipTestVisitor.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "Papy/Bitmap/SrbFile.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectExtObjectList.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectLine.h"
#include "Papy/Model/ThreeDObjectObjectLocatorList.h"
#include "Papy/Model/ThreeDObjectPlaneCullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3CullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectScaledBitmap.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/Model/ThreeDObjectVertexFixer.h"
#include "Util/OpenGL/XOpenGL.h"
#include "Vantrel/Drawing/DrawingMessages.h"
#include "Vantrel/Drawing/ExternalObjectWalk.h"
#include "Vantrel/Drawing/EyeSpacePlane.h"
#include "Vantrel/Drawing/FileErrors.h"
#include "Vantrel/Drawing/NodeTransforms.h"
#include "Vantrel/Drawing/ThreeDObjectGetBoundsVisitor.h"

using namespace Velmo;
using namespace Velmo::Papy;
using OpenGL::CheckError;

namespace
{
// The side each child of a plane-order kind must lie on.
constexpr int Negative = -1;
constexpr int OnPlane = 0;
constexpr int Positive = 1;

template <class FacetT>
Util::CountedPointer<FacetT> FacetOf(const Util::CountedPointer<FileFactory>& factory)
{
    if (!factory || !factory->HasFacet<FacetT>())
        return nullptr;
    return factory->GetFacet<FacetT>();
}
} // namespace

ThreeDObjectClipTestVisitor::ThreeDObjectClipTestVisitor(Util::CountedPointer<FileFactory> factory)
    : m_factory(factory), m_makeSrb(FacetOf<MakeSrb>(factory)), m_makeTdo(FacetOf<MakeTdo>(factory))
{
}

void ThreeDObjectClipTestVisitor::Reset()
{
    m_fixed.Clear();
    m_planes.clear();
    m_externalDepth = 0;
    m_externals.Clear();
    m_matrices.Unwind();
    m_objects.NewFrame();
    m_sprites.NewFrame();
}

void ThreeDObjectClipTestVisitor::Unwind()
{
    Reset();
}

bool ThreeDObjectClipTestVisitor::Passes(int side, double x)
{
    if (side < 0)
        return x <= Tolerance;
    if (side > 0)
        return x >= -Tolerance;
    return x >= -Tolerance && x <= Tolerance;
}

std::string ThreeDObjectClipTestVisitor::GetSummary() const
{
    if (m_failures.empty())
        return {};
    std::string text = "Clip test: " + std::to_string(m_failedVertices) +
                       (m_failedVertices == 1 ? " vertex lies" : " vertices lie") +
                       " on the wrong side of their planes (tolerance 0.01): ";
    const std::size_t named = std::min(m_failures.size(), SummaryLimit);
    for (std::size_t i = 0; i < named; ++i)
    {
        if (i > 0)
            text += ", ";
        text += "node " + std::to_string(m_failures[i].VertexNodeId) + " against plane node " +
                std::to_string(m_failures[i].PlaneNodeId);
    }
    if (m_failures.size() > named)
        text += ", and " + std::to_string(m_failures.size() - named) + " more";
    return text;
}

// ---------------------------------------------------------------------------------------------
// Plane records

void ThreeDObjectClipTestVisitor::PushPlane(ThreeDObject& node, const Plane& plane, int side)
{
    m_planes.push_back({node.GetId(), plane, EyeSpacePlane(plane), side});
}

void ThreeDObjectClipTestVisitor::PopPlane()
{
    if (!m_planes.empty())
        m_planes.pop_back();
}

bool ThreeDObjectClipTestVisitor::EnterPlaneCullFront(ThreeDObjectPlaneCullFront& node)
{
    PushPlane(node, node.GetPlane(), OnPlane);
    return true;
}

void ThreeDObjectClipTestVisitor::LeavePlaneCullFront(ThreeDObjectPlaneCullFront&)
{
    PopPlane();
}

bool ThreeDObjectClipTestVisitor::BeforePlaneOrder2FarChild(ThreeDObjectPlaneOrder2& node)
{
    PushPlane(node, node.GetPlane(), Negative);
    return true;
}

void ThreeDObjectClipTestVisitor::AfterPlaneOrder2FarChild(ThreeDObjectPlaneOrder2&)
{
    PopPlane();
}

bool ThreeDObjectClipTestVisitor::BeforePlaneOrder2NearChild(ThreeDObjectPlaneOrder2& node)
{
    PushPlane(node, node.GetPlane(), Positive);
    return true;
}

void ThreeDObjectClipTestVisitor::AfterPlaneOrder2NearChild(ThreeDObjectPlaneOrder2&)
{
    PopPlane();
}

bool ThreeDObjectClipTestVisitor::BeforePlaneOrder2CullFrontBackBackChild(ThreeDObjectPlaneOrder2CullFrontBack& node)
{
    PushPlane(node, node.GetPlane(), OnPlane);
    return true;
}

void ThreeDObjectClipTestVisitor::AfterPlaneOrder2CullFrontBackBackChild(ThreeDObjectPlaneOrder2CullFrontBack&)
{
    PopPlane();
}

bool ThreeDObjectClipTestVisitor::BeforePlaneOrder2CullFrontBackFrontChild(ThreeDObjectPlaneOrder2CullFrontBack& node)
{
    PushPlane(node, node.GetPlane(), OnPlane);
    return true;
}

void ThreeDObjectClipTestVisitor::AfterPlaneOrder2CullFrontBackFrontChild(ThreeDObjectPlaneOrder2CullFrontBack&)
{
    PopPlane();
}

bool ThreeDObjectClipTestVisitor::BeforePlaneOrder3FarChild(ThreeDObjectPlaneOrder3& node)
{
    PushPlane(node, node.GetPlane(), Negative);
    return true;
}

void ThreeDObjectClipTestVisitor::AfterPlaneOrder3FarChild(ThreeDObjectPlaneOrder3&)
{
    PopPlane();
}

bool ThreeDObjectClipTestVisitor::BeforePlaneOrder3MiddleChild(ThreeDObjectPlaneOrder3& node)
{
    PushPlane(node, node.GetPlane(), OnPlane);
    return true;
}

void ThreeDObjectClipTestVisitor::AfterPlaneOrder3MiddleChild(ThreeDObjectPlaneOrder3&)
{
    PopPlane();
}

bool ThreeDObjectClipTestVisitor::BeforePlaneOrder3NearChild(ThreeDObjectPlaneOrder3& node)
{
    PushPlane(node, node.GetPlane(), Positive);
    return true;
}

void ThreeDObjectClipTestVisitor::AfterPlaneOrder3NearChild(ThreeDObjectPlaneOrder3&)
{
    PopPlane();
}

bool ThreeDObjectClipTestVisitor::BeforePlaneOrder3CullFrontFarChild(ThreeDObjectPlaneOrder3CullFront& node)
{
    PushPlane(node, node.GetPlane(), Negative);
    return true;
}

void ThreeDObjectClipTestVisitor::AfterPlaneOrder3CullFrontFarChild(ThreeDObjectPlaneOrder3CullFront&)
{
    PopPlane();
}

bool ThreeDObjectClipTestVisitor::BeforePlaneOrder3CullFrontFrontChild(ThreeDObjectPlaneOrder3CullFront& node)
{
    PushPlane(node, node.GetPlane(), OnPlane);
    return true;
}

void ThreeDObjectClipTestVisitor::AfterPlaneOrder3CullFrontFrontChild(ThreeDObjectPlaneOrder3CullFront&)
{
    PopPlane();
}

bool ThreeDObjectClipTestVisitor::BeforePlaneOrder3CullFrontNearChild(ThreeDObjectPlaneOrder3CullFront& node)
{
    PushPlane(node, node.GetPlane(), Positive);
    return true;
}

void ThreeDObjectClipTestVisitor::AfterPlaneOrder3CullFrontNearChild(ThreeDObjectPlaneOrder3CullFront&)
{
    PopPlane();
}

bool ThreeDObjectClipTestVisitor::BeforePlaneOrder4CullFrontBackFarChild(ThreeDObjectPlaneOrder4CullFrontBack& node)
{
    PushPlane(node, node.GetPlane(), Negative);
    return true;
}

void ThreeDObjectClipTestVisitor::AfterPlaneOrder4CullFrontBackFarChild(ThreeDObjectPlaneOrder4CullFrontBack&)
{
    PopPlane();
}

bool ThreeDObjectClipTestVisitor::BeforePlaneOrder4CullFrontBackBackChild(ThreeDObjectPlaneOrder4CullFrontBack& node)
{
    PushPlane(node, node.GetPlane(), OnPlane);
    return true;
}

void ThreeDObjectClipTestVisitor::AfterPlaneOrder4CullFrontBackBackChild(ThreeDObjectPlaneOrder4CullFrontBack&)
{
    PopPlane();
}

bool ThreeDObjectClipTestVisitor::BeforePlaneOrder4CullFrontBackFrontChild(ThreeDObjectPlaneOrder4CullFrontBack& node)
{
    PushPlane(node, node.GetPlane(), OnPlane);
    return true;
}

void ThreeDObjectClipTestVisitor::AfterPlaneOrder4CullFrontBackFrontChild(ThreeDObjectPlaneOrder4CullFrontBack&)
{
    PopPlane();
}

bool ThreeDObjectClipTestVisitor::BeforePlaneOrder4CullFrontBackNearChild(ThreeDObjectPlaneOrder4CullFrontBack& node)
{
    PushPlane(node, node.GetPlane(), Positive);
    return true;
}

void ThreeDObjectClipTestVisitor::AfterPlaneOrder4CullFrontBackNearChild(ThreeDObjectPlaneOrder4CullFrontBack&)
{
    PopPlane();
}

// ---------------------------------------------------------------------------------------------
// Transforms, fixed vertices and external objects, as the drawing visitor has them

bool ThreeDObjectClipTestVisitor::EnterTransformation(ThreeDObjectTransformation& node)
{
    return PushNodeTransform(m_matrices, GetReport(), node, node.GetXTranslation(), node.GetYTranslation(),
                             node.GetZTranslation(), node.GetZRotation(), node.GetYRotation(), node.GetXRotation());
}

void ThreeDObjectClipTestVisitor::LeaveTransformation(ThreeDObjectTransformation& node)
{
    m_matrices.Pop();
    ReleaseFixedVertices(m_fixed, node);
}

void ThreeDObjectClipTestVisitor::VisitVertexFixer(ThreeDObjectVertexFixer& node)
{
    const int count = node.GetVertexCount();
    if (!Spend(FrameBudget::Vertices, count))
        return;
    double modelview[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    const int depth = ModelviewStack::GetDepth();
    CheckError();
    for (int i = 0; i < count; ++i)
        m_fixed.Fix(m_externalDepth, node.GetVertexId(i), FixedVertexMap::ToEye(modelview, node.GetVertex(i)), depth);
}

void ThreeDObjectClipTestVisitor::VisitExtObject(ThreeDObjectExtObject& node)
{
    const std::string name = node.GetObjectName();
    if (!m_makeTdo)
        return;
    Util::CountedPointer<TdoFile> file;
    if (!m_objects.Make(*m_makeTdo, file, name, GetReport()))
        return;
    WalkExternalObject(*this, *file, name, m_externals, &m_externalDepth, GetReport(), "tested");
}

bool ThreeDObjectClipTestVisitor::EnterHandle(ThreeDObjectHandle&)
{
    return false;
}

bool ThreeDObjectClipTestVisitor::EnterObjectLocatorList(ThreeDObjectObjectLocatorList&)
{
    return false;
}

bool ThreeDObjectClipTestVisitor::EnterExtObjectListObjects(ThreeDObjectExtObjectList&)
{
    return false;
}

// ---------------------------------------------------------------------------------------------
// The vertices

void ThreeDObjectClipTestVisitor::BeginNode()
{
    glGetDoublev(GL_MODELVIEW_MATRIX, m_modelview);
    CheckError();
}

void ThreeDObjectClipTestVisitor::TestEyePoint(ThreeDObject& node, const Vertex& eye)
{
    for (auto record = m_planes.rbegin(); record != m_planes.rend(); ++record)
    {
        const auto& p = record->EyePlane;
        const double x = p[0] * eye.GetX() + p[1] * eye.GetY() + p[2] * eye.GetZ() + p[3];
        if (Passes(record->Side, x))
            continue;
        ++m_failedVertices;
        if (m_failureSet.insert({node.GetId(), record->PlaneNodeId}).second)
            m_failures.push_back({node.GetId(), record->PlaneNodeId});
        return;
    }
}

bool ThreeDObjectClipTestVisitor::SpendTests(int points)
{
    return Spend(FrameBudget::Vertices, double(std::max(points, 0)) * double(m_planes.size()));
}

void ThreeDObjectClipTestVisitor::TestVertex(ThreeDObject& node, int vertexId, const Vertex& position)
{
    if (m_planes.empty())
        return;
    const FixedVertexMap::Entry* fixed = m_fixed.Find(m_externalDepth, vertexId);
    TestEyePoint(node, fixed != nullptr ? fixed->EyePosition : FixedVertexMap::ToEye(m_modelview, position));
}

void ThreeDObjectClipTestVisitor::VisitPolygon(ThreeDObjectPolygon& node)
{
    if (m_planes.empty() || !SpendTests(node.GetVertexCount()))
        return;
    BeginNode();
    const int count = node.GetVertexCount();
    for (int i = 0; i < count; ++i)
        TestVertex(node, node.GetVertexId(i), node.GetVertex(i));
}

void ThreeDObjectClipTestVisitor::VisitLine(ThreeDObjectLine& node)
{
    if (m_planes.empty() || !SpendTests(2))
        return;
    BeginNode();
    TestVertex(node, node.GetFromVertexId(), node.GetFromVertex());
    TestVertex(node, node.GetToVertexId(), node.GetToVertex());
}

void ThreeDObjectClipTestVisitor::VisitScaledBitmap(ThreeDObjectScaledBitmap& node)
{
    if (m_planes.empty())
        return;
    if (!m_makeSrb)
    {
        GetReport().Add(DrawingMessages::NoScaledBitmaps());
        return;
    }
    Util::CountedPointer<SrbFile> srb;
    if (!m_sprites.Make(*m_makeSrb, srb, node.GetSrbName(), GetReport()))
        return;
    const double scale = ThreeDObjectGetBoundsVisitor::GetSpriteScale(
        node.HasScale(), node.HasScale() ? node.GetScale() : 0, node.GetHeight(), srb->GetCorner(0).GetZ(),
        srb->GetCorner(2).GetZ());
    if (!SpendTests(4))
        return;
    BeginNode();
    const Vertex position = node.GetVertex();
    for (U32 i = 0; i < 4; ++i)
    {
        const Vertex corner = srb->GetCorner(i);
        const Vertex placed(corner.GetX() * scale + position.GetX(), corner.GetY() * scale + position.GetY(),
                            corner.GetZ() * scale + position.GetZ());
        TestEyePoint(node, FixedVertexMap::ToEye(m_modelview, placed));
    }
}
