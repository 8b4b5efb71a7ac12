#pragma once
// The one way code outside the node classes acts on a tree of nodes. A walk starts with Accept
// on a node; each node calls the operations of its kind's group in the order its kind fixes:
// enter on the way down, before and after around each child, leave on the way up, or the one
// visit operation of a leaf kind.
//
// Defaults: each kind's enter, leave and visit pass the node on, as ThreeDObject&, to the
// generic Enter, Leave and Visit; befores return true and afters do nothing, except the
// object locator's four sibling befores, which return false; sub-list enters return true and
// their leaves do nothing; the enter of an ordered kind sets reverse to false. So a visitor
// that overrides nothing walks the whole tree (but an object locator's siblings) and sees
// every node through the generic operations.
//
// Names: Enter<Kind>, Leave<Kind>, Visit<Kind>; Before<Kind>Child and After<Kind>Child around
// the children of a list; Before<Kind><Role> and After<Kind><Role> around a named child or the
// items of a named sub-list; Enter<Kind><Roles> and Leave<Kind><Roles> around a sub-list.

namespace Velmo::Papy
{
class ThreeDObject;
class ThreeDObjectAnimatedTransform;
class ThreeDObjectAnimationSplitter;
class ThreeDObjectAppNode;
class ThreeDObjectAppearance;
class ThreeDObjectBillboard;
class ThreeDObjectBoundingBox;
class ThreeDObjectCarRoot;
class ThreeDObjectClassMaterial;
class ThreeDObjectClassTexture;
class ThreeDObjectClassTextureMaterial;
class ThreeDObjectClassTextureSelector;
class ThreeDObjectClassTextureSelectorMaterial;
class ThreeDObjectColourMap;
class ThreeDObjectDisplayClass;
class ThreeDObjectDistanceSplitter;
class ThreeDObjectEmpty;
class ThreeDObjectExtObject;
class ThreeDObjectExtObjectList;
class ThreeDObjectFSection;
class ThreeDObjectGeometry;
class ThreeDObjectGroup;
class ThreeDObjectHandle;
class ThreeDObjectLatitudeSplitter;
class ThreeDObjectLine;
class ThreeDObjectLodSwitch;
class ThreeDObjectLongitudeSplitter;
class ThreeDObjectMaterial;
class ThreeDObjectMorphVertices;
class ThreeDObjectMultipleTextures;
class ThreeDObjectNull;
class ThreeDObjectNumberList;
class ThreeDObjectObjectList;
class ThreeDObjectObjectLocator;
class ThreeDObjectObjectLocatorList;
class ThreeDObjectPlaneCullFront;
class ThreeDObjectPlaneOrder2;
class ThreeDObjectPlaneOrder2CullFrontBack;
class ThreeDObjectPlaneOrder3;
class ThreeDObjectPlaneOrder3CullFront;
class ThreeDObjectPlaneOrder4CullFrontBack;
class ThreeDObjectPointLight;
class ThreeDObjectPolygon;
class ThreeDObjectPortal;
class ThreeDObjectProxy;
class ThreeDObjectRoot;
class ThreeDObjectScaledBitmap;
class ThreeDObjectSelfLighting;
class ThreeDObjectShape;
class ThreeDObjectStateSplitter;
class ThreeDObjectStateSwitch;
class ThreeDObjectStateValueSetter;
class ThreeDObjectTexture;
class ThreeDObjectTexture2;
class ThreeDObjectTextureCoords;
class ThreeDObjectTextureSelector;
class ThreeDObjectTrack;
class ThreeDObjectTrackDetail;
class ThreeDObjectTrackDetailSplit;
class ThreeDObjectTrackDrawingDistances;
class ThreeDObjectTrackIndex;
class ThreeDObjectTrackLevelPlane;
class ThreeDObjectTrackLink;
class ThreeDObjectTrackRoot;
class ThreeDObjectTrackSections;
class ThreeDObjectTrackSegment;
class ThreeDObjectTrackSubSection1;
class ThreeDObjectTracksideObject;
class ThreeDObjectTransform;
class ThreeDObjectTransformation;
class ThreeDObjectTriangleFan;
class ThreeDObjectTriangleStrip;
class ThreeDObjectTriangles;
class ThreeDObjectTsoReference;
class ThreeDObjectU1;
class ThreeDObjectU3;
class ThreeDObjectVertexFixer;
class ThreeDObjectVertices;
class ThreeDObjectWSection;
class ThreeDObjectXSection;

class ThreeDObjectVisitor
{
public:
    virtual ~ThreeDObjectVisitor();

