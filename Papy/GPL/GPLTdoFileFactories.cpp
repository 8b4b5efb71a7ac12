// The node factories of GPLTdoFile: each builds one node from editor values, checks what it is
// given and stores the node under its id.
#include "Papy/GPL/GPLTdoFile.h"

#include "Papy/GPL/GPLBoundingBox.h"
#include "Papy/GPL/GPLClassMaterial.h"
#include "Papy/GPL/GPLClassTexture.h"
#include "Papy/GPL/GPLClassTextureMaterial.h"
#include "Papy/GPL/GPLDisplayClass.h"
#include "Papy/GPL/GPLDistanceSplitter.h"
#include "Papy/GPL/GPLExtObject.h"
#include "Papy/GPL/GPLHandle.h"
#include "Papy/GPL/GPLLine.h"
#include "Papy/GPL/GPLNull.h"
#include "Papy/GPL/GPLNumberList.h"
#include "Papy/GPL/GPLObjectList.h"
#include "Papy/GPL/GPLObjectLocator.h"
#include "Papy/GPL/GPLObjectLocatorList.h"
#include "Papy/GPL/GPLPlaneCullFront.h"
#include "Papy/GPL/GPLPlaneOrder2.h"
#include "Papy/GPL/GPLPlaneOrder2CullFrontBack.h"
#include "Papy/GPL/GPLPlaneOrder3.h"
#include "Papy/GPL/GPLPlaneOrder3CullFront.h"
#include "Papy/GPL/GPLPlaneOrder4CullFrontBack.h"
#include "Papy/GPL/GPLPolygonFamily.h"
#include "Papy/GPL/GPLProxy.h"
#include "Papy/GPL/GPLRoot.h"
#include "Papy/GPL/GPLScaledBitmap.h"
#include "Papy/GPL/GPLTexture.h"
#include "Papy/GPL/GPLTrackDetailSplit.h"
#include "Papy/GPL/GPLTrackDrawingDistances.h"
#include "Papy/GPL/GPLTrackIndex.h"
#include "Papy/GPL/GPLTrackLink.h"
#include "Papy/GPL/GPLTrackRoot.h"
#include "Papy/GPL/GPLTrackSections.h"
#include "Papy/GPL/GPLTransformationFamily.h"
#include "Util/Angles.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
void GPLTdoFile::CheckNewId(int id, bool root)
{
    const U32 u = U32(id);
    if (u >= U32(LastHandleId) && !(root && id == RootId))
        throw Util::XUsage("GPL node id reserved for the null node, the root or a handle");
}

U32 GPLTdoFile::ReferenceTo(const Node& node) const
{
    return U32(ChildIdIn(m_subObjects, node, "GPL"));
}

std::vector<U32> GPLTdoFile::ReferencesTo(const Nodes& nodes) const
{
    std::vector<U32> ids;
    ids.reserve(nodes.size());
    for (const Node& node : nodes)
        ids.push_back(ReferenceTo(node));
    return ids;
}

template <class Kind>
Util::CountedPointer<Kind> GPLTdoFile::Store(Kind* node)
{
    Util::CountedPointer<Kind> held(node);
    Util::CountedPointer<ThreeDObject> entry;
    entry = held;
    m_subObjects.Enter(node->GetId(), entry);
    return held;
}

namespace
{
// A locator tests four planes, each leading to its sibling.
void CheckPlanes(std::size_t planes, std::size_t siblings)
{
    if (planes != 4 || siblings != 4)
        throw Util::XUsage("GPL object locator needs 4 planes and 4 siblings");
}
} // namespace

Util::CountedPointer<ThreeDObjectBoundingBox> GPLTdoFile::CreateBoundingBox(int id,
                                                                            const std::vector<Vertex>& corners,
                                                                            const Node& child)
{
    CheckNewId(id);
    if (corners.size() != 8)
        throw Util::XUsage("GPL bounding box needs 8 corners");
    U32 childId = ReferenceTo(child);
    std::array<U32, 8> ids;
    for (std::size_t i = 0; i < 8; ++i)
        ids[i] = U32(AddVertex(corners[i]));
    return Store(new GPLBoundingBox(*this, id, ids, childId));
}

