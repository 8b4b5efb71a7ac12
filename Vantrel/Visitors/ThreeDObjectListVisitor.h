#pragma once
// Lists the fields of one node as rows of the field pane: the opening rows (type, id, name),
// the rows of the node's kind in a fixed order, and the node's unknown values. Only the node
// handed to Accept is listed: every enter answers false, so its children appear as their ids.
//
// Labels and row order are what the field editor relies on to find the field of a row, the
// odd ones included ("Grip Modifer", " Point Light"). Built for one listing; catches nothing:
// an accessor or an enumeration name that fails leaves the rows listed so far in the sink.
#include <string>

#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Vantrel/Visitors/ThreeDObjectRows.h"

class ThreeDObjectListVisitor : public Velmo::Papy::ThreeDObjectVisitor
{
public:
    explicit ThreeDObjectListVisitor(ThreeDObjectRowSink& sink);

    // "Type" (the kind label), "Id" and "Name"; returns the index of the last row added (2).
    int ListHeaderRows(Velmo::Papy::ThreeDObject& node, const char* kind);
    // One "Unknown" row per value of the node's generic lists: texts, booleans, integers, floats;
    // returns the index of the last row of the listing.
    int ListUnknownValues(Velmo::Papy::ThreeDObject& node);

    // The visitor's own value tables.
    static std::string GetTextureFunctionName(int value);
    static std::string GetFaceName(int entry);
    static const char* GetPolygonLabel(bool textured, bool staticShaded, bool dynamicShaded);

    // A kind without a listing of its own lists nothing and is not descended into.
    bool Enter(Velmo::Papy::ThreeDObject& node) override;

    // Transforms, splitters and switches.
    bool EnterAnimatedTransform(Velmo::Papy::ThreeDObjectAnimatedTransform& node) override;
    bool EnterAnimationSplitter(Velmo::Papy::ThreeDObjectAnimationSplitter& node) override;
    bool EnterDistanceSplitter(Velmo::Papy::ThreeDObjectDistanceSplitter& node) override;
    bool EnterLatitudeSplitter(Velmo::Papy::ThreeDObjectLatitudeSplitter& node) override;
    bool EnterLongitudeSplitter(Velmo::Papy::ThreeDObjectLongitudeSplitter& node) override;
    bool EnterStateSplitter(Velmo::Papy::ThreeDObjectStateSplitter& node) override;
    bool EnterStateSwitch(Velmo::Papy::ThreeDObjectStateSwitch& node) override;
    void VisitStateValueSetter(Velmo::Papy::ThreeDObjectStateValueSetter& node) override;
    bool EnterLodSwitch(Velmo::Papy::ThreeDObjectLodSwitch& node) override;
    bool EnterTransform(Velmo::Papy::ThreeDObjectTransform& node) override;
    bool EnterTransformation(Velmo::Papy::ThreeDObjectTransformation& node) override;
    bool EnterBillboard(Velmo::Papy::ThreeDObjectBillboard& node) override;

    // Plane-ordered nodes.
    bool EnterPlaneCullFront(Velmo::Papy::ThreeDObjectPlaneCullFront& node) override;
    bool EnterPlaneOrder2(Velmo::Papy::ThreeDObjectPlaneOrder2& node, bool& reverse) override;
    bool EnterPlaneOrder2CullFrontBack(Velmo::Papy::ThreeDObjectPlaneOrder2CullFrontBack& node,
                                       bool& reverse) override;
    bool EnterPlaneOrder3(Velmo::Papy::ThreeDObjectPlaneOrder3& node, bool& reverse) override;
    bool EnterPlaneOrder3CullFront(Velmo::Papy::ThreeDObjectPlaneOrder3CullFront& node, bool& reverse) override;
    bool EnterPlaneOrder4CullFrontBack(Velmo::Papy::ThreeDObjectPlaneOrder4CullFrontBack& node,
                                       bool& reverse) override;

    // Lists, locators and structure.
    bool EnterRoot(Velmo::Papy::ThreeDObjectRoot& node) override;
    bool EnterHandle(Velmo::Papy::ThreeDObjectHandle& node) override;
    bool EnterProxy(Velmo::Papy::ThreeDObjectProxy& node) override;
    void VisitEmpty(Velmo::Papy::ThreeDObjectEmpty& node) override;
    bool EnterGroup(Velmo::Papy::ThreeDObjectGroup& node) override;
    bool EnterObjectList(Velmo::Papy::ThreeDObjectObjectList& node) override;
    bool EnterObjectLocatorList(Velmo::Papy::ThreeDObjectObjectLocatorList& node) override;
    bool EnterObjectLocator(Velmo::Papy::ThreeDObjectObjectLocator& node) override;
    void VisitNumberList(Velmo::Papy::ThreeDObjectNumberList& node) override;
    void VisitExtObject(Velmo::Papy::ThreeDObjectExtObject& node) override;
    bool EnterExtObjectList(Velmo::Papy::ThreeDObjectExtObjectList& node) override;
    bool EnterCarRoot(Velmo::Papy::ThreeDObjectCarRoot& node) override;
    bool EnterAppNode(Velmo::Papy::ThreeDObjectAppNode& node) override;
    void VisitU1(Velmo::Papy::ThreeDObjectU1& node) override;
    bool EnterU3(Velmo::Papy::ThreeDObjectU3& node) override;
    bool EnterBoundingBox(Velmo::Papy::ThreeDObjectBoundingBox& node) override;

