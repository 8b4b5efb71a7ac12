#pragma once
// A visitor that overrides every operation of the interface (the compiler proves that none is
// missing) and records each call as a line "Operation id [index ...]". Enter and before
// operations answer from Refuse (a recorded line to answer false for), reverse from Reverse.
#include <set>
#include <string>
#include <vector>

#include "Papy/Model/Support/StubNodes.h"
#include "Papy/Model/ThreeDObjectVisitor.h"

namespace VelmoTest
{
class RecordingVisitor : public ThreeDObjectVisitor
{
public:
    std::vector<std::string> Calls;
    std::set<std::string> Refuse;
    std::set<int> Reverse;

    bool Enter(ThreeDObject& node) override { return Record("Enter", node); }
    void Leave(ThreeDObject& node) override { Record("Leave", node); }
    void Visit(ThreeDObject& node) override { Record("Visit", node); }
    bool EnterAnimatedTransform(ThreeDObjectAnimatedTransform& node) override
    {
        return Record("EnterAnimatedTransform", node);
    }
    void LeaveAnimatedTransform(ThreeDObjectAnimatedTransform& node) override
    {
        Record("LeaveAnimatedTransform", node);
    }
    bool EnterAnimationSplitter(ThreeDObjectAnimationSplitter& node) override
    {
        return Record("EnterAnimationSplitter", node);
    }
    bool BeforeAnimationSplitterChild(ThreeDObjectAnimationSplitter& node, int i) override
    {
        return Record("BeforeAnimationSplitterChild", node, i);
    }
    void AfterAnimationSplitterChild(ThreeDObjectAnimationSplitter& node, int i) override
    {
        Record("AfterAnimationSplitterChild", node, i);
    }
    void LeaveAnimationSplitter(ThreeDObjectAnimationSplitter& node) override
    {
        Record("LeaveAnimationSplitter", node);
    }
    bool EnterAppearance(ThreeDObjectAppearance& node) override { return Record("EnterAppearance", node); }
    bool BeforeAppearanceTexture(ThreeDObjectAppearance& node) override
    {
        return Record("BeforeAppearanceTexture", node);
    }
    void AfterAppearanceTexture(ThreeDObjectAppearance& node) override { Record("AfterAppearanceTexture", node); }
    bool BeforeAppearanceLightMapTexture(ThreeDObjectAppearance& node) override
    {
        return Record("BeforeAppearanceLightMapTexture", node);
    }
    void AfterAppearanceLightMapTexture(ThreeDObjectAppearance& node) override
    {
        Record("AfterAppearanceLightMapTexture", node);
    }
    bool BeforeAppearanceSpecularTexture(ThreeDObjectAppearance& node) override
    {
        return Record("BeforeAppearanceSpecularTexture", node);
    }
    void AfterAppearanceSpecularTexture(ThreeDObjectAppearance& node) override
    {
        Record("AfterAppearanceSpecularTexture", node);
    }
    bool EnterAppearanceOtherTextures(ThreeDObjectAppearance& node) override
    {
        return Record("EnterAppearanceOtherTextures", node);
    }
    void LeaveAppearanceOtherTextures(ThreeDObjectAppearance& node) override
    {
        Record("LeaveAppearanceOtherTextures", node);
    }
    void LeaveAppearance(ThreeDObjectAppearance& node) override { Record("LeaveAppearance", node); }
    bool EnterAppNode(ThreeDObjectAppNode& node) override { return Record("EnterAppNode", node); }
    void LeaveAppNode(ThreeDObjectAppNode& node) override { Record("LeaveAppNode", node); }
    bool EnterBillboard(ThreeDObjectBillboard& node) override { return Record("EnterBillboard", node); }
    void LeaveBillboard(ThreeDObjectBillboard& node) override { Record("LeaveBillboard", node); }
    bool EnterBoundingBox(ThreeDObjectBoundingBox& node) override { return Record("EnterBoundingBox", node); }
    void LeaveBoundingBox(ThreeDObjectBoundingBox& node) override { Record("LeaveBoundingBox", node); }
    bool EnterCarRoot(ThreeDObjectCarRoot& node) override { return Record("EnterCarRoot", node); }
    bool BeforeCarRootShadow(ThreeDObjectCarRoot& node) override { return Record("BeforeCarRootShadow", node); }
    void AfterCarRootShadow(ThreeDObjectCarRoot& node) override { Record("AfterCarRootShadow", node); }
    bool BeforeCarRootCockpit(ThreeDObjectCarRoot& node) override { return Record("BeforeCarRootCockpit", node); }
    void AfterCarRootCockpit(ThreeDObjectCarRoot& node) override { Record("AfterCarRootCockpit", node); }
    bool BeforeCarRootCar(ThreeDObjectCarRoot& node) override { return Record("BeforeCarRootCar", node); }
    void AfterCarRootCar(ThreeDObjectCarRoot& node) override { Record("AfterCarRootCar", node); }
    void LeaveCarRoot(ThreeDObjectCarRoot& node) override { Record("LeaveCarRoot", node); }
    bool EnterClassMaterial(ThreeDObjectClassMaterial& node) override { return Record("EnterClassMaterial", node); }
    void LeaveClassMaterial(ThreeDObjectClassMaterial& node) override { Record("LeaveClassMaterial", node); }
    bool EnterClassTexture(ThreeDObjectClassTexture& node) override { return Record("EnterClassTexture", node); }
    void LeaveClassTexture(ThreeDObjectClassTexture& node) override { Record("LeaveClassTexture", node); }
    bool EnterClassTextureMaterial(ThreeDObjectClassTextureMaterial& node) override
    {
        return Record("EnterClassTextureMaterial", node);
    }
    void LeaveClassTextureMaterial(ThreeDObjectClassTextureMaterial& node) override
    {
        Record("LeaveClassTextureMaterial", node);
    }
    bool EnterClassTextureSelector(ThreeDObjectClassTextureSelector& node) override
    {
        return Record("EnterClassTextureSelector", node);
    }
    void LeaveClassTextureSelector(ThreeDObjectClassTextureSelector& node) override
    {
        Record("LeaveClassTextureSelector", node);
    }
    bool EnterClassTextureSelectorMaterial(ThreeDObjectClassTextureSelectorMaterial& node) override
    {
        return Record("EnterClassTextureSelectorMaterial", node);
    }
    void LeaveClassTextureSelectorMaterial(ThreeDObjectClassTextureSelectorMaterial& node) override
    {
        Record("LeaveClassTextureSelectorMaterial", node);
    }
    bool EnterColourMap(ThreeDObjectColourMap& node) override { return Record("EnterColourMap", node); }
    void LeaveColourMap(ThreeDObjectColourMap& node) override { Record("LeaveColourMap", node); }
    bool EnterDisplayClass(ThreeDObjectDisplayClass& node) override { return Record("EnterDisplayClass", node); }
    void LeaveDisplayClass(ThreeDObjectDisplayClass& node) override { Record("LeaveDisplayClass", node); }
    bool EnterDistanceSplitter(ThreeDObjectDistanceSplitter& node) override
    {
        return Record("EnterDistanceSplitter", node);
    }
    bool BeforeDistanceSplitterChild(ThreeDObjectDistanceSplitter& node, int i) override
    {
        return Record("BeforeDistanceSplitterChild", node, i);
    }
    void AfterDistanceSplitterChild(ThreeDObjectDistanceSplitter& node, int i) override
    {
        Record("AfterDistanceSplitterChild", node, i);
    }
    void LeaveDistanceSplitter(ThreeDObjectDistanceSplitter& node) override { Record("LeaveDistanceSplitter", node); }
    void VisitEmpty(ThreeDObjectEmpty& node) override { Record("VisitEmpty", node); }
    void VisitExtObject(ThreeDObjectExtObject& node) override { Record("VisitExtObject", node); }
    bool EnterExtObjectList(ThreeDObjectExtObjectList& node) override { return Record("EnterExtObjectList", node); }
    bool BeforeExtObjectListChild(ThreeDObjectExtObjectList& node) override
    {
        return Record("BeforeExtObjectListChild", node);
    }
    void AfterExtObjectListChild(ThreeDObjectExtObjectList& node) override { Record("AfterExtObjectListChild", node); }
    bool EnterExtObjectListObjects(ThreeDObjectExtObjectList& node) override
    {
        return Record("EnterExtObjectListObjects", node);
    }
    bool BeforeExtObjectListObject(ThreeDObjectExtObjectList& node, int i) override
    {
        return Record("BeforeExtObjectListObject", node, i);
    }
    void AfterExtObjectListObject(ThreeDObjectExtObjectList& node, int i) override
    {
        Record("AfterExtObjectListObject", node, i);
    }
    void LeaveExtObjectListObjects(ThreeDObjectExtObjectList& node) override
    {
        Record("LeaveExtObjectListObjects", node);
    }
    void LeaveExtObjectList(ThreeDObjectExtObjectList& node) override { Record("LeaveExtObjectList", node); }
    bool EnterFSection(ThreeDObjectFSection& node) override { return Record("EnterFSection", node); }
    bool BeforeFSectionAppearance(ThreeDObjectFSection& node) override
    {
        return Record("BeforeFSectionAppearance", node);
    }
    void AfterFSectionAppearance(ThreeDObjectFSection& node) override { Record("AfterFSectionAppearance", node); }
    bool BeforeFSectionTextureCoords(ThreeDObjectFSection& node) override
    {
        return Record("BeforeFSectionTextureCoords", node);
    }
    void AfterFSectionTextureCoords(ThreeDObjectFSection& node) override { Record("AfterFSectionTextureCoords", node); }
    void LeaveFSection(ThreeDObjectFSection& node) override { Record("LeaveFSection", node); }
    bool EnterGeometry(ThreeDObjectGeometry& node) override { return Record("EnterGeometry", node); }
    bool BeforeGeometryVertices(ThreeDObjectGeometry& node) override { return Record("BeforeGeometryVertices", node); }
    void AfterGeometryVertices(ThreeDObjectGeometry& node) override { Record("AfterGeometryVertices", node); }
    bool BeforeGeometryPolygons(ThreeDObjectGeometry& node) override { return Record("BeforeGeometryPolygons", node); }
    void AfterGeometryPolygons(ThreeDObjectGeometry& node) override { Record("AfterGeometryPolygons", node); }
    void LeaveGeometry(ThreeDObjectGeometry& node) override { Record("LeaveGeometry", node); }
    bool EnterGroup(ThreeDObjectGroup& node) override { return Record("EnterGroup", node); }
    bool BeforeGroupChild(ThreeDObjectGroup& node, int i) override { return Record("BeforeGroupChild", node, i); }
    void AfterGroupChild(ThreeDObjectGroup& node, int i) override { Record("AfterGroupChild", node, i); }
    void LeaveGroup(ThreeDObjectGroup& node) override { Record("LeaveGroup", node); }
    bool EnterHandle(ThreeDObjectHandle& node) override { return Record("EnterHandle", node); }
    void LeaveHandle(ThreeDObjectHandle& node) override { Record("LeaveHandle", node); }
    bool EnterLatitudeSplitter(ThreeDObjectLatitudeSplitter& node) override
    {
        return Record("EnterLatitudeSplitter", node);
    }
    bool BeforeLatitudeSplitterChild(ThreeDObjectLatitudeSplitter& node, int i) override
    {
        return Record("BeforeLatitudeSplitterChild", node, i);
    }
    void AfterLatitudeSplitterChild(ThreeDObjectLatitudeSplitter& node, int i) override
    {
        Record("AfterLatitudeSplitterChild", node, i);
    }
    void LeaveLatitudeSplitter(ThreeDObjectLatitudeSplitter& node) override { Record("LeaveLatitudeSplitter", node); }
    void VisitLine(ThreeDObjectLine& node) override { Record("VisitLine", node); }
    bool EnterLodSwitch(ThreeDObjectLodSwitch& node) override { return Record("EnterLodSwitch", node); }
    bool BeforeLodSwitchChild(ThreeDObjectLodSwitch& node, int i) override
    {
        return Record("BeforeLodSwitchChild", node, i);
    }
    void AfterLodSwitchChild(ThreeDObjectLodSwitch& node, int i) override { Record("AfterLodSwitchChild", node, i); }
    void LeaveLodSwitch(ThreeDObjectLodSwitch& node) override { Record("LeaveLodSwitch", node); }
    bool EnterLongitudeSplitter(ThreeDObjectLongitudeSplitter& node) override
    {
        return Record("EnterLongitudeSplitter", node);
    }
    bool BeforeLongitudeSplitterChild(ThreeDObjectLongitudeSplitter& node, int i) override
    {
        return Record("BeforeLongitudeSplitterChild", node, i);
    }
    void AfterLongitudeSplitterChild(ThreeDObjectLongitudeSplitter& node, int i) override
    {
        Record("AfterLongitudeSplitterChild", node, i);
    }
    void LeaveLongitudeSplitter(ThreeDObjectLongitudeSplitter& node) override
    {
        Record("LeaveLongitudeSplitter", node);
    }
    bool EnterMaterial(ThreeDObjectMaterial& node) override { return Record("EnterMaterial", node); }
    void LeaveMaterial(ThreeDObjectMaterial& node) override { Record("LeaveMaterial", node); }
    void VisitMorphVertices(ThreeDObjectMorphVertices& node) override { Record("VisitMorphVertices", node); }
    bool EnterMultipleTextures(ThreeDObjectMultipleTextures& node) override
    {
        return Record("EnterMultipleTextures", node);
    }
    void LeaveMultipleTextures(ThreeDObjectMultipleTextures& node) override { Record("LeaveMultipleTextures", node); }
    void VisitNull(ThreeDObjectNull& node) override { Record("VisitNull", node); }
    void VisitNumberList(ThreeDObjectNumberList& node) override { Record("VisitNumberList", node); }
    bool EnterObjectList(ThreeDObjectObjectList& node) override { return Record("EnterObjectList", node); }
    bool BeforeObjectListChild(ThreeDObjectObjectList& node, int i) override
    {
        return Record("BeforeObjectListChild", node, i);
    }
    void AfterObjectListChild(ThreeDObjectObjectList& node, int i) override { Record("AfterObjectListChild", node, i); }
    void LeaveObjectList(ThreeDObjectObjectList& node) override { Record("LeaveObjectList", node); }
    bool EnterObjectLocatorList(ThreeDObjectObjectLocatorList& node) override
    {
        return Record("EnterObjectLocatorList", node);
    }
    bool BeforeObjectLocatorListChild(ThreeDObjectObjectLocatorList& node, int i) override
    {
        return Record("BeforeObjectLocatorListChild", node, i);
    }
    void AfterObjectLocatorListChild(ThreeDObjectObjectLocatorList& node, int i) override
    {
        Record("AfterObjectLocatorListChild", node, i);
    }
    void LeaveObjectLocatorList(ThreeDObjectObjectLocatorList& node) override
    {
        Record("LeaveObjectLocatorList", node);
    }
    bool EnterObjectLocator(ThreeDObjectObjectLocator& node) override { return Record("EnterObjectLocator", node); }
    bool EnterObjectLocatorSiblings(ThreeDObjectObjectLocator& node) override
    {
        return Record("EnterObjectLocatorSiblings", node);
    }
    bool BeforeObjectLocatorSibling(ThreeDObjectObjectLocator& node, int i) override
    {
        return Record("BeforeObjectLocatorSibling", node, i);
    }
    void AfterObjectLocatorSibling(ThreeDObjectObjectLocator& node, int i) override
    {
        Record("AfterObjectLocatorSibling", node, i);
    }
    void LeaveObjectLocatorSiblings(ThreeDObjectObjectLocator& node) override
    {
        Record("LeaveObjectLocatorSiblings", node);
    }
    bool BeforeObjectLocatorChild(ThreeDObjectObjectLocator& node) override
    {
        return Record("BeforeObjectLocatorChild", node);
    }
    void AfterObjectLocatorChild(ThreeDObjectObjectLocator& node) override { Record("AfterObjectLocatorChild", node); }
    bool EnterObjectLocatorObjects(ThreeDObjectObjectLocator& node) override
    {
        return Record("EnterObjectLocatorObjects", node);
    }
    bool BeforeObjectLocatorObject(ThreeDObjectObjectLocator& node, int i) override
    {
        return Record("BeforeObjectLocatorObject", node, i);
    }
    void AfterObjectLocatorObject(ThreeDObjectObjectLocator& node, int i) override
    {
        Record("AfterObjectLocatorObject", node, i);
    }
    void LeaveObjectLocatorObjects(ThreeDObjectObjectLocator& node) override
    {
        Record("LeaveObjectLocatorObjects", node);
    }
    void LeaveObjectLocator(ThreeDObjectObjectLocator& node) override { Record("LeaveObjectLocator", node); }
    bool EnterPlaneCullFront(ThreeDObjectPlaneCullFront& node) override { return Record("EnterPlaneCullFront", node); }
    void LeavePlaneCullFront(ThreeDObjectPlaneCullFront& node) override { Record("LeavePlaneCullFront", node); }
    bool EnterPlaneOrder2(ThreeDObjectPlaneOrder2& node, bool& reverse) override
    {
        reverse = Reverse.count(node.GetId()) != 0;
        return Record("EnterPlaneOrder2", node);
    }
    bool BeforePlaneOrder2FarChild(ThreeDObjectPlaneOrder2& node) override
    {
        return Record("BeforePlaneOrder2FarChild", node);
    }
    void AfterPlaneOrder2FarChild(ThreeDObjectPlaneOrder2& node) override { Record("AfterPlaneOrder2FarChild", node); }
    bool BeforePlaneOrder2NearChild(ThreeDObjectPlaneOrder2& node) override
    {
        return Record("BeforePlaneOrder2NearChild", node);
    }
    void AfterPlaneOrder2NearChild(ThreeDObjectPlaneOrder2& node) override
    {
        Record("AfterPlaneOrder2NearChild", node);
    }
    void LeavePlaneOrder2(ThreeDObjectPlaneOrder2& node) override { Record("LeavePlaneOrder2", node); }
    bool EnterPlaneOrder2CullFrontBack(ThreeDObjectPlaneOrder2CullFrontBack& node, bool& reverse) override
    {
        reverse = Reverse.count(node.GetId()) != 0;
        return Record("EnterPlaneOrder2CullFrontBack", node);
    }
    bool BeforePlaneOrder2CullFrontBackBackChild(ThreeDObjectPlaneOrder2CullFrontBack& node) override
    {
        return Record("BeforePlaneOrder2CullFrontBackBackChild", node);
    }
    void AfterPlaneOrder2CullFrontBackBackChild(ThreeDObjectPlaneOrder2CullFrontBack& node) override
    {
        Record("AfterPlaneOrder2CullFrontBackBackChild", node);
    }
    bool BeforePlaneOrder2CullFrontBackFrontChild(ThreeDObjectPlaneOrder2CullFrontBack& node) override
    {
        return Record("BeforePlaneOrder2CullFrontBackFrontChild", node);
    }
    void AfterPlaneOrder2CullFrontBackFrontChild(ThreeDObjectPlaneOrder2CullFrontBack& node) override
    {
        Record("AfterPlaneOrder2CullFrontBackFrontChild", node);
    }
    void LeavePlaneOrder2CullFrontBack(ThreeDObjectPlaneOrder2CullFrontBack& node) override
    {
        Record("LeavePlaneOrder2CullFrontBack", node);
    }
    bool EnterPlaneOrder3(ThreeDObjectPlaneOrder3& node, bool& reverse) override
    {
        reverse = Reverse.count(node.GetId()) != 0;
        return Record("EnterPlaneOrder3", node);
    }
    bool BeforePlaneOrder3FarChild(ThreeDObjectPlaneOrder3& node) override
    {
        return Record("BeforePlaneOrder3FarChild", node);
    }
    void AfterPlaneOrder3FarChild(ThreeDObjectPlaneOrder3& node) override { Record("AfterPlaneOrder3FarChild", node); }
    bool BeforePlaneOrder3MiddleChild(ThreeDObjectPlaneOrder3& node) override
    {
        return Record("BeforePlaneOrder3MiddleChild", node);
    }
    void AfterPlaneOrder3MiddleChild(ThreeDObjectPlaneOrder3& node) override
    {
        Record("AfterPlaneOrder3MiddleChild", node);
    }
    bool BeforePlaneOrder3NearChild(ThreeDObjectPlaneOrder3& node) override
    {
        return Record("BeforePlaneOrder3NearChild", node);
    }
    void AfterPlaneOrder3NearChild(ThreeDObjectPlaneOrder3& node) override
    {
        Record("AfterPlaneOrder3NearChild", node);
    }
    void LeavePlaneOrder3(ThreeDObjectPlaneOrder3& node) override { Record("LeavePlaneOrder3", node); }
    bool EnterPlaneOrder3CullFront(ThreeDObjectPlaneOrder3CullFront& node, bool& reverse) override
    {
        reverse = Reverse.count(node.GetId()) != 0;
        return Record("EnterPlaneOrder3CullFront", node);
    }
    bool BeforePlaneOrder3CullFrontFarChild(ThreeDObjectPlaneOrder3CullFront& node) override
    {
        return Record("BeforePlaneOrder3CullFrontFarChild", node);
    }
    void AfterPlaneOrder3CullFrontFarChild(ThreeDObjectPlaneOrder3CullFront& node) override
    {
        Record("AfterPlaneOrder3CullFrontFarChild", node);
    }
    bool BeforePlaneOrder3CullFrontFrontChild(ThreeDObjectPlaneOrder3CullFront& node) override
    {
        return Record("BeforePlaneOrder3CullFrontFrontChild", node);
    }
    void AfterPlaneOrder3CullFrontFrontChild(ThreeDObjectPlaneOrder3CullFront& node) override
    {
        Record("AfterPlaneOrder3CullFrontFrontChild", node);
    }
    bool BeforePlaneOrder3CullFrontNearChild(ThreeDObjectPlaneOrder3CullFront& node) override
    {
        return Record("BeforePlaneOrder3CullFrontNearChild", node);
    }
    void AfterPlaneOrder3CullFrontNearChild(ThreeDObjectPlaneOrder3CullFront& node) override
    {
        Record("AfterPlaneOrder3CullFrontNearChild", node);
    }
    void LeavePlaneOrder3CullFront(ThreeDObjectPlaneOrder3CullFront& node) override
    {
        Record("LeavePlaneOrder3CullFront", node);
    }
    bool EnterPlaneOrder4CullFrontBack(ThreeDObjectPlaneOrder4CullFrontBack& node, bool& reverse) override
    {
        reverse = Reverse.count(node.GetId()) != 0;
        return Record("EnterPlaneOrder4CullFrontBack", node);
    }
    bool BeforePlaneOrder4CullFrontBackFarChild(ThreeDObjectPlaneOrder4CullFrontBack& node) override
    {
        return Record("BeforePlaneOrder4CullFrontBackFarChild", node);
    }
    void AfterPlaneOrder4CullFrontBackFarChild(ThreeDObjectPlaneOrder4CullFrontBack& node) override
    {
        Record("AfterPlaneOrder4CullFrontBackFarChild", node);
    }
    bool BeforePlaneOrder4CullFrontBackBackChild(ThreeDObjectPlaneOrder4CullFrontBack& node) override
    {
        return Record("BeforePlaneOrder4CullFrontBackBackChild", node);
    }
    void AfterPlaneOrder4CullFrontBackBackChild(ThreeDObjectPlaneOrder4CullFrontBack& node) override
    {
        Record("AfterPlaneOrder4CullFrontBackBackChild", node);
    }
    bool BeforePlaneOrder4CullFrontBackFrontChild(ThreeDObjectPlaneOrder4CullFrontBack& node) override
    {
        return Record("BeforePlaneOrder4CullFrontBackFrontChild", node);
    }
    void AfterPlaneOrder4CullFrontBackFrontChild(ThreeDObjectPlaneOrder4CullFrontBack& node) override
    {
        Record("AfterPlaneOrder4CullFrontBackFrontChild", node);
    }
    bool BeforePlaneOrder4CullFrontBackNearChild(ThreeDObjectPlaneOrder4CullFrontBack& node) override
    {
        return Record("BeforePlaneOrder4CullFrontBackNearChild", node);
    }
    void AfterPlaneOrder4CullFrontBackNearChild(ThreeDObjectPlaneOrder4CullFrontBack& node) override
    {
        Record("AfterPlaneOrder4CullFrontBackNearChild", node);
    }
    void LeavePlaneOrder4CullFrontBack(ThreeDObjectPlaneOrder4CullFrontBack& node) override
    {
        Record("LeavePlaneOrder4CullFrontBack", node);
    }
    void VisitPointLight(ThreeDObjectPointLight& node) override { Record("VisitPointLight", node); }
    void VisitPolygon(ThreeDObjectPolygon& node) override { Record("VisitPolygon", node); }
    bool EnterPortal(ThreeDObjectPortal& node) override { return Record("EnterPortal", node); }
    void LeavePortal(ThreeDObjectPortal& node) override { Record("LeavePortal", node); }
    bool EnterProxy(ThreeDObjectProxy& node) override { return Record("EnterProxy", node); }
    void LeaveProxy(ThreeDObjectProxy& node) override { Record("LeaveProxy", node); }
    bool EnterRoot(ThreeDObjectRoot& node) override { return Record("EnterRoot", node); }
    bool BeforeRootChild(ThreeDObjectRoot& node, int i) override { return Record("BeforeRootChild", node, i); }
    void AfterRootChild(ThreeDObjectRoot& node, int i) override { Record("AfterRootChild", node, i); }
    void LeaveRoot(ThreeDObjectRoot& node) override { Record("LeaveRoot", node); }
    void VisitScaledBitmap(ThreeDObjectScaledBitmap& node) override { Record("VisitScaledBitmap", node); }
    bool EnterSelfLighting(ThreeDObjectSelfLighting& node) override { return Record("EnterSelfLighting", node); }
    void LeaveSelfLighting(ThreeDObjectSelfLighting& node) override { Record("LeaveSelfLighting", node); }
    bool EnterShape(ThreeDObjectShape& node) override { return Record("EnterShape", node); }
    bool BeforeShapeAppearance(ThreeDObjectShape& node) override { return Record("BeforeShapeAppearance", node); }
    void AfterShapeAppearance(ThreeDObjectShape& node) override { Record("AfterShapeAppearance", node); }
    bool BeforeShapeGeometry(ThreeDObjectShape& node) override { return Record("BeforeShapeGeometry", node); }
    void AfterShapeGeometry(ThreeDObjectShape& node) override { Record("AfterShapeGeometry", node); }
    void LeaveShape(ThreeDObjectShape& node) override { Record("LeaveShape", node); }
    bool EnterStateSplitter(ThreeDObjectStateSplitter& node) override { return Record("EnterStateSplitter", node); }
    bool BeforeStateSplitterChild(ThreeDObjectStateSplitter& node, int i) override
    {
        return Record("BeforeStateSplitterChild", node, i);
    }
    void AfterStateSplitterChild(ThreeDObjectStateSplitter& node, int i) override
    {
        Record("AfterStateSplitterChild", node, i);
    }
    void LeaveStateSplitter(ThreeDObjectStateSplitter& node) override { Record("LeaveStateSplitter", node); }
    bool EnterStateSwitch(ThreeDObjectStateSwitch& node) override { return Record("EnterStateSwitch", node); }
    bool BeforeStateSwitchChild(ThreeDObjectStateSwitch& node, int i) override
    {
        return Record("BeforeStateSwitchChild", node, i);
    }
    void AfterStateSwitchChild(ThreeDObjectStateSwitch& node, int i) override
    {
        Record("AfterStateSwitchChild", node, i);
    }
    void LeaveStateSwitch(ThreeDObjectStateSwitch& node) override { Record("LeaveStateSwitch", node); }
    void VisitStateValueSetter(ThreeDObjectStateValueSetter& node) override { Record("VisitStateValueSetter", node); }
    bool EnterTexture(ThreeDObjectTexture& node) override { return Record("EnterTexture", node); }
    void LeaveTexture(ThreeDObjectTexture& node) override { Record("LeaveTexture", node); }
    void VisitTexture2(ThreeDObjectTexture2& node) override { Record("VisitTexture2", node); }
    void VisitTextureCoords(ThreeDObjectTextureCoords& node) override { Record("VisitTextureCoords", node); }
    bool EnterTextureSelector(ThreeDObjectTextureSelector& node) override
    {
        return Record("EnterTextureSelector", node);
    }
    void LeaveTextureSelector(ThreeDObjectTextureSelector& node) override { Record("LeaveTextureSelector", node); }
    bool EnterTrack(ThreeDObjectTrack& node) override { return Record("EnterTrack", node); }
    bool BeforeTrackDetail(ThreeDObjectTrack& node, int i) override { return Record("BeforeTrackDetail", node, i); }
    void AfterTrackDetail(ThreeDObjectTrack& node, int i) override { Record("AfterTrackDetail", node, i); }
    bool BeforeTrackTracksideObject(ThreeDObjectTrack& node, int i) override
    {
        return Record("BeforeTrackTracksideObject", node, i);
    }
    void AfterTrackTracksideObject(ThreeDObjectTrack& node, int i) override
    {
        Record("AfterTrackTracksideObject", node, i);
    }
    bool BeforeTrackSegment(ThreeDObjectTrack& node, int i) override { return Record("BeforeTrackSegment", node, i); }
    void AfterTrackSegment(ThreeDObjectTrack& node, int i) override { Record("AfterTrackSegment", node, i); }
    void LeaveTrack(ThreeDObjectTrack& node) override { Record("LeaveTrack", node); }
    bool EnterTrackDetail(ThreeDObjectTrackDetail& node) override { return Record("EnterTrackDetail", node); }
    void LeaveTrackDetail(ThreeDObjectTrackDetail& node) override { Record("LeaveTrackDetail", node); }
    bool EnterTrackDetailSplit(ThreeDObjectTrackDetailSplit& node, bool& reverse) override
    {
        reverse = Reverse.count(node.GetId()) != 0;
        return Record("EnterTrackDetailSplit", node);
    }
    bool EnterTrackDetailSplitLevels(ThreeDObjectTrackDetailSplit& node) override
    {
        return Record("EnterTrackDetailSplitLevels", node);
    }
    bool BeforeTrackDetailSplitLevelChild(ThreeDObjectTrackDetailSplit& node, int level, int i) override
    {
        return Record("BeforeTrackDetailSplitLevelChild", node, level, i);
    }
    void AfterTrackDetailSplitLevelChild(ThreeDObjectTrackDetailSplit& node, int level, int i) override
    {
        Record("AfterTrackDetailSplitLevelChild", node, level, i);
    }
    void LeaveTrackDetailSplitLevels(ThreeDObjectTrackDetailSplit& node) override
    {
        Record("LeaveTrackDetailSplitLevels", node);
    }
    bool BeforeTrackDetailSplitLinks(ThreeDObjectTrackDetailSplit& node) override
    {
        return Record("BeforeTrackDetailSplitLinks", node);
    }
    void AfterTrackDetailSplitLinks(ThreeDObjectTrackDetailSplit& node) override
    {
        Record("AfterTrackDetailSplitLinks", node);
    }
    void LeaveTrackDetailSplit(ThreeDObjectTrackDetailSplit& node) override { Record("LeaveTrackDetailSplit", node); }
    void VisitTrackDrawingDistances(ThreeDObjectTrackDrawingDistances& node) override
    {
        Record("VisitTrackDrawingDistances", node);
    }
    void VisitTrackIndex(ThreeDObjectTrackIndex& node) override { Record("VisitTrackIndex", node); }
    bool EnterTrackLevelPlane(ThreeDObjectTrackLevelPlane& node) override
    {
        return Record("EnterTrackLevelPlane", node);
    }
    void LeaveTrackLevelPlane(ThreeDObjectTrackLevelPlane& node) override { Record("LeaveTrackLevelPlane", node); }
    void VisitTrackLink(ThreeDObjectTrackLink& node) override { Record("VisitTrackLink", node); }
    bool EnterTrackRoot(ThreeDObjectTrackRoot& node) override { return Record("EnterTrackRoot", node); }
    bool BeforeTrackRootChild(ThreeDObjectTrackRoot& node) override { return Record("BeforeTrackRootChild", node); }
    void AfterTrackRootChild(ThreeDObjectTrackRoot& node) override { Record("AfterTrackRootChild", node); }
    bool BeforeTrackRootDrawingDistances(ThreeDObjectTrackRoot& node) override
    {
        return Record("BeforeTrackRootDrawingDistances", node);
    }
    void AfterTrackRootDrawingDistances(ThreeDObjectTrackRoot& node) override
    {
        Record("AfterTrackRootDrawingDistances", node);
    }
    void LeaveTrackRoot(ThreeDObjectTrackRoot& node) override { Record("LeaveTrackRoot", node); }
    bool EnterTrackSections(ThreeDObjectTrackSections& node) override { return Record("EnterTrackSections", node); }
    bool BeforeTrackSectionsIndex(ThreeDObjectTrackSections& node) override
    {
        return Record("BeforeTrackSectionsIndex", node);
    }
    void AfterTrackSectionsIndex(ThreeDObjectTrackSections& node) override { Record("AfterTrackSectionsIndex", node); }
    bool EnterTrackSectionsSections(ThreeDObjectTrackSections& node) override
    {
        return Record("EnterTrackSectionsSections", node);
    }
    bool BeforeTrackSectionsSection(ThreeDObjectTrackSections& node, int i) override
    {
        return Record("BeforeTrackSectionsSection", node, i);
    }
    void AfterTrackSectionsSection(ThreeDObjectTrackSections& node, int i) override
    {
        Record("AfterTrackSectionsSection", node, i);
    }
    void LeaveTrackSectionsSections(ThreeDObjectTrackSections& node) override
    {
        Record("LeaveTrackSectionsSections", node);
    }
    bool BeforeTrackSectionsTracksideObjects(ThreeDObjectTrackSections& node) override
    {
        return Record("BeforeTrackSectionsTracksideObjects", node);
    }
    void AfterTrackSectionsTracksideObjects(ThreeDObjectTrackSections& node) override
    {
        Record("AfterTrackSectionsTracksideObjects", node);
    }
    void LeaveTrackSections(ThreeDObjectTrackSections& node) override { Record("LeaveTrackSections", node); }
    bool EnterTrackSegment(ThreeDObjectTrackSegment& node) override { return Record("EnterTrackSegment", node); }
    bool BeforeTrackSegmentXSection(ThreeDObjectTrackSegment& node, int i) override
    {
        return Record("BeforeTrackSegmentXSection", node, i);
    }
    void AfterTrackSegmentXSection(ThreeDObjectTrackSegment& node, int i) override
    {
        Record("AfterTrackSegmentXSection", node, i);
    }
    bool BeforeTrackSegmentFSection(ThreeDObjectTrackSegment& node, int i) override
    {
        return Record("BeforeTrackSegmentFSection", node, i);
    }
    void AfterTrackSegmentFSection(ThreeDObjectTrackSegment& node, int i) override
    {
        Record("AfterTrackSegmentFSection", node, i);
    }
    bool BeforeTrackSegmentWSection(ThreeDObjectTrackSegment& node, int i) override
    {
        return Record("BeforeTrackSegmentWSection", node, i);
    }
    void AfterTrackSegmentWSection(ThreeDObjectTrackSegment& node, int i) override
    {
        Record("AfterTrackSegmentWSection", node, i);
    }
    void LeaveTrackSegment(ThreeDObjectTrackSegment& node) override { Record("LeaveTrackSegment", node); }
    bool EnterTrackSubSection1(ThreeDObjectTrackSubSection1& node) override
    {
        return Record("EnterTrackSubSection1", node);
    }
    bool BeforeTrackSubSection1ObjectsChild(ThreeDObjectTrackSubSection1& node) override
    {
        return Record("BeforeTrackSubSection1ObjectsChild", node);
    }
    void AfterTrackSubSection1ObjectsChild(ThreeDObjectTrackSubSection1& node) override
    {
        Record("AfterTrackSubSection1ObjectsChild", node);
    }
    bool EnterTrackSubSection1TrackChildren(ThreeDObjectTrackSubSection1& node) override
    {
        return Record("EnterTrackSubSection1TrackChildren", node);
    }
    bool BeforeTrackSubSection1TrackChild(ThreeDObjectTrackSubSection1& node, int i) override
    {
        return Record("BeforeTrackSubSection1TrackChild", node, i);
    }
    void AfterTrackSubSection1TrackChild(ThreeDObjectTrackSubSection1& node, int i) override
    {
        Record("AfterTrackSubSection1TrackChild", node, i);
    }
    void LeaveTrackSubSection1TrackChildren(ThreeDObjectTrackSubSection1& node) override
    {
        Record("LeaveTrackSubSection1TrackChildren", node);
    }
    bool BeforeTrackSubSection1GrooveChild(ThreeDObjectTrackSubSection1& node) override
    {
        return Record("BeforeTrackSubSection1GrooveChild", node);
    }
    void AfterTrackSubSection1GrooveChild(ThreeDObjectTrackSubSection1& node) override
    {
        Record("AfterTrackSubSection1GrooveChild", node);
    }
    bool BeforeTrackSubSection1MarkingsChild(ThreeDObjectTrackSubSection1& node) override
    {
        return Record("BeforeTrackSubSection1MarkingsChild", node);
    }
    void AfterTrackSubSection1MarkingsChild(ThreeDObjectTrackSubSection1& node) override
    {
        Record("AfterTrackSubSection1MarkingsChild", node);
    }
    void LeaveTrackSubSection1(ThreeDObjectTrackSubSection1& node) override { Record("LeaveTrackSubSection1", node); }
    void VisitTracksideObject(ThreeDObjectTracksideObject& node) override { Record("VisitTracksideObject", node); }
    bool EnterTransform(ThreeDObjectTransform& node) override { return Record("EnterTransform", node); }
    void LeaveTransform(ThreeDObjectTransform& node) override { Record("LeaveTransform", node); }
    bool EnterTransformation(ThreeDObjectTransformation& node) override { return Record("EnterTransformation", node); }
    void LeaveTransformation(ThreeDObjectTransformation& node) override { Record("LeaveTransformation", node); }
    void VisitTriangles(ThreeDObjectTriangles& node) override { Record("VisitTriangles", node); }
    bool EnterTriangleFan(ThreeDObjectTriangleFan& node) override { return Record("EnterTriangleFan", node); }
    void LeaveTriangleFan(ThreeDObjectTriangleFan& node) override { Record("LeaveTriangleFan", node); }
    bool EnterTriangleStrip(ThreeDObjectTriangleStrip& node) override { return Record("EnterTriangleStrip", node); }
    void LeaveTriangleStrip(ThreeDObjectTriangleStrip& node) override { Record("LeaveTriangleStrip", node); }
    bool EnterTsoReference(ThreeDObjectTsoReference& node) override { return Record("EnterTsoReference", node); }
    void LeaveTsoReference(ThreeDObjectTsoReference& node) override { Record("LeaveTsoReference", node); }
    void VisitU1(ThreeDObjectU1& node) override { Record("VisitU1", node); }
    bool EnterU3(ThreeDObjectU3& node) override { return Record("EnterU3", node); }
    void LeaveU3(ThreeDObjectU3& node) override { Record("LeaveU3", node); }
    void VisitVertexFixer(ThreeDObjectVertexFixer& node) override { Record("VisitVertexFixer", node); }
    void VisitVertices(ThreeDObjectVertices& node) override { Record("VisitVertices", node); }
    bool EnterWSection(ThreeDObjectWSection& node) override { return Record("EnterWSection", node); }
    bool BeforeWSectionAppearance(ThreeDObjectWSection& node, int subsection, int entry) override
    {
        return Record("BeforeWSectionAppearance", node, subsection, entry);
    }
    void AfterWSectionAppearance(ThreeDObjectWSection& node, int subsection, int entry) override
    {
        Record("AfterWSectionAppearance", node, subsection, entry);
    }
    bool BeforeWSectionTextureCoords(ThreeDObjectWSection& node, int subsection, int entry) override
    {
        return Record("BeforeWSectionTextureCoords", node, subsection, entry);
    }
    void AfterWSectionTextureCoords(ThreeDObjectWSection& node, int subsection, int entry) override
    {
        Record("AfterWSectionTextureCoords", node, subsection, entry);
    }
    void LeaveWSection(ThreeDObjectWSection& node) override { Record("LeaveWSection", node); }
    void VisitXSection(ThreeDObjectXSection& node) override { Record("VisitXSection", node); }

private:
    template <class... Index>
    bool Record(const char* operation, const ThreeDObject& node, Index... index)
    {
        std::string line = std::string(operation) + " " + std::to_string(node.GetId());
        ((line += " " + std::to_string(index)), ...);
        Calls.push_back(line);
        return Refuse.count(line) == 0;
    }
};
} // namespace VelmoTest
