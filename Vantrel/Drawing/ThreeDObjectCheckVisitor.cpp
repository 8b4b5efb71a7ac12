#include "Vantrel/Drawing/ThreeDObjectCheckVisitor.h"

#include "Papy/Bitmap/MipFile.h"
#include "Papy/Bitmap/SrbFile.h"
#include "Papy/Model/ComparisonOperator.h"
#include "Papy/Model/DisplayClass.h"
#include "Papy/Model/SurfaceType.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectAnimationSplitter.h"
#include "Papy/Model/ThreeDObjectAppearance.h"
#include "Papy/Model/ThreeDObjectClassMaterial.h"
#include "Papy/Model/ThreeDObjectClassTexture.h"
#include "Papy/Model/ThreeDObjectClassTextureMaterial.h"
#include "Papy/Model/ThreeDObjectClassTextureSelector.h"
#include "Papy/Model/ThreeDObjectClassTextureSelectorMaterial.h"
#include "Papy/Model/ThreeDObjectDisplayClass.h"
#include "Papy/Model/ThreeDObjectDistanceSplitter.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/Model/ThreeDObjectLatitudeSplitter.h"
#include "Papy/Model/ThreeDObjectLine.h"
#include "Papy/Model/ThreeDObjectLongitudeSplitter.h"
#include "Papy/Model/ThreeDObjectMorphVertices.h"
#include "Papy/Model/ThreeDObjectMultipleTextures.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Papy/Model/ThreeDObjectPlaneCullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3CullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPointLight.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectScaledBitmap.h"
#include "Papy/Model/ThreeDObjectStateSplitter.h"
#include "Papy/Model/ThreeDObjectTexture.h"
#include "Papy/Model/ThreeDObjectTexture2.h"
#include "Papy/Model/ThreeDObjectTextureCoords.h"
#include "Papy/Model/ThreeDObjectTrackDetail.h"
#include "Papy/Model/ThreeDObjectTrackLevelPlane.h"
#include "Papy/Model/ThreeDObjectTracksideObject.h"
#include "Papy/Model/ThreeDObjectVertexFixer.h"
#include "Papy/Model/ThreeDObjectVertices.h"
#include "Papy/Model/ThreeDObjectWSection.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Papy/Model/TrackFunction.h"
#include "Papy/Model/WallType.h"
#include "Util/Exception.h"
#include "Vantrel/Drawing/FileErrors.h"

using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;

// Every value read below is discarded: reading it is the check, a failure its report.

namespace
{
// The reads that several kinds of node share. Each operation below is written out by its kind
// and calls the one that fits; a kind with reads of its own makes them there.

// Vertex lists: each vertex and its normal, and the texture and specular texture vertices
// where the list has them.
template <class Node>
void CheckVertexList(Node& node)
{
    const int count = node.GetVertexCount();
    for (int i = 0; i < count; ++i)
    {
        node.GetVertex(i);
        node.GetNormal(i);
        if (node.HasTextureVertices())
            node.GetTextureVertex(i);
        if (node.HasSpecularTextureVertices())
            node.GetSpecularTextureVertex(i);
    }
}

// Splitters: the comparison operator.
template <class Node>
bool CheckComparison(Node& node)
{
    GetComparisonOperatorName(int(node.GetComparisonOperator()));
    return true;
}

// Display classes and the class materials, textures and selectors: the class.
template <class Node>
bool CheckDisplayClass(Node& node)
{
    GetDisplayClassName(node.GetClass());
    return true;
}

// Culling and level planes: the plane.
template <class Node>
bool CheckPlane(Node& node)
{
    node.GetPlane();
    return true;
}

// Ordering planes: the plane; the children are walked in their stored order.
template <class Node>
bool CheckPlaneOrder(Node& node, bool& reverse)
{
    reverse = false;
    return CheckPlane(node);
}
} // namespace

ThreeDObjectCheckVisitor::ThreeDObjectCheckVisitor(const CountedPointer<FileFactory>& factory)
    : m_factory(factory)
{
    m_makeMip = m_factory->GetFacet<MakeMip>();
    if (m_factory->HasFacet<MakeSrb>())
        m_makeSrb = m_factory->GetFacet<MakeSrb>();
    m_makeTdo = m_factory->GetFacet<MakeTdo>();
}

void ThreeDObjectCheckVisitor::ClearRecords()
{
    m_textures.clear();
    m_scaledBitmaps.clear();
    m_objects.clear();
    m_failedTextures.clear();
    m_failedScaledBitmaps.clear();
    m_failedObjects.clear();
    GetReport().Clear();
    RestartBudget();
}