Util::CountedPointer<ThreeDObjectClassMaterial> GPLTdoFile::CreateClassMaterial(int id, DisplayClass displayClass,
                                                                                double shininess,
                                                                                const Colour& specularShade,
                                                                                const Node& child)
{
    CheckNewId(id);
    U32 childId = ReferenceTo(child);
    U32 number = U32(GetDisplayClassNumber(displayClass));
    return Store(new GPLClassMaterial(*this, id, number, shininess, specularShade.GetRed(), specularShade.GetGreen(),
                                      specularShade.GetBlue(), childId));
}

Util::CountedPointer<ThreeDObjectClassTexture> GPLTdoFile::CreateClassTexture(int id, DisplayClass displayClass,
                                                                              const std::string& textureName,
                                                                              const Node& child)
{
    CheckNewId(id);
    U32 childId = ReferenceTo(child);
    U32 number = U32(GetDisplayClassNumber(displayClass));
    return Store(new GPLClassTexture(*this, id, number, AddString(textureName), childId));
}

Util::CountedPointer<ThreeDObjectClassTextureMaterial> GPLTdoFile::CreateClassTextureMaterial(
    int id, DisplayClass displayClass, const std::string& textureName, double shininess, const Colour& specularShade,
    const Node& child)
{
    CheckNewId(id);
    U32 childId = ReferenceTo(child);
    U32 number = U32(GetDisplayClassNumber(displayClass));
    return Store(new GPLClassTextureMaterial(*this, id, number, AddString(textureName), shininess,
                                             specularShade.GetRed(), specularShade.GetGreen(),
                                             specularShade.GetBlue(), childId));
}

Util::CountedPointer<ThreeDObjectDisplayClass> GPLTdoFile::CreateDisplayClass(int id, DisplayClass displayClass,
                                                                              const Node& child)
{
    CheckNewId(id);
    U32 childId = ReferenceTo(child);
    return Store(new GPLDisplayClass(*this, id, U32(GetDisplayClassNumber(displayClass)), childId));
}

Util::CountedPointer<ThreeDObjectDistanceSplitter> GPLTdoFile::CreateDistanceSplitter(
    int id, const Vertex& centre, const Nodes& children, const std::vector<double>& distances)
{
    CheckNewId(id);
    if (children.size() != distances.size())
        throw Util::XUsage("GPL distance splitter needs one distance per child");
    std::vector<U32> childIds = ReferencesTo(children);
    std::vector<float> split(distances.begin(), distances.end());
    const U32 greaterOrEqual = 2;
    return Store(new GPLDistanceSplitter(*this, id, U32(AddVertex(centre)), greaterOrEqual, childIds, split));
}

Util::CountedPointer<ThreeDObjectExtObject> GPLTdoFile::CreateExtObject(int id, const std::string& objectName)
{
    CheckNewId(id);
    return Store(new GPLExtObject(*this, id, AddString(objectName)));
}

Util::CountedPointer<ThreeDObjectHandle> GPLTdoFile::CreateHandle(const std::string& name, const Node& child)
{
    const Node* root = m_subObjects.Find(m_rootId);
    GPLRoot* gplRoot = root == nullptr ? nullptr : dynamic_cast<GPLRoot*>(root->Get());
    if (gplRoot == nullptr)
        throw Util::XUsage("GPL handle needs a file with a root");
    if (m_nextHandleId < LastHandleId)
        throw Util::XUsage("GPL file has too many handles");
    U32 childId = ReferenceTo(child);
    const int id = m_nextHandleId;
    Util::CountedPointer<ThreeDObjectHandle> handle = Store(new GPLHandle(this, id, AddString(name), int(childId)));
    gplRoot->AddChild(id);
    m_handles.push_back(handle);
    --m_nextHandleId;
    return handle;
}

Util::CountedPointer<ThreeDObjectLine> GPLTdoFile::CreateLine(int id, const Vertex& from, const Vertex& to,
                                                              const Colour& colour)
{
    CheckNewId(id);
    U32 fromId = U32(AddVertex(from));
    U32 toId = U32(AddVertex(to));
    return Store(new GPLLine(*this, id, fromId, toId, colour));
}

Util::CountedPointer<ThreeDObjectNull> GPLTdoFile::CreateNull(int id)
{
    CheckNewId(id);
    return Store(new GPLNull(id, 0xFFFFFFFF));
}