    // Asked by every descent of a walk (ThreeDObjectWalk::Descend) before the child is walked:
    // false passes the child by, none of its operations is called. A visitor whose walks keep
    // to a limit (a budget of work) answers false once past it, so that its walk unwinds at
    // once, every enter still matched by its leave. The default walks every child.
    virtual bool Descends(ThreeDObject& child);

    // The generic operations, where a visitor that treats all kinds alike does its work.
    virtual bool Enter(ThreeDObject& node);
    virtual void Leave(ThreeDObject& node);
    virtual void Visit(ThreeDObject& node);

    // AnimatedTransform
    virtual bool EnterAnimatedTransform(ThreeDObjectAnimatedTransform& node);
    virtual void LeaveAnimatedTransform(ThreeDObjectAnimatedTransform& node);

    // AnimationSplitter
    virtual bool EnterAnimationSplitter(ThreeDObjectAnimationSplitter& node);
    virtual bool BeforeAnimationSplitterChild(ThreeDObjectAnimationSplitter& node, int i);
    virtual void AfterAnimationSplitterChild(ThreeDObjectAnimationSplitter& node, int i);
    virtual void LeaveAnimationSplitter(ThreeDObjectAnimationSplitter& node);

    // Appearance
    virtual bool EnterAppearance(ThreeDObjectAppearance& node);
    virtual bool BeforeAppearanceTexture(ThreeDObjectAppearance& node);
    virtual void AfterAppearanceTexture(ThreeDObjectAppearance& node);
    virtual bool BeforeAppearanceLightMapTexture(ThreeDObjectAppearance& node);
    virtual void AfterAppearanceLightMapTexture(ThreeDObjectAppearance& node);
    virtual bool BeforeAppearanceSpecularTexture(ThreeDObjectAppearance& node);
    virtual void AfterAppearanceSpecularTexture(ThreeDObjectAppearance& node);
    virtual bool EnterAppearanceOtherTextures(ThreeDObjectAppearance& node); // sub-list
    virtual void LeaveAppearanceOtherTextures(ThreeDObjectAppearance& node);
    virtual void LeaveAppearance(ThreeDObjectAppearance& node);

    // AppNode
    virtual bool EnterAppNode(ThreeDObjectAppNode& node);
    virtual void LeaveAppNode(ThreeDObjectAppNode& node);

    // Billboard
    virtual bool EnterBillboard(ThreeDObjectBillboard& node);
    virtual void LeaveBillboard(ThreeDObjectBillboard& node);

    // BoundingBox
    virtual bool EnterBoundingBox(ThreeDObjectBoundingBox& node);
    virtual void LeaveBoundingBox(ThreeDObjectBoundingBox& node);

    // CarRoot
    virtual bool EnterCarRoot(ThreeDObjectCarRoot& node);
    virtual bool BeforeCarRootShadow(ThreeDObjectCarRoot& node);
    virtual void AfterCarRootShadow(ThreeDObjectCarRoot& node);
    virtual bool BeforeCarRootCockpit(ThreeDObjectCarRoot& node);
    virtual void AfterCarRootCockpit(ThreeDObjectCarRoot& node);
    virtual bool BeforeCarRootCar(ThreeDObjectCarRoot& node);
    virtual void AfterCarRootCar(ThreeDObjectCarRoot& node);
    virtual void LeaveCarRoot(ThreeDObjectCarRoot& node);

    // ClassMaterial
    virtual bool EnterClassMaterial(ThreeDObjectClassMaterial& node);
    virtual void LeaveClassMaterial(ThreeDObjectClassMaterial& node);

    // ClassTexture
    virtual bool EnterClassTexture(ThreeDObjectClassTexture& node);
    virtual void LeaveClassTexture(ThreeDObjectClassTexture& node);