    // Materials, textures and lights.
    bool EnterMaterial(Velmo::Papy::ThreeDObjectMaterial& node) override;
    bool EnterClassMaterial(Velmo::Papy::ThreeDObjectClassMaterial& node) override;
    bool EnterClassTexture(Velmo::Papy::ThreeDObjectClassTexture& node) override;
    bool EnterClassTextureMaterial(Velmo::Papy::ThreeDObjectClassTextureMaterial& node) override;
    bool EnterClassTextureSelector(Velmo::Papy::ThreeDObjectClassTextureSelector& node) override;
    bool EnterClassTextureSelectorMaterial(Velmo::Papy::ThreeDObjectClassTextureSelectorMaterial& node) override;
    bool EnterDisplayClass(Velmo::Papy::ThreeDObjectDisplayClass& node) override;
    bool EnterTexture(Velmo::Papy::ThreeDObjectTexture& node) override;
    void VisitTexture2(Velmo::Papy::ThreeDObjectTexture2& node) override;
    bool EnterTextureSelector(Velmo::Papy::ThreeDObjectTextureSelector& node) override;
    bool EnterMultipleTextures(Velmo::Papy::ThreeDObjectMultipleTextures& node) override;
    bool EnterColourMap(Velmo::Papy::ThreeDObjectColourMap& node) override;
    bool EnterAppearance(Velmo::Papy::ThreeDObjectAppearance& node) override;
    bool EnterSelfLighting(Velmo::Papy::ThreeDObjectSelfLighting& node) override;
    void VisitPointLight(Velmo::Papy::ThreeDObjectPointLight& node) override;
    bool EnterShape(Velmo::Papy::ThreeDObjectShape& node) override;
    bool EnterGeometry(Velmo::Papy::ThreeDObjectGeometry& node) override;

    // Geometry.
    void VisitPolygon(Velmo::Papy::ThreeDObjectPolygon& node) override;
    void VisitLine(Velmo::Papy::ThreeDObjectLine& node) override;
    void VisitScaledBitmap(Velmo::Papy::ThreeDObjectScaledBitmap& node) override;
    void VisitVertices(Velmo::Papy::ThreeDObjectVertices& node) override;
    void VisitVertexFixer(Velmo::Papy::ThreeDObjectVertexFixer& node) override;
    void VisitTextureCoords(Velmo::Papy::ThreeDObjectTextureCoords& node) override;
    void VisitMorphVertices(Velmo::Papy::ThreeDObjectMorphVertices& node) override;
    void VisitTriangles(Velmo::Papy::ThreeDObjectTriangles& node) override;
    bool EnterTriangleFan(Velmo::Papy::ThreeDObjectTriangleFan& node) override;
    bool EnterTriangleStrip(Velmo::Papy::ThreeDObjectTriangleStrip& node) override;
    bool EnterPortal(Velmo::Papy::ThreeDObjectPortal& node) override;

    // Track and segments.
    bool EnterTrack(Velmo::Papy::ThreeDObjectTrack& node) override;
    bool EnterTrackSegment(Velmo::Papy::ThreeDObjectTrackSegment& node) override;
    void VisitXSection(Velmo::Papy::ThreeDObjectXSection& node) override;
    bool EnterFSection(Velmo::Papy::ThreeDObjectFSection& node) override;
    bool EnterWSection(Velmo::Papy::ThreeDObjectWSection& node) override;
    bool EnterTrackDetail(Velmo::Papy::ThreeDObjectTrackDetail& node) override;
    bool EnterTrackDetailSplit(Velmo::Papy::ThreeDObjectTrackDetailSplit& node, bool& reverse) override;

    // GPL and N2 track tree nodes.
    bool EnterTrackRoot(Velmo::Papy::ThreeDObjectTrackRoot& node) override;
    void VisitTrackDrawingDistances(Velmo::Papy::ThreeDObjectTrackDrawingDistances& node) override;
    bool EnterTrackSections(Velmo::Papy::ThreeDObjectTrackSections& node) override;
    bool EnterTrackSubSection1(Velmo::Papy::ThreeDObjectTrackSubSection1& node) override;
    void VisitTrackIndex(Velmo::Papy::ThreeDObjectTrackIndex& node) override;
    void VisitTrackLink(Velmo::Papy::ThreeDObjectTrackLink& node) override;
    bool EnterTrackLevelPlane(Velmo::Papy::ThreeDObjectTrackLevelPlane& node) override;

    // Trackside objects.
    void VisitTracksideObject(Velmo::Papy::ThreeDObjectTracksideObject& node) override;
    bool EnterTsoReference(Velmo::Papy::ThreeDObjectTsoReference& node) override;

private:
    // The opening rows, the kind's rows (body) and the closing rows; false, so that Accept
    // visits no child.
    template <class Body>
    bool List(Velmo::Papy::ThreeDObject& node, const char* kind, Body body);

    ThreeDObjectRows m_rows;
};