Util::CountedPointer<ThreeDObjectNumberList> GPLTdoFile::CreateNumberList(int id, const std::vector<int>& numbers)
{
    CheckNewId(id);
    return Store(new GPLNumberList(*this, id, std::vector<U32>(numbers.begin(), numbers.end())));
}

Util::CountedPointer<ThreeDObjectObjectList> GPLTdoFile::CreateObjectList(int id, const Nodes& children)
{
    CheckNewId(id);
    return Store(new GPLObjectList(*this, id, ReferencesTo(children)));
}

Util::CountedPointer<ThreeDObjectObjectLocator> GPLTdoFile::CreateObjectLocator(
    int id, const std::vector<Plane>& planes, const Nodes& siblings, const Node& child, const std::vector<double>& x,
    const std::vector<double>& y, const std::vector<double>& z, const Nodes& objects)
{
    CheckNewId(id);
    CheckPlanes(planes.size(), siblings.size());
    if (x.size() != objects.size() || y.size() != objects.size() || z.size() != objects.size())
        throw Util::XUsage("GPL object locator needs one position per located object");
    std::array<U32, 4> siblingIds;
    for (std::size_t i = 0; i < 4; ++i)
        siblingIds[i] = ReferenceTo(siblings[i]);
    U32 childId = ReferenceTo(child);
    std::vector<U32> objectIds = ReferencesTo(objects);
    std::array<U32, 4> planeIds;
    for (std::size_t i = 0; i < 4; ++i)
        planeIds[i] = U32(AddPlane(planes[i]));
    return Store(new GPLObjectLocator(*this, id, planeIds, siblingIds, childId, std::vector<float>(x.begin(), x.end()),
                                      std::vector<float>(y.begin(), y.end()), std::vector<float>(z.begin(), z.end()),
                                      objectIds));
}

Util::CountedPointer<ThreeDObjectObjectLocatorList> GPLTdoFile::CreateObjectLocatorList(int id, const Nodes& children)
{
    CheckNewId(id);
    // Written as an object list closed by the null node; a list of that null alone is refused
    // when the file is read back.
    if (children.empty())
        throw Util::XUsage("GPL object locator list needs at least one child");
    return Store(new GPLObjectLocatorList(*this, id, ReferencesTo(children)));
}

Util::CountedPointer<ThreeDObjectPlaneCullFront> GPLTdoFile::CreatePlaneCullFront(int id, const Plane& plane,
                                                                                  const Node& child)
{
    CheckNewId(id);
    U32 front = ReferenceTo(child);
    return Store(new GPLPlaneCullFront(*this, id, U32(AddPlane(plane)), front));
}

Util::CountedPointer<ThreeDObjectPlaneOrder2> GPLTdoFile::CreatePlaneOrder2(int id, const Plane& plane,
                                                                            const Node& first, const Node& second)
{
    CheckNewId(id);
    U32 a = ReferenceTo(first), b = ReferenceTo(second);
    return Store(new GPLPlaneOrder2(*this, id, U32(AddPlane(plane)), a, b));
}

Util::CountedPointer<ThreeDObjectPlaneOrder2CullFrontBack> GPLTdoFile::CreatePlaneOrder2CullFrontBack(
    int id, const Plane& plane, const Node& first, const Node& second)
{
    CheckNewId(id);
    U32 a = ReferenceTo(first), b = ReferenceTo(second);
    return Store(new GPLPlaneOrder2CullFrontBack(*this, id, U32(AddPlane(plane)), a, b));
}

Util::CountedPointer<ThreeDObjectPlaneOrder3> GPLTdoFile::CreatePlaneOrder3(int id, const Plane& plane,
                                                                            const Node& first, const Node& second,
                                                                            const Node& third)
{
    CheckNewId(id);
    U32 a = ReferenceTo(first), b = ReferenceTo(second), c = ReferenceTo(third);
    return Store(new GPLPlaneOrder3(*this, id, U32(AddPlane(plane)), a, b, c));
}

Util::CountedPointer<ThreeDObjectPlaneOrder3CullFront> GPLTdoFile::CreatePlaneOrder3CullFront(
    int id, const Plane& plane, const Node& first, const Node& second, const Node& third)
{
    CheckNewId(id);
    U32 a = ReferenceTo(first), b = ReferenceTo(second), c = ReferenceTo(third);
    return Store(new GPLPlaneOrder3CullFront(*this, id, U32(AddPlane(plane)), a, b, c));
}