    // ClassTextureMaterial
    virtual bool EnterClassTextureMaterial(ThreeDObjectClassTextureMaterial& node);
    virtual void LeaveClassTextureMaterial(ThreeDObjectClassTextureMaterial& node);

    // ClassTextureSelector
    virtual bool EnterClassTextureSelector(ThreeDObjectClassTextureSelector& node);
    virtual void LeaveClassTextureSelector(ThreeDObjectClassTextureSelector& node);

    // ClassTextureSelectorMaterial
    virtual bool EnterClassTextureSelectorMaterial(ThreeDObjectClassTextureSelectorMaterial& node);
    virtual void LeaveClassTextureSelectorMaterial(ThreeDObjectClassTextureSelectorMaterial& node);

    // ColourMap
    virtual bool EnterColourMap(ThreeDObjectColourMap& node);
    virtual void LeaveColourMap(ThreeDObjectColourMap& node);

    // DisplayClass
    virtual bool EnterDisplayClass(ThreeDObjectDisplayClass& node);
    virtual void LeaveDisplayClass(ThreeDObjectDisplayClass& node);

    // DistanceSplitter
    virtual bool EnterDistanceSplitter(ThreeDObjectDistanceSplitter& node);
    virtual bool BeforeDistanceSplitterChild(ThreeDObjectDistanceSplitter& node, int i);
    virtual void AfterDistanceSplitterChild(ThreeDObjectDistanceSplitter& node, int i);
    virtual void LeaveDistanceSplitter(ThreeDObjectDistanceSplitter& node);

    // Empty
    virtual void VisitEmpty(ThreeDObjectEmpty& node);

    // ExtObject
    virtual void VisitExtObject(ThreeDObjectExtObject& node);

    // ExtObjectList
    virtual bool EnterExtObjectList(ThreeDObjectExtObjectList& node);
    virtual bool BeforeExtObjectListChild(ThreeDObjectExtObjectList& node);
    virtual void AfterExtObjectListChild(ThreeDObjectExtObjectList& node);
    virtual bool EnterExtObjectListObjects(ThreeDObjectExtObjectList& node); // sub-list
    virtual bool BeforeExtObjectListObject(ThreeDObjectExtObjectList& node, int i);
    virtual void AfterExtObjectListObject(ThreeDObjectExtObjectList& node, int i);
    virtual void LeaveExtObjectListObjects(ThreeDObjectExtObjectList& node);
    virtual void LeaveExtObjectList(ThreeDObjectExtObjectList& node);

    // FSection
    virtual bool EnterFSection(ThreeDObjectFSection& node);
    virtual bool BeforeFSectionAppearance(ThreeDObjectFSection& node);
    virtual void AfterFSectionAppearance(ThreeDObjectFSection& node);
    virtual bool BeforeFSectionTextureCoords(ThreeDObjectFSection& node);
    virtual void AfterFSectionTextureCoords(ThreeDObjectFSection& node);
    virtual void LeaveFSection(ThreeDObjectFSection& node);

    // Geometry
    virtual bool EnterGeometry(ThreeDObjectGeometry& node);
    virtual bool BeforeGeometryVertices(ThreeDObjectGeometry& node);
    virtual void AfterGeometryVertices(ThreeDObjectGeometry& node);
    virtual bool BeforeGeometryPolygons(ThreeDObjectGeometry& node);
    virtual void AfterGeometryPolygons(ThreeDObjectGeometry& node);
    virtual void LeaveGeometry(ThreeDObjectGeometry& node);

    // Group
    virtual bool EnterGroup(ThreeDObjectGroup& node);
    virtual bool BeforeGroupChild(ThreeDObjectGroup& node, int i);
    virtual void AfterGroupChild(ThreeDObjectGroup& node, int i);
    virtual void LeaveGroup(ThreeDObjectGroup& node);

    // Handle
    virtual bool EnterHandle(ThreeDObjectHandle& node);
    virtual void LeaveHandle(ThreeDObjectHandle& node);

