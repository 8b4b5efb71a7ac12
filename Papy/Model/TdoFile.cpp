#include "Papy/Model/TdoFile.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
TdoFile::~TdoFile() = default;

TdoFile::Node TdoFile::FindSubObject(const SubObjectMap& SubObjects, int id)
{
    const auto p = SubObjects.find(id);
    VELMO_ASSERT(p != SubObjects.end());
    return p->second;
}

void TdoFile::EnterSubObject(SubObjectMap& SubObjects, const Node& node)
{
    VELMO_ASSERT_TEXT(node.Get() != nullptr, "node != 0");
    SubObjects[node->GetId()] = node;
}

Util::CountedPointer<ThreeDObjectAnimatedTransform> TdoFile::CreateAnimatedTransform(int, const std::string&,
                                                                                     const std::string&, double, double,
                                                                                     double, double, double, double,
                                                                                     const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectAppearance> TdoFile::CreateAppearance(int, const std::string&, double, double, double,
                                                                       const Node&, const Node&, const Node&, int)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectBoundingBox> TdoFile::CreateBoundingBox(int, const std::vector<Vertex>&, const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectClassMaterial> TdoFile::CreateClassMaterial(int, DisplayClass, double, const Colour&,
                                                                             const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectClassTexture> TdoFile::CreateClassTexture(int, DisplayClass, const std::string&,
                                                                           const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectClassTextureMaterial> TdoFile::CreateClassTextureMaterial(int, DisplayClass,
                                                                                           const std::string&, double,
                                                                                           const Colour&, const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectDisplayClass> TdoFile::CreateDisplayClass(int, DisplayClass, const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectDistanceSplitter> TdoFile::CreateDistanceSplitter(int, const Vertex&, const Nodes&,
                                                                                   const std::vector<double>&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectExtObject> TdoFile::CreateExtObject(int, const std::string&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectGeometry> TdoFile::CreateGeometry(int, const Node&, const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectHandle> TdoFile::CreateHandle(const std::string&, const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectLine> TdoFile::CreateLine(int, const Vertex&, const Vertex&, const Colour&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectNull> TdoFile::CreateNull(int)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectNumberList> TdoFile::CreateNumberList(int, const std::vector<int>&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectObjectList> TdoFile::CreateObjectList(int, const Nodes&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectObjectLocator> TdoFile::CreateObjectLocator(int, const std::vector<Plane>&,
                                                                             const Nodes&, const Node&,
                                                                             const std::vector<double>&,
                                                                             const std::vector<double>&,
                                                                             const std::vector<double>&, const Nodes&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectObjectLocatorList> TdoFile::CreateObjectLocatorList(int, const Nodes&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectPlaneCullFront> TdoFile::CreatePlaneCullFront(int, const Plane&, const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectPlaneOrder2> TdoFile::CreatePlaneOrder2(int, const Plane&, const Node&, const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectPlaneOrder2CullFrontBack> TdoFile::CreatePlaneOrder2CullFrontBack(int, const Plane&,
                                                                                                   const Node&,
                                                                                                   const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectPlaneOrder3> TdoFile::CreatePlaneOrder3(int, const Plane&, const Node&, const Node&,
                                                                         const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectPlaneOrder3CullFront> TdoFile::CreatePlaneOrder3CullFront(int, const Plane&,
                                                                                           const Node&, const Node&,
                                                                                           const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectPlaneOrder4CullFrontBack> TdoFile::CreatePlaneOrder4CullFrontBack(
    int, const Plane&, const Node&, const Node&, const Node&, const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectPolygon> TdoFile::CreatePolygon(int, const std::vector<Vertex>&, const Colour&, bool,
                                                                 const std::vector<Colour>&, bool,
                                                                 const std::vector<Normal>&, bool,
                                                                 const std::vector<TextureVertex>&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectProxy> TdoFile::CreateProxy(int, const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectRoot> TdoFile::CreateRoot(int, const Nodes&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectScaledBitmap> TdoFile::CreateScaledBitmap(int, const Vertex&, bool, double, double,
                                                                           double, const std::string&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectShape> TdoFile::CreateShape(int, const std::string&, const Node&, const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectTexture> TdoFile::CreateTexture(int, const std::string&, const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectTexture2> TdoFile::CreateTexture2(int, const std::string&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectTrackDetailSplit> TdoFile::CreateTrackDetailSplit(int, const std::vector<Nodes>&,
                                                                                   const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectTrackDrawingDistances> TdoFile::CreateTrackDrawingDistances(
    int, const std::vector<std::array<int, 4>>&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectTrackIndex> TdoFile::CreateTrackIndex(int, const std::vector<int>&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectTrackLink> TdoFile::CreateTrackLink(int, const std::vector<int>&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectTrackRoot> TdoFile::CreateTrackRoot(int, const Node&, const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectTrackSections> TdoFile::CreateTrackSections(int, const Node&, const Nodes&,
                                                                             const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectTransformation> TdoFile::CreateTransformation(int, double, double, double, double,
                                                                               double, double, double, const Node&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectTriangles> TdoFile::CreateTriangles(int, const std::vector<U32>&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Util::CountedPointer<ThreeDObjectVertices> TdoFile::CreateVertices(int, const std::vector<Vertex>&,
                                                                   const std::vector<Normal>&,
                                                                   const std::vector<TextureVertex>&,
                                                                   const std::vector<TextureVertex>&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}
} // namespace Velmo::Papy