void ThreeDObjectCheckVisitor::CheckTexture(const std::string& name)
{
    if (m_textures.contains(name))
        return;
    CountedPointer<MipFile> texture;
    if (MakeOnce(*m_makeMip, texture, name, m_failedTextures, GetReport()))
        m_textures.insert(name);
}

void ThreeDObjectCheckVisitor::VisitPolygon(ThreeDObjectPolygon& node)
{
    const int count = node.GetVertexCount();
    if (!Spend(FrameBudget::Vertices, count))
        return;
    const bool normals = node.HasNormals(), textureVertices = node.HasTextureVertices();
    for (int i = 0; i < count; ++i)
    {
        node.GetVertex(i);
        if (normals)
            node.GetNormal(i);
        if (textureVertices)
            node.GetTextureVertex(i);
    }
}

void ThreeDObjectCheckVisitor::VisitVertices(ThreeDObjectVertices& node)
{
    if (Spend(FrameBudget::Vertices, node.GetVertexCount()))
        CheckVertexList(node);
}

void ThreeDObjectCheckVisitor::VisitMorphVertices(ThreeDObjectMorphVertices& node)
{
    if (Spend(FrameBudget::Vertices, node.GetVertexCount()))
        CheckVertexList(node);
}

void ThreeDObjectCheckVisitor::VisitVertexFixer(ThreeDObjectVertexFixer& node)
{
    const int count = node.GetVertexCount();
    if (!Spend(FrameBudget::Vertices, count))
        return;
    for (int i = 0; i < count; ++i)
        node.GetVertex(i);
}

void ThreeDObjectCheckVisitor::VisitTextureCoords(ThreeDObjectTextureCoords& node)
{
    const int count = node.GetVertexCount();
    if (!node.HasTextureVertices() || !Spend(FrameBudget::Vertices, count))
        return;
    for (int i = 0; i < count; ++i)
        node.GetTextureVertex(i);
}

void ThreeDObjectCheckVisitor::VisitLine(ThreeDObjectLine& node)
{
    node.GetFromVertex();
    node.GetToVertex();
}

void ThreeDObjectCheckVisitor::VisitPointLight(ThreeDObjectPointLight& node)
{
    node.GetPosition();
}

bool ThreeDObjectCheckVisitor::EnterDistanceSplitter(ThreeDObjectDistanceSplitter& node)
{
    CheckComparison(node);
    node.GetVertex();
    return true;
}

bool ThreeDObjectCheckVisitor::EnterAnimationSplitter(ThreeDObjectAnimationSplitter& node)
{
    return CheckComparison(node);
}

bool ThreeDObjectCheckVisitor::EnterStateSplitter(ThreeDObjectStateSplitter& node)
{
    return CheckComparison(node);
}

bool ThreeDObjectCheckVisitor::EnterLatitudeSplitter(ThreeDObjectLatitudeSplitter& node)
{
    return CheckComparison(node);
}

bool ThreeDObjectCheckVisitor::EnterLongitudeSplitter(ThreeDObjectLongitudeSplitter& node)
{
    return CheckComparison(node);
}

bool ThreeDObjectCheckVisitor::EnterDisplayClass(ThreeDObjectDisplayClass& node)
{
    return CheckDisplayClass(node);
}

bool ThreeDObjectCheckVisitor::EnterClassMaterial(ThreeDObjectClassMaterial& node)
{
    return CheckDisplayClass(node);
}

bool ThreeDObjectCheckVisitor::EnterClassTexture(ThreeDObjectClassTexture& node)
{
    return CheckDisplayClass(node);
}

bool ThreeDObjectCheckVisitor::EnterClassTextureMaterial(ThreeDObjectClassTextureMaterial& node)
{
    return CheckDisplayClass(node);
}

bool ThreeDObjectCheckVisitor::EnterClassTextureSelector(ThreeDObjectClassTextureSelector& node)
{
    return CheckDisplayClass(node);
}

bool ThreeDObjectCheckVisitor::EnterClassTextureSelectorMaterial(ThreeDObjectClassTextureSelectorMaterial& node)
{
    return CheckDisplayClass(node);
}

bool ThreeDObjectCheckVisitor::EnterAppearance(ThreeDObjectAppearance& node)
{
    node.GetTextureFunction();
    return true;
}

bool ThreeDObjectCheckVisitor::EnterPlaneCullFront(ThreeDObjectPlaneCullFront& node)
{
    return CheckPlane(node);
}

bool ThreeDObjectCheckVisitor::EnterTrackLevelPlane(ThreeDObjectTrackLevelPlane& node)
{
    return CheckPlane(node);
}

bool ThreeDObjectCheckVisitor::EnterPlaneOrder2(ThreeDObjectPlaneOrder2& node, bool& reverse)
{
    return CheckPlaneOrder(node, reverse);
}