    // LatitudeSplitter
    virtual bool EnterLatitudeSplitter(ThreeDObjectLatitudeSplitter& node);
    virtual bool BeforeLatitudeSplitterChild(ThreeDObjectLatitudeSplitter& node, int i);
    virtual void AfterLatitudeSplitterChild(ThreeDObjectLatitudeSplitter& node, int i);
    virtual void LeaveLatitudeSplitter(ThreeDObjectLatitudeSplitter& node);

    // Line
    virtual void VisitLine(ThreeDObjectLine& node);

    // LodSwitch
    virtual bool EnterLodSwitch(ThreeDObjectLodSwitch& node);
    virtual bool BeforeLodSwitchChild(ThreeDObjectLodSwitch& node, int i);
    virtual void AfterLodSwitchChild(ThreeDObjectLodSwitch& node, int i);
    virtual void LeaveLodSwitch(ThreeDObjectLodSwitch& node);

    // LongitudeSplitter
    virtual bool EnterLongitudeSplitter(ThreeDObjectLongitudeSplitter& node);
    virtual bool BeforeLongitudeSplitterChild(ThreeDObjectLongitudeSplitter& node, int i);
    virtual void AfterLongitudeSplitterChild(ThreeDObjectLongitudeSplitter& node, int i);
    virtual void LeaveLongitudeSplitter(ThreeDObjectLongitudeSplitter& node);

    // Material
    virtual bool EnterMaterial(ThreeDObjectMaterial& node);
    virtual void LeaveMaterial(ThreeDObjectMaterial& node);

    // MorphVertices
    virtual void VisitMorphVertices(ThreeDObjectMorphVertices& node);

    // MultipleTextures
    virtual bool EnterMultipleTextures(ThreeDObjectMultipleTextures& node);
    virtual void LeaveMultipleTextures(ThreeDObjectMultipleTextures& node);

    // Null
    virtual void VisitNull(ThreeDObjectNull& node);

    // NumberList
    virtual void VisitNumberList(ThreeDObjectNumberList& node);

    // ObjectList
    virtual bool EnterObjectList(ThreeDObjectObjectList& node);
    virtual bool BeforeObjectListChild(ThreeDObjectObjectList& node, int i);
    virtual void AfterObjectListChild(ThreeDObjectObjectList& node, int i);
    virtual void LeaveObjectList(ThreeDObjectObjectList& node);

    // ObjectLocatorList
    virtual bool EnterObjectLocatorList(ThreeDObjectObjectLocatorList& node);
    virtual bool BeforeObjectLocatorListChild(ThreeDObjectObjectLocatorList& node, int i);
    virtual void AfterObjectLocatorListChild(ThreeDObjectObjectLocatorList& node, int i);
    virtual void LeaveObjectLocatorList(ThreeDObjectObjectLocatorList& node);

    // ObjectLocator
    virtual bool EnterObjectLocator(ThreeDObjectObjectLocator& node);
    virtual bool EnterObjectLocatorSiblings(ThreeDObjectObjectLocator& node); // sub-list
    virtual bool BeforeObjectLocatorSibling(ThreeDObjectObjectLocator& node,
                                            int i); // default false: the siblings are not walked
    virtual void AfterObjectLocatorSibling(ThreeDObjectObjectLocator& node, int i);
    virtual void LeaveObjectLocatorSiblings(ThreeDObjectObjectLocator& node);
    virtual bool BeforeObjectLocatorChild(ThreeDObjectObjectLocator& node);
    virtual void AfterObjectLocatorChild(ThreeDObjectObjectLocator& node);
    virtual bool EnterObjectLocatorObjects(ThreeDObjectObjectLocator& node); // sub-list
    virtual bool BeforeObjectLocatorObject(ThreeDObjectObjectLocator& node, int i);
    virtual void AfterObjectLocatorObject(ThreeDObjectObjectLocator& node, int i);
    virtual void LeaveObjectLocatorObjects(ThreeDObjectObjectLocator& node);
    virtual void LeaveObjectLocator(ThreeDObjectObjectLocator& node);

    // PlaneCullFront
    virtual bool EnterPlaneCullFront(ThreeDObjectPlaneCullFront& node);
    virtual void LeavePlaneCullFront(ThreeDObjectPlaneCullFront& node);