Util::CountedPointer<ThreeDObjectPlaneOrder4CullFrontBack> GPLTdoFile::CreatePlaneOrder4CullFrontBack(
    int id, const Plane& plane, const Node& first, const Node& second, const Node& third, const Node& fourth)
{
    CheckNewId(id);
    U32 a = ReferenceTo(first), b = ReferenceTo(second), c = ReferenceTo(third), d = ReferenceTo(fourth);
    return Store(new GPLPlaneOrder4CullFrontBack(*this, id, U32(AddPlane(plane)), a, b, c, d));
}

Util::CountedPointer<ThreeDObjectPolygon> GPLTdoFile::CreatePolygon(
    int id, const std::vector<Vertex>& vertices, const Colour& colour, bool hasShades,
    const std::vector<Colour>& shades, bool hasNormals, const std::vector<Normal>& normals, bool hasTextureVertices,
    const std::vector<TextureVertex>& textureVertices)
{
    CheckNewId(id);
    // The record keeps one count for all its per-corner lists.
    if (hasShades && shades.size() != vertices.size())
        throw Util::XUsage("GPL polygon needs one shade per vertex");
    if (hasNormals && normals.size() != vertices.size())
        throw Util::XUsage("GPL polygon needs one normal per vertex");
    if (hasTextureVertices && textureVertices.size() != vertices.size())
        throw Util::XUsage("GPL polygon needs one texture vertex per vertex");
    std::vector<U32> vertexIds;
    vertexIds.reserve(vertices.size());
    for (const Vertex& v : vertices)
        vertexIds.push_back(U32(AddVertex(v)));
    std::vector<U32> normalIds;
    if (hasNormals)
        for (const Normal& n : normals)
            normalIds.push_back(U32(AddNormal(n)));
    const int features = (hasShades ? 1 : 0) + (hasNormals ? 2 : 0) + (hasTextureVertices ? 4 : 0);
    switch (features)
    {
    case 0:
        return Store<ThreeDObjectPolygon>(new GPLPolygon(*this, id, vertexIds, colour));
    case 1:
        return Store<ThreeDObjectPolygon>(new GPLGouraudPolygon(*this, id, vertexIds, colour, shades));
    case 2:
        return Store<ThreeDObjectPolygon>(new GPLPhongPolygon(*this, id, vertexIds, colour, {}, {}, normalIds));
    case 3:
        return Store<ThreeDObjectPolygon>(
            new GPLGouraudPhongPolygon(*this, id, vertexIds, colour, shades, {}, normalIds));
    case 4:
        return Store<ThreeDObjectPolygon>(new GPLTexturedPolygon(*this, id, vertexIds, colour, {}, textureVertices));
    case 5:
        return Store<ThreeDObjectPolygon>(
            new GPLTexturedGouraudPolygon(*this, id, vertexIds, colour, shades, textureVertices));
    case 6:
        return Store<ThreeDObjectPolygon>(
            new GPLTexturedPhongPolygon(*this, id, vertexIds, colour, {}, textureVertices, normalIds));
    default:
        return Store<ThreeDObjectPolygon>(
            new GPLTexturedGouraudPhongPolygon(*this, id, vertexIds, colour, shades, textureVertices, normalIds));
    }
}

Util::CountedPointer<ThreeDObjectProxy> GPLTdoFile::CreateProxy(int id, const Node& target)
{
    CheckNewId(id);
    return Store(new GPLProxy(*this, id, int(ReferenceTo(target))));
}

Util::CountedPointer<ThreeDObjectRoot> GPLTdoFile::CreateRoot(int id, const Nodes& children)
{
    CheckNewId(id, true);
    if (children.empty())
        throw Util::XUsage("GPL root needs at least one child");
    std::vector<U32> childIds = ReferencesTo(children);
    auto root = new GPLRoot(this, id);
    Util::CountedPointer<ThreeDObjectRoot> held = Store<ThreeDObjectRoot>(root);
    for (U32 child : childIds)
        root->AddChild(int(child));
    m_rootId = id;
    m_rootOffset = childIds.front();
    return held;
}

