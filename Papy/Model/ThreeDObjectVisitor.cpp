#include "Papy/Model/ThreeDObjectVisitor.h"

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
#include "Papy/Model/ThreeDObjectNull.h"
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

namespace Velmo::Papy
{
ThreeDObjectVisitor::~ThreeDObjectVisitor() = default;

bool ThreeDObjectVisitor::Descends(ThreeDObject&)
{
    return true;
}

bool ThreeDObjectVisitor::Enter(ThreeDObject&)
{
    return true;
}

void ThreeDObjectVisitor::Leave(ThreeDObject&) {}

void ThreeDObjectVisitor::Visit(ThreeDObject&) {}

bool ThreeDObjectVisitor::EnterAnimatedTransform(ThreeDObjectAnimatedTransform& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveAnimatedTransform(ThreeDObjectAnimatedTransform& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterAnimationSplitter(ThreeDObjectAnimationSplitter& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeAnimationSplitterChild(ThreeDObjectAnimationSplitter&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterAnimationSplitterChild(ThreeDObjectAnimationSplitter&, int) {}

void ThreeDObjectVisitor::LeaveAnimationSplitter(ThreeDObjectAnimationSplitter& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterAppearance(ThreeDObjectAppearance& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeAppearanceTexture(ThreeDObjectAppearance&)
{
    return true;
}

void ThreeDObjectVisitor::AfterAppearanceTexture(ThreeDObjectAppearance&) {}

bool ThreeDObjectVisitor::BeforeAppearanceLightMapTexture(ThreeDObjectAppearance&)
{
    return true;
}

void ThreeDObjectVisitor::AfterAppearanceLightMapTexture(ThreeDObjectAppearance&) {}

bool ThreeDObjectVisitor::BeforeAppearanceSpecularTexture(ThreeDObjectAppearance&)
{
    return true;
}

void ThreeDObjectVisitor::AfterAppearanceSpecularTexture(ThreeDObjectAppearance&) {}

bool ThreeDObjectVisitor::EnterAppearanceOtherTextures(ThreeDObjectAppearance&)
{
    return true;
}

void ThreeDObjectVisitor::LeaveAppearanceOtherTextures(ThreeDObjectAppearance&) {}

void ThreeDObjectVisitor::LeaveAppearance(ThreeDObjectAppearance& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterAppNode(ThreeDObjectAppNode& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveAppNode(ThreeDObjectAppNode& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterBillboard(ThreeDObjectBillboard& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveBillboard(ThreeDObjectBillboard& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterBoundingBox(ThreeDObjectBoundingBox& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveBoundingBox(ThreeDObjectBoundingBox& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterCarRoot(ThreeDObjectCarRoot& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeCarRootShadow(ThreeDObjectCarRoot&)
{
    return true;
}

void ThreeDObjectVisitor::AfterCarRootShadow(ThreeDObjectCarRoot&) {}

bool ThreeDObjectVisitor::BeforeCarRootCockpit(ThreeDObjectCarRoot&)
{
    return true;
}

void ThreeDObjectVisitor::AfterCarRootCockpit(ThreeDObjectCarRoot&) {}

bool ThreeDObjectVisitor::BeforeCarRootCar(ThreeDObjectCarRoot&)
{
    return true;
}

void ThreeDObjectVisitor::AfterCarRootCar(ThreeDObjectCarRoot&) {}

void ThreeDObjectVisitor::LeaveCarRoot(ThreeDObjectCarRoot& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterClassMaterial(ThreeDObjectClassMaterial& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveClassMaterial(ThreeDObjectClassMaterial& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterClassTexture(ThreeDObjectClassTexture& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveClassTexture(ThreeDObjectClassTexture& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterClassTextureMaterial(ThreeDObjectClassTextureMaterial& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveClassTextureMaterial(ThreeDObjectClassTextureMaterial& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterClassTextureSelector(ThreeDObjectClassTextureSelector& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveClassTextureSelector(ThreeDObjectClassTextureSelector& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterClassTextureSelectorMaterial(ThreeDObjectClassTextureSelectorMaterial& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveClassTextureSelectorMaterial(ThreeDObjectClassTextureSelectorMaterial& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterColourMap(ThreeDObjectColourMap& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveColourMap(ThreeDObjectColourMap& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterDisplayClass(ThreeDObjectDisplayClass& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveDisplayClass(ThreeDObjectDisplayClass& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterDistanceSplitter(ThreeDObjectDistanceSplitter& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeDistanceSplitterChild(ThreeDObjectDistanceSplitter&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterDistanceSplitterChild(ThreeDObjectDistanceSplitter&, int) {}

void ThreeDObjectVisitor::LeaveDistanceSplitter(ThreeDObjectDistanceSplitter& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitEmpty(ThreeDObjectEmpty& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitExtObject(ThreeDObjectExtObject& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterExtObjectList(ThreeDObjectExtObjectList& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeExtObjectListChild(ThreeDObjectExtObjectList&)
{
    return true;
}

void ThreeDObjectVisitor::AfterExtObjectListChild(ThreeDObjectExtObjectList&) {}

bool ThreeDObjectVisitor::EnterExtObjectListObjects(ThreeDObjectExtObjectList&)
{
    return true;
}

bool ThreeDObjectVisitor::BeforeExtObjectListObject(ThreeDObjectExtObjectList&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterExtObjectListObject(ThreeDObjectExtObjectList&, int) {}

void ThreeDObjectVisitor::LeaveExtObjectListObjects(ThreeDObjectExtObjectList&) {}

void ThreeDObjectVisitor::LeaveExtObjectList(ThreeDObjectExtObjectList& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterFSection(ThreeDObjectFSection& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeFSectionAppearance(ThreeDObjectFSection&)
{
    return true;
}

void ThreeDObjectVisitor::AfterFSectionAppearance(ThreeDObjectFSection&) {}

bool ThreeDObjectVisitor::BeforeFSectionTextureCoords(ThreeDObjectFSection&)
{
    return true;
}

void ThreeDObjectVisitor::AfterFSectionTextureCoords(ThreeDObjectFSection&) {}

void ThreeDObjectVisitor::LeaveFSection(ThreeDObjectFSection& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterGeometry(ThreeDObjectGeometry& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeGeometryVertices(ThreeDObjectGeometry&)
{
    return true;
}

void ThreeDObjectVisitor::AfterGeometryVertices(ThreeDObjectGeometry&) {}

bool ThreeDObjectVisitor::BeforeGeometryPolygons(ThreeDObjectGeometry&)
{
    return true;
}

void ThreeDObjectVisitor::AfterGeometryPolygons(ThreeDObjectGeometry&) {}

void ThreeDObjectVisitor::LeaveGeometry(ThreeDObjectGeometry& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterGroup(ThreeDObjectGroup& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeGroupChild(ThreeDObjectGroup&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterGroupChild(ThreeDObjectGroup&, int) {}

void ThreeDObjectVisitor::LeaveGroup(ThreeDObjectGroup& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterHandle(ThreeDObjectHandle& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveHandle(ThreeDObjectHandle& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterLatitudeSplitter(ThreeDObjectLatitudeSplitter& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeLatitudeSplitterChild(ThreeDObjectLatitudeSplitter&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterLatitudeSplitterChild(ThreeDObjectLatitudeSplitter&, int) {}

void ThreeDObjectVisitor::LeaveLatitudeSplitter(ThreeDObjectLatitudeSplitter& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitLine(ThreeDObjectLine& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterLodSwitch(ThreeDObjectLodSwitch& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeLodSwitchChild(ThreeDObjectLodSwitch&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterLodSwitchChild(ThreeDObjectLodSwitch&, int) {}

void ThreeDObjectVisitor::LeaveLodSwitch(ThreeDObjectLodSwitch& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterLongitudeSplitter(ThreeDObjectLongitudeSplitter& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeLongitudeSplitterChild(ThreeDObjectLongitudeSplitter&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterLongitudeSplitterChild(ThreeDObjectLongitudeSplitter&, int) {}

void ThreeDObjectVisitor::LeaveLongitudeSplitter(ThreeDObjectLongitudeSplitter& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterMaterial(ThreeDObjectMaterial& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveMaterial(ThreeDObjectMaterial& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitMorphVertices(ThreeDObjectMorphVertices& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterMultipleTextures(ThreeDObjectMultipleTextures& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveMultipleTextures(ThreeDObjectMultipleTextures& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitNull(ThreeDObjectNull& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitNumberList(ThreeDObjectNumberList& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterObjectList(ThreeDObjectObjectList& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeObjectListChild(ThreeDObjectObjectList&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterObjectListChild(ThreeDObjectObjectList&, int) {}

void ThreeDObjectVisitor::LeaveObjectList(ThreeDObjectObjectList& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterObjectLocatorList(ThreeDObjectObjectLocatorList& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeObjectLocatorListChild(ThreeDObjectObjectLocatorList&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterObjectLocatorListChild(ThreeDObjectObjectLocatorList&, int) {}

void ThreeDObjectVisitor::LeaveObjectLocatorList(ThreeDObjectObjectLocatorList& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterObjectLocator(ThreeDObjectObjectLocator& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterObjectLocatorSiblings(ThreeDObjectObjectLocator&)
{
    return true;
}

bool ThreeDObjectVisitor::BeforeObjectLocatorSibling(ThreeDObjectObjectLocator&, int)
{
    return false;
}

void ThreeDObjectVisitor::AfterObjectLocatorSibling(ThreeDObjectObjectLocator&, int) {}

void ThreeDObjectVisitor::LeaveObjectLocatorSiblings(ThreeDObjectObjectLocator&) {}

bool ThreeDObjectVisitor::BeforeObjectLocatorChild(ThreeDObjectObjectLocator&)
{
    return true;
}

void ThreeDObjectVisitor::AfterObjectLocatorChild(ThreeDObjectObjectLocator&) {}

bool ThreeDObjectVisitor::EnterObjectLocatorObjects(ThreeDObjectObjectLocator&)
{
    return true;
}

bool ThreeDObjectVisitor::BeforeObjectLocatorObject(ThreeDObjectObjectLocator&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterObjectLocatorObject(ThreeDObjectObjectLocator&, int) {}

void ThreeDObjectVisitor::LeaveObjectLocatorObjects(ThreeDObjectObjectLocator&) {}

void ThreeDObjectVisitor::LeaveObjectLocator(ThreeDObjectObjectLocator& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterPlaneCullFront(ThreeDObjectPlaneCullFront& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeavePlaneCullFront(ThreeDObjectPlaneCullFront& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterPlaneOrder2(ThreeDObjectPlaneOrder2& node, bool& reverse)
{
    reverse = false;
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforePlaneOrder2FarChild(ThreeDObjectPlaneOrder2&)
{
    return true;
}

void ThreeDObjectVisitor::AfterPlaneOrder2FarChild(ThreeDObjectPlaneOrder2&) {}

bool ThreeDObjectVisitor::BeforePlaneOrder2NearChild(ThreeDObjectPlaneOrder2&)
{
    return true;
}

void ThreeDObjectVisitor::AfterPlaneOrder2NearChild(ThreeDObjectPlaneOrder2&) {}

void ThreeDObjectVisitor::LeavePlaneOrder2(ThreeDObjectPlaneOrder2& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterPlaneOrder2CullFrontBack(ThreeDObjectPlaneOrder2CullFrontBack& node, bool& reverse)
{
    reverse = false;
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforePlaneOrder2CullFrontBackBackChild(ThreeDObjectPlaneOrder2CullFrontBack&)
{
    return true;
}

void ThreeDObjectVisitor::AfterPlaneOrder2CullFrontBackBackChild(ThreeDObjectPlaneOrder2CullFrontBack&) {}

bool ThreeDObjectVisitor::BeforePlaneOrder2CullFrontBackFrontChild(ThreeDObjectPlaneOrder2CullFrontBack&)
{
    return true;
}

void ThreeDObjectVisitor::AfterPlaneOrder2CullFrontBackFrontChild(ThreeDObjectPlaneOrder2CullFrontBack&) {}

void ThreeDObjectVisitor::LeavePlaneOrder2CullFrontBack(ThreeDObjectPlaneOrder2CullFrontBack& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterPlaneOrder3(ThreeDObjectPlaneOrder3& node, bool& reverse)
{
    reverse = false;
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforePlaneOrder3FarChild(ThreeDObjectPlaneOrder3&)
{
    return true;
}

void ThreeDObjectVisitor::AfterPlaneOrder3FarChild(ThreeDObjectPlaneOrder3&) {}

bool ThreeDObjectVisitor::BeforePlaneOrder3MiddleChild(ThreeDObjectPlaneOrder3&)
{
    return true;
}

void ThreeDObjectVisitor::AfterPlaneOrder3MiddleChild(ThreeDObjectPlaneOrder3&) {}

bool ThreeDObjectVisitor::BeforePlaneOrder3NearChild(ThreeDObjectPlaneOrder3&)
{
    return true;
}

void ThreeDObjectVisitor::AfterPlaneOrder3NearChild(ThreeDObjectPlaneOrder3&) {}

void ThreeDObjectVisitor::LeavePlaneOrder3(ThreeDObjectPlaneOrder3& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterPlaneOrder3CullFront(ThreeDObjectPlaneOrder3CullFront& node, bool& reverse)
{
    reverse = false;
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforePlaneOrder3CullFrontFarChild(ThreeDObjectPlaneOrder3CullFront&)
{
    return true;
}

void ThreeDObjectVisitor::AfterPlaneOrder3CullFrontFarChild(ThreeDObjectPlaneOrder3CullFront&) {}

bool ThreeDObjectVisitor::BeforePlaneOrder3CullFrontFrontChild(ThreeDObjectPlaneOrder3CullFront&)
{
    return true;
}

void ThreeDObjectVisitor::AfterPlaneOrder3CullFrontFrontChild(ThreeDObjectPlaneOrder3CullFront&) {}

bool ThreeDObjectVisitor::BeforePlaneOrder3CullFrontNearChild(ThreeDObjectPlaneOrder3CullFront&)
{
    return true;
}

void ThreeDObjectVisitor::AfterPlaneOrder3CullFrontNearChild(ThreeDObjectPlaneOrder3CullFront&) {}

void ThreeDObjectVisitor::LeavePlaneOrder3CullFront(ThreeDObjectPlaneOrder3CullFront& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterPlaneOrder4CullFrontBack(ThreeDObjectPlaneOrder4CullFrontBack& node, bool& reverse)
{
    reverse = false;
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforePlaneOrder4CullFrontBackFarChild(ThreeDObjectPlaneOrder4CullFrontBack&)
{
    return true;
}

void ThreeDObjectVisitor::AfterPlaneOrder4CullFrontBackFarChild(ThreeDObjectPlaneOrder4CullFrontBack&) {}

bool ThreeDObjectVisitor::BeforePlaneOrder4CullFrontBackBackChild(ThreeDObjectPlaneOrder4CullFrontBack&)
{
    return true;
}

void ThreeDObjectVisitor::AfterPlaneOrder4CullFrontBackBackChild(ThreeDObjectPlaneOrder4CullFrontBack&) {}

bool ThreeDObjectVisitor::BeforePlaneOrder4CullFrontBackFrontChild(ThreeDObjectPlaneOrder4CullFrontBack&)
{
    return true;
}

void ThreeDObjectVisitor::AfterPlaneOrder4CullFrontBackFrontChild(ThreeDObjectPlaneOrder4CullFrontBack&) {}

bool ThreeDObjectVisitor::BeforePlaneOrder4CullFrontBackNearChild(ThreeDObjectPlaneOrder4CullFrontBack&)
{
    return true;
}

void ThreeDObjectVisitor::AfterPlaneOrder4CullFrontBackNearChild(ThreeDObjectPlaneOrder4CullFrontBack&) {}

void ThreeDObjectVisitor::LeavePlaneOrder4CullFrontBack(ThreeDObjectPlaneOrder4CullFrontBack& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitPointLight(ThreeDObjectPointLight& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitPolygon(ThreeDObjectPolygon& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterPortal(ThreeDObjectPortal& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeavePortal(ThreeDObjectPortal& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterProxy(ThreeDObjectProxy& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveProxy(ThreeDObjectProxy& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterRoot(ThreeDObjectRoot& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeRootChild(ThreeDObjectRoot&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterRootChild(ThreeDObjectRoot&, int) {}

void ThreeDObjectVisitor::LeaveRoot(ThreeDObjectRoot& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitScaledBitmap(ThreeDObjectScaledBitmap& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterSelfLighting(ThreeDObjectSelfLighting& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveSelfLighting(ThreeDObjectSelfLighting& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterShape(ThreeDObjectShape& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeShapeAppearance(ThreeDObjectShape&)
{
    return true;
}

void ThreeDObjectVisitor::AfterShapeAppearance(ThreeDObjectShape&) {}

bool ThreeDObjectVisitor::BeforeShapeGeometry(ThreeDObjectShape&)
{
    return true;
}

void ThreeDObjectVisitor::AfterShapeGeometry(ThreeDObjectShape&) {}

void ThreeDObjectVisitor::LeaveShape(ThreeDObjectShape& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterStateSplitter(ThreeDObjectStateSplitter& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeStateSplitterChild(ThreeDObjectStateSplitter&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterStateSplitterChild(ThreeDObjectStateSplitter&, int) {}

void ThreeDObjectVisitor::LeaveStateSplitter(ThreeDObjectStateSplitter& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterStateSwitch(ThreeDObjectStateSwitch& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeStateSwitchChild(ThreeDObjectStateSwitch&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterStateSwitchChild(ThreeDObjectStateSwitch&, int) {}

void ThreeDObjectVisitor::LeaveStateSwitch(ThreeDObjectStateSwitch& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitStateValueSetter(ThreeDObjectStateValueSetter& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterTexture(ThreeDObjectTexture& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveTexture(ThreeDObjectTexture& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitTexture2(ThreeDObjectTexture2& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitTextureCoords(ThreeDObjectTextureCoords& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterTextureSelector(ThreeDObjectTextureSelector& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveTextureSelector(ThreeDObjectTextureSelector& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterTrack(ThreeDObjectTrack& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeTrackDetail(ThreeDObjectTrack&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterTrackDetail(ThreeDObjectTrack&, int) {}

bool ThreeDObjectVisitor::BeforeTrackTracksideObject(ThreeDObjectTrack&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterTrackTracksideObject(ThreeDObjectTrack&, int) {}

bool ThreeDObjectVisitor::BeforeTrackSegment(ThreeDObjectTrack&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterTrackSegment(ThreeDObjectTrack&, int) {}

void ThreeDObjectVisitor::LeaveTrack(ThreeDObjectTrack& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterTrackDetail(ThreeDObjectTrackDetail& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveTrackDetail(ThreeDObjectTrackDetail& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterTrackDetailSplit(ThreeDObjectTrackDetailSplit& node, bool& reverse)
{
    reverse = false;
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterTrackDetailSplitLevels(ThreeDObjectTrackDetailSplit&)
{
    return true;
}

bool ThreeDObjectVisitor::BeforeTrackDetailSplitLevelChild(ThreeDObjectTrackDetailSplit&, int, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterTrackDetailSplitLevelChild(ThreeDObjectTrackDetailSplit&, int, int) {}

void ThreeDObjectVisitor::LeaveTrackDetailSplitLevels(ThreeDObjectTrackDetailSplit&) {}

bool ThreeDObjectVisitor::BeforeTrackDetailSplitLinks(ThreeDObjectTrackDetailSplit&)
{
    return true;
}

void ThreeDObjectVisitor::AfterTrackDetailSplitLinks(ThreeDObjectTrackDetailSplit&) {}

void ThreeDObjectVisitor::LeaveTrackDetailSplit(ThreeDObjectTrackDetailSplit& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitTrackDrawingDistances(ThreeDObjectTrackDrawingDistances& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitTrackIndex(ThreeDObjectTrackIndex& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterTrackLevelPlane(ThreeDObjectTrackLevelPlane& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveTrackLevelPlane(ThreeDObjectTrackLevelPlane& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitTrackLink(ThreeDObjectTrackLink& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterTrackRoot(ThreeDObjectTrackRoot& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeTrackRootChild(ThreeDObjectTrackRoot&)
{
    return true;
}

void ThreeDObjectVisitor::AfterTrackRootChild(ThreeDObjectTrackRoot&) {}

bool ThreeDObjectVisitor::BeforeTrackRootDrawingDistances(ThreeDObjectTrackRoot&)
{
    return true;
}

void ThreeDObjectVisitor::AfterTrackRootDrawingDistances(ThreeDObjectTrackRoot&) {}

void ThreeDObjectVisitor::LeaveTrackRoot(ThreeDObjectTrackRoot& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterTrackSections(ThreeDObjectTrackSections& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeTrackSectionsIndex(ThreeDObjectTrackSections&)
{
    return true;
}

void ThreeDObjectVisitor::AfterTrackSectionsIndex(ThreeDObjectTrackSections&) {}

bool ThreeDObjectVisitor::EnterTrackSectionsSections(ThreeDObjectTrackSections&)
{
    return true;
}

bool ThreeDObjectVisitor::BeforeTrackSectionsSection(ThreeDObjectTrackSections&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterTrackSectionsSection(ThreeDObjectTrackSections&, int) {}

void ThreeDObjectVisitor::LeaveTrackSectionsSections(ThreeDObjectTrackSections&) {}

bool ThreeDObjectVisitor::BeforeTrackSectionsTracksideObjects(ThreeDObjectTrackSections&)
{
    return true;
}

void ThreeDObjectVisitor::AfterTrackSectionsTracksideObjects(ThreeDObjectTrackSections&) {}

void ThreeDObjectVisitor::LeaveTrackSections(ThreeDObjectTrackSections& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterTrackSegment(ThreeDObjectTrackSegment& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeTrackSegmentXSection(ThreeDObjectTrackSegment&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterTrackSegmentXSection(ThreeDObjectTrackSegment&, int) {}

bool ThreeDObjectVisitor::BeforeTrackSegmentFSection(ThreeDObjectTrackSegment&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterTrackSegmentFSection(ThreeDObjectTrackSegment&, int) {}

bool ThreeDObjectVisitor::BeforeTrackSegmentWSection(ThreeDObjectTrackSegment&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterTrackSegmentWSection(ThreeDObjectTrackSegment&, int) {}

void ThreeDObjectVisitor::LeaveTrackSegment(ThreeDObjectTrackSegment& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterTrackSubSection1(ThreeDObjectTrackSubSection1& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeTrackSubSection1ObjectsChild(ThreeDObjectTrackSubSection1&)
{
    return true;
}

void ThreeDObjectVisitor::AfterTrackSubSection1ObjectsChild(ThreeDObjectTrackSubSection1&) {}

bool ThreeDObjectVisitor::EnterTrackSubSection1TrackChildren(ThreeDObjectTrackSubSection1&)
{
    return true;
}

bool ThreeDObjectVisitor::BeforeTrackSubSection1TrackChild(ThreeDObjectTrackSubSection1&, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterTrackSubSection1TrackChild(ThreeDObjectTrackSubSection1&, int) {}

void ThreeDObjectVisitor::LeaveTrackSubSection1TrackChildren(ThreeDObjectTrackSubSection1&) {}

bool ThreeDObjectVisitor::BeforeTrackSubSection1GrooveChild(ThreeDObjectTrackSubSection1&)
{
    return true;
}

void ThreeDObjectVisitor::AfterTrackSubSection1GrooveChild(ThreeDObjectTrackSubSection1&) {}

bool ThreeDObjectVisitor::BeforeTrackSubSection1MarkingsChild(ThreeDObjectTrackSubSection1&)
{
    return true;
}

void ThreeDObjectVisitor::AfterTrackSubSection1MarkingsChild(ThreeDObjectTrackSubSection1&) {}

void ThreeDObjectVisitor::LeaveTrackSubSection1(ThreeDObjectTrackSubSection1& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitTracksideObject(ThreeDObjectTracksideObject& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterTransform(ThreeDObjectTransform& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveTransform(ThreeDObjectTransform& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterTransformation(ThreeDObjectTransformation& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveTransformation(ThreeDObjectTransformation& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitTriangles(ThreeDObjectTriangles& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterTriangleFan(ThreeDObjectTriangleFan& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveTriangleFan(ThreeDObjectTriangleFan& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterTriangleStrip(ThreeDObjectTriangleStrip& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveTriangleStrip(ThreeDObjectTriangleStrip& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterTsoReference(ThreeDObjectTsoReference& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveTsoReference(ThreeDObjectTsoReference& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitU1(ThreeDObjectU1& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterU3(ThreeDObjectU3& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::LeaveU3(ThreeDObjectU3& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitVertexFixer(ThreeDObjectVertexFixer& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitVertices(ThreeDObjectVertices& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::EnterWSection(ThreeDObjectWSection& node)
{
    return Enter(static_cast<ThreeDObject&>(node));
}

bool ThreeDObjectVisitor::BeforeWSectionAppearance(ThreeDObjectWSection&, int, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterWSectionAppearance(ThreeDObjectWSection&, int, int) {}

bool ThreeDObjectVisitor::BeforeWSectionTextureCoords(ThreeDObjectWSection&, int, int)
{
    return true;
}

void ThreeDObjectVisitor::AfterWSectionTextureCoords(ThreeDObjectWSection&, int, int) {}

void ThreeDObjectVisitor::LeaveWSection(ThreeDObjectWSection& node)
{
    Leave(static_cast<ThreeDObject&>(node));
}

void ThreeDObjectVisitor::VisitXSection(ThreeDObjectXSection& node)
{
    Visit(static_cast<ThreeDObject&>(node));
}
} // namespace Velmo::Papy