    // PlaneOrder2
    virtual bool EnterPlaneOrder2(ThreeDObjectPlaneOrder2& node, bool& reverse); // the default sets reverse to false
    virtual bool BeforePlaneOrder2FarChild(ThreeDObjectPlaneOrder2& node);
    virtual void AfterPlaneOrder2FarChild(ThreeDObjectPlaneOrder2& node);
    virtual bool BeforePlaneOrder2NearChild(ThreeDObjectPlaneOrder2& node);
    virtual void AfterPlaneOrder2NearChild(ThreeDObjectPlaneOrder2& node);
    virtual void LeavePlaneOrder2(ThreeDObjectPlaneOrder2& node);

    // PlaneOrder2CullFrontBack
    virtual bool EnterPlaneOrder2CullFrontBack(ThreeDObjectPlaneOrder2CullFrontBack& node,
                                               bool& reverse); // the default sets reverse to false
    virtual bool BeforePlaneOrder2CullFrontBackBackChild(ThreeDObjectPlaneOrder2CullFrontBack& node);
    virtual void AfterPlaneOrder2CullFrontBackBackChild(ThreeDObjectPlaneOrder2CullFrontBack& node);
    virtual bool BeforePlaneOrder2CullFrontBackFrontChild(ThreeDObjectPlaneOrder2CullFrontBack& node);
    virtual void AfterPlaneOrder2CullFrontBackFrontChild(ThreeDObjectPlaneOrder2CullFrontBack& node);
    virtual void LeavePlaneOrder2CullFrontBack(ThreeDObjectPlaneOrder2CullFrontBack& node);

    // PlaneOrder3
    virtual bool EnterPlaneOrder3(ThreeDObjectPlaneOrder3& node, bool& reverse); // the default sets reverse to false
    virtual bool BeforePlaneOrder3FarChild(ThreeDObjectPlaneOrder3& node);
    virtual void AfterPlaneOrder3FarChild(ThreeDObjectPlaneOrder3& node);
    virtual bool BeforePlaneOrder3MiddleChild(ThreeDObjectPlaneOrder3& node);
    virtual void AfterPlaneOrder3MiddleChild(ThreeDObjectPlaneOrder3& node);
    virtual bool BeforePlaneOrder3NearChild(ThreeDObjectPlaneOrder3& node);
    virtual void AfterPlaneOrder3NearChild(ThreeDObjectPlaneOrder3& node);
    virtual void LeavePlaneOrder3(ThreeDObjectPlaneOrder3& node);

    // PlaneOrder3CullFront
    virtual bool EnterPlaneOrder3CullFront(ThreeDObjectPlaneOrder3CullFront& node,
                                           bool& reverse); // the default sets reverse to false
    virtual bool BeforePlaneOrder3CullFrontFarChild(ThreeDObjectPlaneOrder3CullFront& node);
    virtual void AfterPlaneOrder3CullFrontFarChild(ThreeDObjectPlaneOrder3CullFront& node);
    virtual bool BeforePlaneOrder3CullFrontFrontChild(ThreeDObjectPlaneOrder3CullFront& node);
    virtual void AfterPlaneOrder3CullFrontFrontChild(ThreeDObjectPlaneOrder3CullFront& node);
    virtual bool BeforePlaneOrder3CullFrontNearChild(ThreeDObjectPlaneOrder3CullFront& node);
    virtual void AfterPlaneOrder3CullFrontNearChild(ThreeDObjectPlaneOrder3CullFront& node);
    virtual void LeavePlaneOrder3CullFront(ThreeDObjectPlaneOrder3CullFront& node);