Util::CountedPointer<ThreeDObjectScaledBitmap> GPLTdoFile::CreateScaledBitmap(int id, const Vertex& vertex,
                                                                              bool hasScale, double, double,
                                                                              double height,
                                                                              const std::string& bitmapName)
{
    CheckNewId(id);
    if (hasScale)
        return Util::CountedPointer<ThreeDObjectScaledBitmap>();
    U32 vertexId = U32(AddVertex(vertex));
    return Store(new GPLScaledBitmap(*this, id, vertexId, AddString(bitmapName), float(height), false));
}

Util::CountedPointer<ThreeDObjectTexture> GPLTdoFile::CreateTexture(int id, const std::string& textureName,
                                                                    const Node& child)
{
    CheckNewId(id);
    U32 childId = ReferenceTo(child);
    return Store(new GPLTexture(*this, id, childId, AddString(textureName)));
}

Util::CountedPointer<ThreeDObjectTrackDetailSplit> GPLTdoFile::CreateTrackDetailSplit(int id,
                                                                                      const std::vector<Nodes>& levels,
                                                                                      const Node& child)
{
    CheckNewId(id);
    if (levels.size() != 3 || levels[0].size() != 4 || levels[1].size() != 2 || levels[2].size() != 1)
        throw Util::XUsage("GPL only allows track detail with 4/2/1 split");
    U32 ids[7];
    std::size_t k = 0;
    for (const Nodes& level : levels)
        for (const Node& node : level)
            ids[k++] = ReferenceTo(node);
    U32 links = ReferenceTo(child);
    return Store(new GPLTrackDetailSplit(*this, id, ids, links));
}

Util::CountedPointer<ThreeDObjectTrackDrawingDistances> GPLTdoFile::CreateTrackDrawingDistances(
    int id, const std::vector<std::array<int, 4>>& records)
{
    CheckNewId(id);
    return Store(new GPLTrackDrawingDistances(*this, id, records));
}

Util::CountedPointer<ThreeDObjectTrackIndex> GPLTdoFile::CreateTrackIndex(int id, const std::vector<int>& numbers)
{
    CheckNewId(id);
    return Store(new GPLTrackIndex(*this, id, numbers));
}

Util::CountedPointer<ThreeDObjectTrackLink> GPLTdoFile::CreateTrackLink(int id, const std::vector<int>& numbers)
{
    CheckNewId(id);
    if (numbers.size() != 4)
        throw Util::XUsage("GPL only allows track link with 4 links");
    const int links[4] = {numbers[0], numbers[1], numbers[2], numbers[3]};
    return Store(new GPLTrackLink(*this, id, links));
}

Util::CountedPointer<ThreeDObjectTrackRoot> GPLTdoFile::CreateTrackRoot(int id, const Node& first, const Node& second)
{
    CheckNewId(id);
    U32 a = ReferenceTo(first), b = ReferenceTo(second);
    return Store(new GPLTrackRoot(*this, id, a, b));
}

Util::CountedPointer<ThreeDObjectTrackSections> GPLTdoFile::CreateTrackSections(int id, const Node& first,
                                                                                const Nodes& middle, const Node& last)
{
    CheckNewId(id);
    // Written as an object list of first, middle and last; read back, such a list needs at
    // least three entries.
    if (middle.empty())
        throw Util::XUsage("GPL track sections need at least one section");
    U32 a = ReferenceTo(first);
    std::vector<U32> ids = ReferencesTo(middle);
    U32 b = ReferenceTo(last);
    return Store(new GPLTrackSections(*this, id, a, ids, b));
}

Util::CountedPointer<ThreeDObjectTransformation> GPLTdoFile::CreateTransformation(
    int id, double xTranslation, double yTranslation, double zTranslation, double xRotation, double yRotation,
    double zRotation, double scale, const Node& child)
{
    CheckNewId(id);
    U32 childId = ReferenceTo(child);
    return Store(new GPLTransformation(*this, id, xTranslation, yTranslation, zTranslation,
                                       Util::DegreesToRadians(xRotation), Util::DegreesToRadians(yRotation),
                                       Util::DegreesToRadians(zRotation), scale, childId));
}
} // namespace Velmo::Papy