bool ThreeDObjectCheckVisitor::EnterPlaneOrder2CullFrontBack(ThreeDObjectPlaneOrder2CullFrontBack& node,
                                                             bool& reverse)
{
    return CheckPlaneOrder(node, reverse);
}

bool ThreeDObjectCheckVisitor::EnterPlaneOrder3(ThreeDObjectPlaneOrder3& node, bool& reverse)
{
    return CheckPlaneOrder(node, reverse);
}

bool ThreeDObjectCheckVisitor::EnterPlaneOrder3CullFront(ThreeDObjectPlaneOrder3CullFront& node, bool& reverse)
{
    return CheckPlaneOrder(node, reverse);
}

bool ThreeDObjectCheckVisitor::EnterPlaneOrder4CullFrontBack(ThreeDObjectPlaneOrder4CullFrontBack& node,
                                                             bool& reverse)
{
    return CheckPlaneOrder(node, reverse);
}

bool ThreeDObjectCheckVisitor::EnterObjectLocator(ThreeDObjectObjectLocator& node)
{
    for (int i = 0; i < ThreeDObjectObjectLocator::SiblingCount; ++i)
    {
        node.GetPlane(i);
        node.GetSibling(i);
    }
    return true;
}

bool ThreeDObjectCheckVisitor::EnterFSection(ThreeDObjectFSection& node)
{
    GetSurfaceTypeName(node.GetSurfaceType());
    GetTrackFunctionName(node.GetTrackFunction());
    return true;
}

bool ThreeDObjectCheckVisitor::EnterWSection(ThreeDObjectWSection& node)
{
    GetWallTypeName(node.GetWallType());
    const int count = node.GetProfilePointCount();
    if (!Spend(FrameBudget::Vertices, count))
        return false;
    for (int i = 0; i < count; ++i)
        node.GetProfilePoint(i);
    return true;
}

bool ThreeDObjectCheckVisitor::EnterTrackDetail(ThreeDObjectTrackDetail& node)
{
    for (int i = 0; i < ThreeDObjectTrackDetail::VertexCount; ++i)
        node.GetTextureVertex(i);
    return true;
}

bool ThreeDObjectCheckVisitor::EnterTexture(ThreeDObjectTexture& node)
{
    if (Spend(FrameBudget::Names, 1))
        CheckTexture(node.GetTextureName());
    return true;
}

void ThreeDObjectCheckVisitor::VisitTexture2(ThreeDObjectTexture2& node)
{
    if (Spend(FrameBudget::Names, 1))
        CheckTexture(node.GetFileName());
}

bool ThreeDObjectCheckVisitor::EnterMultipleTextures(ThreeDObjectMultipleTextures& node)
{
    const int count = node.GetTextureCount();
    if (!Spend(FrameBudget::Names, count))
        return false;
    for (int i = 0; i < count; ++i)
        CheckTexture(node.GetTextureName(i));
    return true;
}

void ThreeDObjectCheckVisitor::VisitScaledBitmap(ThreeDObjectScaledBitmap& node)
{
    node.GetVertex();
    const std::string name = node.GetSrbName();
    if (m_scaledBitmaps.contains(name))
        return;
    if (!m_makeSrb)
        throw Velmo::Util::XFileFormat(name, NoScaledBitmapsMessage);
    CountedPointer<SrbFile> bitmap;
    if (MakeOnce(*m_makeSrb, bitmap, name, m_failedScaledBitmaps, GetReport()))
        m_scaledBitmaps.insert(name);
}

void ThreeDObjectCheckVisitor::VisitExtObject(ThreeDObjectExtObject& node)
{
    const std::string name = node.GetObjectName();
    if (m_objects.contains(name))
        return;
    CountedPointer<TdoFile> object;
    if (!MakeOnce(*m_makeTdo, object, name, m_failedObjects, GetReport()))
        return;
    if (m_chain.Contains(object.Get()))
        throw Velmo::Util::XFileFormat(name, CycleMessage + m_chain.Describe(object.Get(), name));
    CountedPointer<ThreeDObject> root;
    root = object->GetRoot();
    if (root)
    {
        struct Scope
        {
            ExternalObjectChain& chain;
            ~Scope() { chain.Leave(); }
        };
        m_chain.Enter(name, object.Get());
        Scope scope{m_chain};
        ThreeDObjectWalk::Descend(*this, root);
    }
    m_objects.insert(name);
}

void ThreeDObjectCheckVisitor::VisitTracksideObject(ThreeDObjectTracksideObject& node)
{
    const std::string name = node.GetObjectName();
    if (m_objects.contains(name))
        return;
    CountedPointer<TdoFile> object;
    if (MakeOnce(*m_makeTdo, object, name, m_failedObjects, GetReport()))
        m_objects.insert(name);
}