    // PlaneOrder4CullFrontBack
    virtual bool EnterPlaneOrder4CullFrontBack(ThreeDObjectPlaneOrder4CullFrontBack& node,
                                               bool& reverse); // the default sets reverse to false
    virtual bool BeforePlaneOrder4CullFrontBackFarChild(ThreeDObjectPlaneOrder4CullFrontBack& node);
    virtual void AfterPlaneOrder4CullFrontBackFarChild(ThreeDObjectPlaneOrder4CullFrontBack& node);
    virtual bool BeforePlaneOrder4CullFrontBackBackChild(ThreeDObjectPlaneOrder4CullFrontBack& node);
    virtual void AfterPlaneOrder4CullFrontBackBackChild(ThreeDObjectPlaneOrder4CullFrontBack& node);
    virtual bool BeforePlaneOrder4CullFrontBackFrontChild(ThreeDObjectPlaneOrder4CullFrontBack& node);
    virtual void AfterPlaneOrder4CullFrontBackFrontChild(ThreeDObjectPlaneOrder4CullFrontBack& node);
    virtual bool BeforePlaneOrder4CullFrontBackNearChild(ThreeDObjectPlaneOrder4CullFrontBack& node);
    virtual void AfterPlaneOrder4CullFrontBackNearChild(ThreeDObjectPlaneOrder4CullFrontBack& node);
    virtual void LeavePlaneOrder4CullFrontBack(ThreeDObjectPlaneOrder4CullFrontBack& node);

    // PointLight
    virtual void VisitPointLight(ThreeDObjectPointLight& node);

    // Polygon
    virtual void VisitPolygon(ThreeDObjectPolygon& node);

    // Portal
    virtual bool EnterPortal(ThreeDObjectPortal& node);
    virtual void LeavePortal(ThreeDObjectPortal& node);

    // Proxy
    virtual bool EnterProxy(ThreeDObjectProxy& node);
    virtual void LeaveProxy(ThreeDObjectProxy& node);

    // Root
    virtual bool EnterRoot(ThreeDObjectRoot& node);
    virtual bool BeforeRootChild(ThreeDObjectRoot& node, int i);
    virtual void AfterRootChild(ThreeDObjectRoot& node, int i);
    virtual void LeaveRoot(ThreeDObjectRoot& node);

    // ScaledBitmap
    virtual void VisitScaledBitmap(ThreeDObjectScaledBitmap& node);

    // SelfLighting
    virtual bool EnterSelfLighting(ThreeDObjectSelfLighting& node);
    virtual void LeaveSelfLighting(ThreeDObjectSelfLighting& node);

    // Shape
    virtual bool EnterShape(ThreeDObjectShape& node);
    virtual bool BeforeShapeAppearance(ThreeDObjectShape& node);
    virtual void AfterShapeAppearance(ThreeDObjectShape& node);
    virtual bool BeforeShapeGeometry(ThreeDObjectShape& node);
    virtual void AfterShapeGeometry(ThreeDObjectShape& node);
    virtual void LeaveShape(ThreeDObjectShape& node);

    // StateSplitter
    virtual bool EnterStateSplitter(ThreeDObjectStateSplitter& node);
    virtual bool BeforeStateSplitterChild(ThreeDObjectStateSplitter& node, int i);
    virtual void AfterStateSplitterChild(ThreeDObjectStateSplitter& node, int i);
    virtual void LeaveStateSplitter(ThreeDObjectStateSplitter& node);

    // StateSwitch
    virtual bool EnterStateSwitch(ThreeDObjectStateSwitch& node);
    virtual bool BeforeStateSwitchChild(ThreeDObjectStateSwitch& node, int i);
    virtual void AfterStateSwitchChild(ThreeDObjectStateSwitch& node, int i);
    virtual void LeaveStateSwitch(ThreeDObjectStateSwitch& node);

    // StateValueSetter
    virtual void VisitStateValueSetter(ThreeDObjectStateValueSetter& node);

    // Texture
    virtual bool EnterTexture(ThreeDObjectTexture& node);
    virtual void LeaveTexture(ThreeDObjectTexture& node);

    // Texture2
    virtual void VisitTexture2(ThreeDObjectTexture2& node);

    // TextureCoords
    virtual void VisitTextureCoords(ThreeDObjectTextureCoords& node);

    // TextureSelector
    virtual bool EnterTextureSelector(ThreeDObjectTextureSelector& node);
    virtual void LeaveTextureSelector(ThreeDObjectTextureSelector& node);

    // Track
    virtual bool EnterTrack(ThreeDObjectTrack& node);
    virtual bool BeforeTrackDetail(ThreeDObjectTrack& node, int i);
    virtual void AfterTrackDetail(ThreeDObjectTrack& node, int i);
    virtual bool BeforeTrackTracksideObject(ThreeDObjectTrack& node, int i);
    virtual void AfterTrackTracksideObject(ThreeDObjectTrack& node, int i);
    virtual bool BeforeTrackSegment(ThreeDObjectTrack& node, int i);
    virtual void AfterTrackSegment(ThreeDObjectTrack& node, int i);
    virtual void LeaveTrack(ThreeDObjectTrack& node);

    // TrackDetail
    virtual bool EnterTrackDetail(ThreeDObjectTrackDetail& node);
    virtual void LeaveTrackDetail(ThreeDObjectTrackDetail& node);

    // TrackDetailSplit
    virtual bool EnterTrackDetailSplit(ThreeDObjectTrackDetailSplit& node,
                                       bool& reverse);                            // the default sets reverse to false
    virtual bool EnterTrackDetailSplitLevels(ThreeDObjectTrackDetailSplit& node); // sub-list
    virtual bool BeforeTrackDetailSplitLevelChild(ThreeDObjectTrackDetailSplit& node, int level, int i);
    virtual void AfterTrackDetailSplitLevelChild(ThreeDObjectTrackDetailSplit& node, int level, int i);
    virtual void LeaveTrackDetailSplitLevels(ThreeDObjectTrackDetailSplit& node);
    virtual bool BeforeTrackDetailSplitLinks(ThreeDObjectTrackDetailSplit& node);
    virtual void AfterTrackDetailSplitLinks(ThreeDObjectTrackDetailSplit& node);
    virtual void LeaveTrackDetailSplit(ThreeDObjectTrackDetailSplit& node);

    // TrackDrawingDistances
    virtual void VisitTrackDrawingDistances(ThreeDObjectTrackDrawingDistances& node);

    // TrackIndex
    virtual void VisitTrackIndex(ThreeDObjectTrackIndex& node);

    // TrackLevelPlane
    virtual bool EnterTrackLevelPlane(ThreeDObjectTrackLevelPlane& node);
    virtual void LeaveTrackLevelPlane(ThreeDObjectTrackLevelPlane& node);

    // TrackLink
    virtual void VisitTrackLink(ThreeDObjectTrackLink& node);

    // TrackRoot
    virtual bool EnterTrackRoot(ThreeDObjectTrackRoot& node);
    virtual bool BeforeTrackRootChild(ThreeDObjectTrackRoot& node);
    virtual void AfterTrackRootChild(ThreeDObjectTrackRoot& node);
    virtual bool BeforeTrackRootDrawingDistances(ThreeDObjectTrackRoot& node);
    virtual void AfterTrackRootDrawingDistances(ThreeDObjectTrackRoot& node);
    virtual void LeaveTrackRoot(ThreeDObjectTrackRoot& node);

    // TrackSections
    virtual bool EnterTrackSections(ThreeDObjectTrackSections& node);
    virtual bool BeforeTrackSectionsIndex(ThreeDObjectTrackSections& node);
    virtual void AfterTrackSectionsIndex(ThreeDObjectTrackSections& node);
    virtual bool EnterTrackSectionsSections(ThreeDObjectTrackSections& node); // sub-list
    virtual bool BeforeTrackSectionsSection(ThreeDObjectTrackSections& node, int i);
    virtual void AfterTrackSectionsSection(ThreeDObjectTrackSections& node, int i);
    virtual void LeaveTrackSectionsSections(ThreeDObjectTrackSections& node);
    virtual bool BeforeTrackSectionsTracksideObjects(ThreeDObjectTrackSections& node);
    virtual void AfterTrackSectionsTracksideObjects(ThreeDObjectTrackSections& node);
    virtual void LeaveTrackSections(ThreeDObjectTrackSections& node);

    // TrackSegment
    virtual bool EnterTrackSegment(ThreeDObjectTrackSegment& node);
    virtual bool BeforeTrackSegmentXSection(ThreeDObjectTrackSegment& node, int i);
    virtual void AfterTrackSegmentXSection(ThreeDObjectTrackSegment& node, int i);
    virtual bool BeforeTrackSegmentFSection(ThreeDObjectTrackSegment& node, int i);
    virtual void AfterTrackSegmentFSection(ThreeDObjectTrackSegment& node, int i);
    virtual bool BeforeTrackSegmentWSection(ThreeDObjectTrackSegment& node, int i);
    virtual void AfterTrackSegmentWSection(ThreeDObjectTrackSegment& node, int i);
    virtual void LeaveTrackSegment(ThreeDObjectTrackSegment& node);

    // TrackSubSection1
    virtual bool EnterTrackSubSection1(ThreeDObjectTrackSubSection1& node);
    virtual bool BeforeTrackSubSection1ObjectsChild(ThreeDObjectTrackSubSection1& node);
    virtual void AfterTrackSubSection1ObjectsChild(ThreeDObjectTrackSubSection1& node);
    virtual bool EnterTrackSubSection1TrackChildren(ThreeDObjectTrackSubSection1& node); // sub-list
    virtual bool BeforeTrackSubSection1TrackChild(ThreeDObjectTrackSubSection1& node, int i);
    virtual void AfterTrackSubSection1TrackChild(ThreeDObjectTrackSubSection1& node, int i);
    virtual void LeaveTrackSubSection1TrackChildren(ThreeDObjectTrackSubSection1& node);
    virtual bool BeforeTrackSubSection1GrooveChild(ThreeDObjectTrackSubSection1& node);
    virtual void AfterTrackSubSection1GrooveChild(ThreeDObjectTrackSubSection1& node);
    virtual bool BeforeTrackSubSection1MarkingsChild(ThreeDObjectTrackSubSection1& node);
    virtual void AfterTrackSubSection1MarkingsChild(ThreeDObjectTrackSubSection1& node);
    virtual void LeaveTrackSubSection1(ThreeDObjectTrackSubSection1& node);

    // TracksideObject
    virtual void VisitTracksideObject(ThreeDObjectTracksideObject& node);

    // Transform
    virtual bool EnterTransform(ThreeDObjectTransform& node);
    virtual void LeaveTransform(ThreeDObjectTransform& node);

    // Transformation
    virtual bool EnterTransformation(ThreeDObjectTransformation& node);
    virtual void LeaveTransformation(ThreeDObjectTransformation& node);

    // Triangles
    virtual void VisitTriangles(ThreeDObjectTriangles& node);

    // TriangleFan
    virtual bool EnterTriangleFan(ThreeDObjectTriangleFan& node);
    virtual void LeaveTriangleFan(ThreeDObjectTriangleFan& node);

    // TriangleStrip
    virtual bool EnterTriangleStrip(ThreeDObjectTriangleStrip& node);
    virtual void LeaveTriangleStrip(ThreeDObjectTriangleStrip& node);

    // TsoReference
    virtual bool EnterTsoReference(ThreeDObjectTsoReference& node);
    virtual void LeaveTsoReference(ThreeDObjectTsoReference& node);

    // U1
    virtual void VisitU1(ThreeDObjectU1& node);

    // U3
    virtual bool EnterU3(ThreeDObjectU3& node);
    virtual void LeaveU3(ThreeDObjectU3& node);

    // VertexFixer
    virtual void VisitVertexFixer(ThreeDObjectVertexFixer& node);

    // Vertices
    virtual void VisitVertices(ThreeDObjectVertices& node);

    // WSection
    virtual bool EnterWSection(ThreeDObjectWSection& node);
    virtual bool BeforeWSectionAppearance(ThreeDObjectWSection& node, int subsection, int entry);
    virtual void AfterWSectionAppearance(ThreeDObjectWSection& node, int subsection, int entry);
    virtual bool BeforeWSectionTextureCoords(ThreeDObjectWSection& node, int subsection, int entry);
    virtual void AfterWSectionTextureCoords(ThreeDObjectWSection& node, int subsection, int entry);
    virtual void LeaveWSection(ThreeDObjectWSection& node);

    // XSection
    virtual void VisitXSection(ThreeDObjectXSection& node);
};
} // namespace Velmo::Papy
